# Connection manager, identification, device search and block transfers (plm1_vkrcom, no windows), and the
# connection controls of the windows (plm1_vkrcom_fenster).
add_library(plm1_vkrcom STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Vkr_Com.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Com.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Vergleich.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Einheiten.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/VkrCom_Einstellungen.cpp)
target_include_directories(plm1_vkrcom PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_vkrcom PUBLIC plm1_vkrplm1 plm1_errors plm1_melden plm1_ini)

# The verified-sending switch with its menu items and "Upload an mehrere…" are window parts too.
add_library(plm1_vkrcom_fenster STATIC ${CMAKE_CURRENT_SOURCE_DIR}/VkrCom_Userinterface.cpp
                                       ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Pruefen.cpp
                                       ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Mehrere.cpp)
target_link_libraries(plm1_vkrcom_fenster PUBLIC plm1_vkrcom plm1_ui)
