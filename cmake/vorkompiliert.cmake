# Precompiled headers: the windows layer and the tests include Qt's and GoogleTest's headers in nearly every
# source, which otherwise are parsed again for each one. One header set is compiled once per owner target and
# reused by the targets that are built with the same flags (Qt's position-independent code); GCC takes it
# where only macros that the headers do not use differ.
option(PLM1_PCH "Precompile the Qt and GoogleTest headers" ON)

set(PLM1_PCH_STD <algorithm> <functional> <map> <memory> <string> <vector>)
set(PLM1_PCH_FENSTER <QApplication> <QWidget> <QPainter> <QTimer> ${PLM1_PCH_STD})

# owner: the target that compiles the headers; VERWENDER: targets that reuse them (left out when not built).
function(plm1_vorkompilieren owner)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "KOPF;VERWENDER")
    if(NOT PLM1_PCH OR NOT TARGET ${owner})
        return()
    endif()
    target_precompile_headers(${owner} PRIVATE ${arg_KOPF})
    foreach(ziel ${arg_VERWENDER})
        if(NOT TARGET ${ziel})
            continue()
        elseif(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            target_precompile_headers(${ziel} REUSE_FROM ${owner})
        else()
            # Clang and MSVC refuse a precompiled header made with other macros (Qt's test macros, ports).
            target_precompile_headers(${ziel} PRIVATE ${arg_KOPF})
        endif()
    endforeach()
endfunction()

# Windows layer and the windows code over it.
plm1_vorkompilieren(plm1_ui KOPF ${PLM1_PCH_FENSTER}
    VERWENDER plm1_start plm1_valves plm1_scrollbar)
# Tests with windows (offscreen Qt) and GoogleTest.
plm1_vorkompilieren(plm1_test_qtmain KOPF ${PLM1_PCH_FENSTER} <gtest/gtest.h> <QTemporaryDir>
    VERWENDER test_ui test_cycle_window test_vkrcom test_direct test_tasten test_scrollbar test_shell test_valves
              errorpopup_test)
# Tests over Qt Core (serial ports) and GoogleTest.
plm1_vorkompilieren(plm1_test_kernmain KOPF <gtest/gtest.h> <QCoreApplication> <QTemporaryDir> ${PLM1_PCH_STD}
    VERWENDER test_cycle_data device_vkrplm1_test device_rs232_test)
