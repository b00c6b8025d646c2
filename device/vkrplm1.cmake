# PLM-1 driver: transaction, command formatting and reply decoding.
add_library(plm1_vkrplm1 STATIC ${CMAKE_CURRENT_LIST_DIR}/vkrplm1.cpp ${CMAKE_CURRENT_LIST_DIR}/vkrplm1_antwort.cpp)
target_include_directories(plm1_vkrplm1 PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_vkrplm1 PUBLIC plm1_serial plm1_errors)
