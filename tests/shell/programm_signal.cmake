# Starts the program on its demonstration unit in a fresh folder, with no display but Qt's own "-platform
# offscreen" option, ends it with SIGTERM after a moment and checks that it wrote its settings (COM 1 open)
# on the way out.
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
# The simulator's line (in German, whatever the run's locale) is printed once the signal handlers are in
# place; wait for it, then a moment more. Without it the program is ended and the run fails.
execute_process(
    COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PLM1_SPRACHE=de \"$0\" -platform offscreen --simulator 2>lauf.log & pid=$!
                   i=0; until grep -q Simuliertes lauf.log || [ $i -ge 300 ]; do sleep 0.1; i=$((i+1)); done
                   sleep 1; kill -TERM $pid; wait $pid; rc=$?; [ $i -lt 300 ] || { cat lauf.log; exit 99; }; exit $rc"
            ${PROGRAMM}
    WORKING_DIRECTORY ${ARBEIT}
    RESULT_VARIABLE rc
    TIMEOUT 60)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Plm1Steuerung ended with ${rc}")
endif()
file(READ ${ARBEIT}/plm1Steuerung.ini inhalt HEX)
# "[konfig]" CR LF at the start and "com = 1" CR LF after the line of "adresse"
string(FIND "${inhalt}" "5b6b6f6e6669675d0d0a" kopf)
string(FIND "${inhalt}" "0d0a636f6d203d20310d0a" com)
if(NOT kopf EQUAL 0 OR com LESS 0)
    message(FATAL_ERROR "settings not written as expected:\n${inhalt}")
endif()
