# Connection manager, identification, device search and block transfers (over the driver and the windows).
add_library(plm1_vkrcom STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Vkr_Com.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Com.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Pruefen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Gemeinsam_Mehrere.cpp)
target_include_directories(plm1_vkrcom PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_vkrcom PUBLIC plm1_vkrplm1 plm1_errors plm1_ui plm1_ini)
