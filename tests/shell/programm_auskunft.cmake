# Runs the program with --help, --version and a wrong option where no display is reachable, in German and
# in English (PLM1_SPRACHE, else the locale): --help and --version answer on standard output with exit 0 and
# nothing on standard error (the manual pages are made from these answers); a wrong option is refused on
# standard error in the language, with the help.
set(zeilen
    "PLM1_SPRACHE=de|--help|0|Aufruf: Plm1Steuerung |-"
    "PLM1_SPRACHE=en|--help|0|Usage: Plm1Steuerung |-"
    "LANG=de_DE.UTF-8|--help|0|Aufruf: Plm1Steuerung |-"
    "LANG=C.UTF-8|--help|0|Usage: Plm1Steuerung |-"
    "PLM1_SPRACHE=de|--version|0|Plm1Steuerung ${VERSION}\nCopyright (C) 2026 The Plm1Steuerung developers\nMIT-Lizenz:|-"
    "PLM1_SPRACHE=en|--version|0|Plm1Steuerung ${VERSION}\nCopyright (C) 2026 The Plm1Steuerung developers\nMIT licence:|-"
    "PLM1_SPRACHE=de|--bogus|1|-|Unbekannte Option: --bogus\nAufruf: Plm1Steuerung "
    "PLM1_SPRACHE=en|--bogus|1|-|Unknown option: --bogus\nUsage: Plm1Steuerung "
    "LANG=C|--step-time|1|-|Unknown option: --step-time\nUsage: ")
foreach(zeile IN LISTS zeilen)
    string(REPLACE "|" ";" zeile "${zeile}")
    list(GET zeile 0 umgebung)
    list(GET zeile 1 option)
    list(GET zeile 2 erwartetRc)
    list(GET zeile 3 anfang)
    list(GET zeile 4 fehlerAnfang)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                --unset=PLM1_SPRACHE --unset=LC_ALL --unset=LC_MESSAGES --unset=LANG ${umgebung}
                ${PROGRAMM} ${option}
        RESULT_VARIABLE rc
        OUTPUT_VARIABLE aus
        ERROR_VARIABLE fehler
        TIMEOUT 30)
    # "-": nothing at all on that output.
    foreach(paar "anfang;aus" "fehlerAnfang;fehler")
        list(GET paar 0 erwartet)
        list(GET paar 1 ausgabe)
        if("${${erwartet}}" STREQUAL "-")
            set(${erwartet} "")
            set(gut_${ausgabe} FALSE)
            if("${${ausgabe}}" STREQUAL "")
                set(gut_${ausgabe} TRUE)
            endif()
        else()
            string(FIND "${${ausgabe}}" "${${erwartet}}" stelle)
            set(gut_${ausgabe} FALSE)
            if(stelle EQUAL 0)
                set(gut_${ausgabe} TRUE)
            endif()
        endif()
    endforeach()
    if(NOT rc EQUAL erwartetRc OR NOT gut_aus OR NOT gut_fehler)
        message(FATAL_ERROR "${umgebung} Plm1Steuerung ${option}: rc ${rc}\nstdout:\n${aus}\nstderr:\n${fehler}")
    endif()
endforeach()
