# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler settings shared by every target of the project, as an interface library that
# each target links privately, so that Qt's generated sources and third-party code are
# not held to our warning level.
add_library(tilora_options INTERFACE)
target_compile_options(tilora_options INTERFACE -Wall -Wextra -Wpedantic)
if(TILORA_WERROR)
  target_compile_options(tilora_options INTERFACE -Werror)
endif()

# Release builds are hardened as Debian builds its packages: checked C library calls, and
# a relocation table that is bound at start and then read-only.
target_compile_definitions(tilora_options INTERFACE $<$<CONFIG:Release>:_FORTIFY_SOURCE=2>)
target_link_options(tilora_options INTERFACE $<$<CONFIG:Release>:LINKER:-z,relro,-z,now>)

if(TILORA_SANITIZE)
  # Applied globally so that every object, tests and their helpers included, is instrumented.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(TILORA_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # libFuzzer is guided by the coverage of the code it feeds, so every library is built
  # with the coverage hooks and the sanitizers, not only the fuzz targets' own sources.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds a library for one folder under src/ with the project's settings.
function(tilora_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name} PRIVATE tilora_options)
endfunction()
