# Windows layer over Qt Widgets (plm1_ui), the popups and progress that data code raises (plm1_melden, no
# Qt), and the binary file operations of the data files (plm1_files).
add_library(plm1_files STATIC ${CMAKE_CURRENT_SOURCE_DIR}/cvifile.cpp ${CMAKE_CURRENT_SOURCE_DIR}/datei_sicher.cpp)
target_include_directories(plm1_files PUBLIC ${PROJECT_SOURCE_DIR})

add_library(plm1_melden STATIC ${CMAKE_CURRENT_SOURCE_DIR}/ui_melden.cpp)
target_include_directories(plm1_melden PUBLIC ${PROJECT_SOURCE_DIR})

add_library(plm1_ui STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_kern.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_panel.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_ctrl.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_widgets.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_menu.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_popup.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_fragen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_canvas.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_graph.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_streifen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_fortschritt.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_lage.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_signale.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ui_verlauf.cpp)
target_include_directories(plm1_ui PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_ui PUBLIC Qt6::Widgets plm1_melden)
