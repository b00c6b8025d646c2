# Starts the program on its demonstration unit in a fresh folder, ends it with SIGTERM after a moment and
# checks that it wrote its settings (COM 1 open) on the way out.
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
execute_process(
    COMMAND sh -c "QT_QPA_PLATFORM=offscreen \"$0\" --simulator & pid=$!; sleep 2; kill -TERM $pid; wait $pid"
            ${PROGRAMM}
    WORKING_DIRECTORY ${ARBEIT}
    RESULT_VARIABLE rc
    TIMEOUT 30)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Plm1Steuerung ended with ${rc}")
endif()
file(READ ${ARBEIT}/plm1Steuerung.ini inhalt)
if(NOT inhalt MATCHES "com = 1\r\n" OR NOT inhalt MATCHES "\\[konfig\\]")
    message(FATAL_ERROR "settings not written as expected:\n${inhalt}")
endif()
