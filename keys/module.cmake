# Key programming: the pure key images (table, *.plt image, unit blocks) in plm1_tastenbild, used by the
# fuzzers as well; file, transfer and window in plm1_keys.
add_library(plm1_tastenbild STATIC Tastenarrays.cpp Tasten_Dateibild.cpp Tasten_Block.cpp)
target_include_directories(plm1_tastenbild PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_tastenbild PUBLIC plm1_dateikopf)

add_library(plm1_keys STATIC Tasten_Datei.cpp Tasten_Com.cpp Tasten_Pruefen.cpp Tasten_Schutz.cpp Tasten_Main.cpp Tasten_Userinterface.cpp)
target_include_directories(plm1_keys PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_keys PUBLIC plm1_tastenbild plm1_dateikopf plm1_vkrcom plm1_valves plm1_ui plm1_files
                                       plm1_errorpopup plm1_shell)
