# cmake -DROOT=<repo> -P CheckLayers.cmake
# Fails on any include against the layer table of OrvLayers.cmake: a quoted
# include of a folder that the including folder may not use, of a folder the
# table does not know, or a Qt header outside the folders allowed "Qt". Also
# fails when a folder of src/ is missing from the table.

cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/OrvLayers.cmake")
orv_check_layer_table()
orv_parse_layers()

set(found "")

file(GLOB entries LIST_DIRECTORIES true RELATIVE "${ROOT}/src" "${ROOT}/src/*" "${ROOT}/src/ui/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${ROOT}/src/${entry}" AND NOT entry STREQUAL "ui"
     AND NOT entry IN_LIST ORV_LAYER_NAMES)
    list(APPEND found "src/${entry}/: a folder the layer table does not name")
  endif()
endforeach()

foreach(name IN LISTS ORV_LAYER_NAMES)
  string(REPLACE "/" "_" key "${name}")
  set(allowed ${ORV_LAYER_DEPS_${key}})
  orv_layer_dir("${name}" dir)
  file(GLOB_RECURSE files "${ROOT}/${dir}/*.h" "${ROOT}/${dir}/*.cpp")
  foreach(f IN LISTS files)
    file(RELATIVE_PATH rel "${ROOT}" "${f}")
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
      set(target "")
      if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/([a-z_]+)/")
        if(CMAKE_MATCH_1 STREQUAL "ui")
          set(target "ui/${CMAKE_MATCH_2}")
        else()
          set(target "${CMAKE_MATCH_1}")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
        set(target "${CMAKE_MATCH_1}")
      elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*|Qt[A-Za-z]*/)")
        set(target "Qt")
      endif()
      if(target STREQUAL "" OR target STREQUAL name)
        continue()
      endif()
      if(NOT target STREQUAL "Qt" AND NOT target IN_LIST ORV_LAYER_NAMES)
        list(APPEND found "${rel}: ${line} (a folder the layer table does not name)")
      elseif(NOT target IN_LIST allowed)
        list(APPEND found "${rel}: ${line} (${name} may not include ${target})")
      endif()
    endforeach()
  endforeach()
endforeach()

if(found)
  list(JOIN found "\n  " text)
  message(FATAL_ERROR "includes against the layer table (cmake/OrvLayers.cmake):\n  ${text}")
endif()
message(STATUS "every include follows the layer table")
