# Window list (plm1_shell), program start (plm1_start) and the program Plm1Steuerung.
add_library(plm1_shell STATIC ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_GemeinsameFunktionen.cpp
                              ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Beenden.cpp)
target_include_directories(plm1_shell PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_shell PUBLIC plm1_ui)

add_library(plm1_start STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Plm1Steuerung_Main.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Plm1_Startoptionen.cpp)
target_link_libraries(plm1_start PUBLIC plm1_shell plm1_valves plm1_vkrcom plm1_errorpopup plm1_ini plm1_serial
                                        plm1_sim plm1_ui Qt6::Widgets)

add_executable(Plm1Steuerung ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(Plm1Steuerung PRIVATE plm1_start)

# The working windows join in folders added after this one: link each one that exists once the whole
# tree is known, and tell the start code which of them are there.
function(plm1_arbeitsfenster_verbinden)
    foreach(paar "plm1_keys;PLM1_MIT_TASTEN" "plm1_direct;PLM1_MIT_DIREKT" "plm1_cycle;PLM1_MIT_KURVEN")
        list(GET paar 0 ziel)
        list(GET paar 1 schalter)
        if(TARGET ${ziel})
            target_link_libraries(plm1_start PUBLIC ${ziel})
            target_compile_definitions(plm1_start PRIVATE ${schalter})
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL plm1_arbeitsfenster_verbinden)
