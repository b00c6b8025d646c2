# Settings store (no Qt).
add_library(plm1_ini STATIC ${CMAKE_CURRENT_SOURCE_DIR}/inifile.cpp)
target_include_directories(plm1_ini PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_ini PUBLIC plm1_files)
