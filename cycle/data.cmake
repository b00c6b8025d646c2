# Cycle data: the model, the *.plk file and the transfer to and from the unit's memory; the bare memory image
# (no Qt) in plm1_kurvensatz, shared with the simulated unit.
add_library(plm1_kurvensatz STATIC ${CMAKE_CURRENT_LIST_DIR}/Kurven_Satz.cpp)
target_include_directories(plm1_kurvensatz PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_kurvensatz PUBLIC plm1_speicherbild)

add_library(plm1_cycle_data STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Kurvenarrays.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Datei.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Com.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Pruefen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Kurven_Bereich.cpp)
target_include_directories(plm1_cycle_data PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_cycle_data PUBLIC plm1_kurvensatz plm1_errors plm1_dateikopf plm1_files plm1_melden
                                              plm1_vkrcom plm1_konfigdaten plm1_speicherbild)
