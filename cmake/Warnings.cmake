# Warnings for the project's own targets, and the sanitizer build.
add_library(quorvelle_options INTERFACE)
target_compile_options(quorvelle_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
  -Woverloaded-virtual -Wold-style-cast -Wcast-qual -Wformat=2
  -Wimplicit-fallthrough -Wmissing-declarations)
# GCC 12 reports bogus overlaps in inlined std::string assignments at -O2
# (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(quorvelle_options INTERFACE -Wno-restrict)
endif()
if(QUORVELLE_WERROR)
  target_compile_options(quorvelle_options INTERFACE -Werror)
endif()
if(QUORVELLE_SANITIZE)
  target_compile_options(quorvelle_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quorvelle_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUORVELLE_FUZZ)
  # Coverage for the fuzzer in everything the fuzz targets link.
  target_compile_options(quorvelle_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
