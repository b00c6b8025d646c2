# Serial ports behind the RS-232 calls (QSerialPort used synchronously).
add_library(plm1_serial STATIC ${CMAKE_CURRENT_LIST_DIR}/rs232.cpp ${CMAKE_CURRENT_LIST_DIR}/rs232_portliste.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rs232_trace.cpp)
target_include_directories(plm1_serial PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_serial PUBLIC plm1_files Qt6::Core Qt6::SerialPort)
