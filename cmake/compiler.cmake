# Compiler and linker flags by compiler: GCC and Clang (the builds here) and MSVC (a Windows build), so that a
# new platform adds its spellings in this one place.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

if(PLM1_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PLM1_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
endif()

if(MSVC)
    # Sources are UTF-8 (German texts in string literals and comments), which MSVC reads only when told.
    add_compile_options(/W4 /utf-8 /permissive- /Zc:__cplusplus)
    # <windows.h> would otherwise define min and max as macros and break std::min/std::max.
    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
    if(PLM1_SANITIZE)
        add_compile_options(/fsanitize=address)
    endif()
    if(PLM1_WERROR)
        add_compile_options(/WX)
    endif()
    # Options of GCC and Clang that single targets add; none is needed with MSVC.
    set(PLM1_OHNE_FELDWARNUNG "")
    set(PLM1_HAERTUNG_LINK "")
else()
    if(PLM1_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    endif()
    if(PLM1_FUZZ)
        add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    endif()

    add_compile_options(-Wall -Wextra)
    # Release at -O2 as Debian builds its packages: CMake's -O3 costs build time, and with it GCC 12 reports
    # false overlaps (-Wrestrict) in std::string copies.
    string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
    # A unity batch includes its sources as headers, and GCC warns of a class outside the main file whose base
    # or field has a type of an anonymous namespace: in a batch, every test fixture of that kind. The build
    # without batches (the sanitizer build) keeps the warning for real headers.
    if(PLM1_UNITY AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-subobject-linkage)
    endif()
    # Hardened as Debian builds its packages; the sanitizer and fuzz builds bring their own checks.
    if(NOT PLM1_SANITIZE AND NOT PLM1_FUZZ)
        add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security
                            $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
    endif()
    if(PLM1_WERROR)
        add_compile_options(-Werror)
    endif()
    # Tables that name only the fields they need (the others keep their defaults on purpose).
    set(PLM1_OHNE_FELDWARNUNG -Wno-missing-field-initializers)
    # Installed programs resolve every symbol at start and keep their relocations read-only afterwards (ELF).
    if(APPLE)
        set(PLM1_HAERTUNG_LINK "")
    else()
        set(PLM1_HAERTUNG_LINK -Wl,-z,relro -Wl,-z,now)
    endif()
endif()
