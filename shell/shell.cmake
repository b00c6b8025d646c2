# Window list (plm1_shell), program start (plm1_start) and the program Plm1Steuerung.
add_library(plm1_shell STATIC ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_GemeinsameFunktionen.cpp
                              ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Beenden.cpp
                              ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Schutz.cpp)
target_include_directories(plm1_shell PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_shell PUBLIC plm1_ui plm1_errorpopup)

add_library(plm1_start STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Plm1Steuerung_Main.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Fensterlage.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Startoptionen.cpp)
target_link_libraries(plm1_start PUBLIC plm1_shell plm1_valves plm1_keys plm1_direct plm1_cycle plm1_vkrcom_fenster
                                        plm1_errorpopup plm1_ini plm1_serial plm1_sim plm1_ui plm1_version
                                        Qt6::Widgets)
# The window icon, the menu entry's icon in the sizes a title bar and a task switcher take.
qt_add_resources(plm1_start plm1_symbol PREFIX /plm1steuerung BASE ${PROJECT_SOURCE_DIR}/packaging
                 FILES ${PROJECT_SOURCE_DIR}/packaging/plm1steuerung_48.png
                       ${PROJECT_SOURCE_DIR}/packaging/plm1steuerung_256.png)

add_executable(Plm1Steuerung ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(Plm1Steuerung PRIVATE plm1_start)
