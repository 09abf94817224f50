# Warnings for the project's own targets, and the sanitizer build.
add_library(quorvelle_options INTERFACE)
target_compile_options(quorvelle_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
  -Woverloaded-virtual -Wold-style-cast -Wcast-qual -Wformat=2
  -Wimplicit-fallthrough -Wmissing-declarations)
if(QUORVELLE_WERROR)
  target_compile_options(quorvelle_options INTERFACE -Werror)
endif()
if(QUORVELLE_SANITIZE)
  target_compile_options(quorvelle_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quorvelle_options INTERFACE -fsanitize=address,undefined)
endif()
