# Runs the program with --help and with --version where no display is reachable: each answers on standard
# output with exit 0 and nothing on standard error (the manual pages are made from these answers).
foreach(fall "--help|Aufruf: Plm1Steuerung " "--version|Plm1Steuerung ${VERSION}\n")
    string(REPLACE "|" ";" fall "${fall}")
    list(GET fall 0 option)
    list(GET fall 1 anfang)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                ${PROGRAMM} ${option}
        RESULT_VARIABLE rc
        OUTPUT_VARIABLE aus
        ERROR_VARIABLE fehler
        TIMEOUT 30)
    string(FIND "${aus}" "${anfang}" stelle)
    if(NOT rc EQUAL 0 OR NOT stelle EQUAL 0 OR NOT fehler STREQUAL "")
        message(FATAL_ERROR "Plm1Steuerung ${option}: rc ${rc}\nstdout:\n${aus}\nstderr:\n${fehler}")
    endif()
endforeach()
