# Key programming: the pure key images (table, *.plt image, unit blocks) in plm1_tastenbild, used by the
# fuzzers as well; file and transfer in plm1_tastendaten (no windows); the key window in plm1_keys.
add_library(plm1_tastenbild STATIC Tastenarrays.cpp Tasten_Dateibild.cpp Tasten_Block.cpp Tasten_Bereich.cpp)
target_include_directories(plm1_tastenbild PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(plm1_tastenbild PUBLIC plm1_dateikopf plm1_speicherbild)

add_library(plm1_tastendaten STATIC Tasten_Datei.cpp Tasten_Com.cpp Tasten_Pruefen.cpp)
target_link_libraries(plm1_tastendaten PUBLIC plm1_tastenbild plm1_konfigdaten plm1_vkrcom plm1_files plm1_melden)

add_library(plm1_keys STATIC Tasten_Main.cpp Tasten_Userinterface.cpp Tasten_Schutz.cpp Tasten_Verlauf.cpp)
target_link_libraries(plm1_keys PUBLIC plm1_tastendaten plm1_vkrcom_fenster plm1_valves plm1_ui plm1_errorpopup
                                       plm1_shell)
