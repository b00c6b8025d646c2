# Cycle window: the curve canvases and the window "Zyklus-Programmierung".
add_library(plm1_cycle STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CanvasFunktionen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CanvasZeichnen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Funktionen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Userinterface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Schutz.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Verlauf.cpp)
target_include_directories(plm1_cycle PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_cycle PUBLIC plm1_cycle_data plm1_scrollbar plm1_ui plm1_vkrcom_fenster plm1_valves
    plm1_shell plm1_errorpopup)
