# The version header of the programs (plm1_version.h), generated from project()'s VERSION so that the
# version stands in one place.
configure_file(${CMAKE_CURRENT_LIST_DIR}/plm1_version.h.in ${PROJECT_BINARY_DIR}/generated/plm1_version.h @ONLY)
add_library(plm1_version INTERFACE)
target_include_directories(plm1_version INTERFACE ${PROJECT_BINARY_DIR}/generated ${PROJECT_SOURCE_DIR})
