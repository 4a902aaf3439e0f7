# The programs in src/app/: a file src/app/NAME.cpp or a folder src/app/NAME/
# becomes the executable NAME in the top of the build tree (build/orvane,
# build/orv, build/orv-page, build/orv-import). The folder src/app/cli/ is
# no program but the library orv_cli of what the command-line programs share;
# every program made from a folder links it.
#
# A program links only what its own includes ask for, so that `orv` loads
# neither Qt nor the importer's libraries and starts at once: the Qt layer
# for an include of a Qt header or of ui/, the importer for an include of
# import/, the core always. A program whose library is not built (no Qt, no
# importer) is left out, with a note.

# Sets `out` to the libraries the includes of `files` ask for, or to
# "MISSING" when one of them has no target.
function(orv_program_libs out)
  set(ui OFF)
  set(import OFF)
  foreach(file IN LISTS ARGN)
    file(STRINGS "${file}" includes REGEX "^#include ")
    if(includes MATCHES "#include [<\"](Q|ui/)")
      set(ui ON)
    endif()
    if(includes MATCHES "#include \"import/")
      set(import ON)
    endif()
  endforeach()
  set(libs orv_core)
  foreach(need IN ITEMS ui import)
    if(${need})
      if(NOT TARGET orv_${need})
        set(${out} MISSING PARENT_SCOPE)
        return()
      endif()
      list(APPEND libs orv_${need})
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# add_executable for NAME from `sources`, scanning `scanned` (the sources and
# their folder's headers) for what to link, plus `extra` libraries.
function(orv_add_program name sources scanned extra)
  orv_program_libs(libs ${scanned})
  if(libs STREQUAL "MISSING")
    message(STATUS "${name} is not built: a library it includes (Qt layer or importer) is not")
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${libs} ${extra})
  if(orv_ui IN_LIST libs)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  # A program of the core alone is linked statically (not under the
  # sanitizers, which need the shared C library): a process that starts for
  # one answer spends more time loading and relocating libstdc++ than on
  # the answer.
  if(libs STREQUAL "orv_core" AND NOT ORV_SANITIZE)
    target_link_options(${name} PRIVATE -static)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
endfunction()

set(ORV_APP_DIR "${PROJECT_SOURCE_DIR}/src/app")
if(EXISTS "${ORV_APP_DIR}")
  set(ORV_CLI_LIB "")
  file(GLOB ORV_CLI_SOURCES CONFIGURE_DEPENDS "${ORV_APP_DIR}/cli/*.cpp")
  if(ORV_CLI_SOURCES)
    add_library(orv_cli STATIC ${ORV_CLI_SOURCES})
    target_link_libraries(orv_cli PUBLIC orv_core)
    set(ORV_CLI_LIB orv_cli)
  endif()

  file(GLOB ORV_APP_FILES CONFIGURE_DEPENDS "${ORV_APP_DIR}/*.cpp")
  foreach(src IN LISTS ORV_APP_FILES)
    get_filename_component(name "${src}" NAME_WE)
    orv_add_program(${name} "${src}" "${src}" "")
  endforeach()

  file(GLOB ORV_APP_ENTRIES LIST_DIRECTORIES true CONFIGURE_DEPENDS "${ORV_APP_DIR}/*")
  foreach(entry IN LISTS ORV_APP_ENTRIES)
    get_filename_component(name "${entry}" NAME)
    if(IS_DIRECTORY "${entry}" AND NOT name STREQUAL "cli")
      file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${entry}/*.cpp")
      file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${entry}/*.h")
      if(sources)
        orv_add_program(${name} "${sources}" "${sources};${headers}" "${ORV_CLI_LIB}")
      endif()
    endif()
  endforeach()
endif()
