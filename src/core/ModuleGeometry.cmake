# SPDX-FileCopyrightText: 2026 Zespół Terravika
# SPDX-License-Identifier: GPL-3.0-or-later

# module_geometry_header(<input> <output>): writes <output>, a header with one
# QRect per line "NAME X Y WIDTH HEIGHT" of <input> (ModuleGeometry::Quiz for
# QUIZ), at configure time; an edit of <input> configures again.
function(module_geometry_header input output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${input})
  file(STRINGS ${input} lines ENCODING UTF-8)
  set(rects "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([A-Z]+) ([0-9]+) ([0-9]+) ([0-9]+) ([0-9]+)$")
      string(SUBSTRING ${CMAKE_MATCH_1} 0 1 first)
      string(SUBSTRING ${CMAKE_MATCH_1} 1 -1 rest)
      string(TOLOWER ${rest} rest)
      string(APPEND rects "inline constexpr QRect ${first}${rest}{${CMAKE_MATCH_2}, "
                          "${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}};\n")
    elseif(NOT line MATCHES "^(#.*)?$")
      message(FATAL_ERROR "${input}: not NAME X Y WIDTH HEIGHT: ${line}")
    endif()
  endforeach()
  # Written through a copy so that an unchanged header rebuilds nothing.
  file(WRITE ${output}.new
    "// Generated from src/core/ModuleGeometry.txt; edit that file.\n"
    "#pragma once\n#include <QRect>\n\nnamespace ModuleGeometry {\n${rects}}  // namespace ModuleGeometry\n")
  configure_file(${output}.new ${output} COPYONLY)
endfunction()
