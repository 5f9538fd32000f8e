# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later

# The warnings every target of the project compiles with; TERRAVIKA_WERROR
# makes them errors.
function(terravika_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TERRAVIKA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# terravika_layer(<folder> SOURCES <files...> [LINKS <targets...>])
#
# One static library terravika_<folder> from the listed files of
# src/<folder>, linking the layers below it. Its headers are reachable as
# "<folder>/File.h" only through an include root of its own in the build
# folder, which holds nothing but a link to src/<folder>; a target therefore
# sees the headers of the layers it links and no others, and an include
# against the direction fails to compile.
function(terravika_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "SOURCES;LINKS")
  set(target terravika_${folder})
  add_library(${target} STATIC ${LAYER_SOURCES})
  set(root ${PROJECT_BINARY_DIR}/include-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${LAYER_LINKS})
  terravika_warnings(${target})
endfunction()
