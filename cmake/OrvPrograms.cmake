# The programs in src/app/: a file src/app/NAME.cpp or a folder src/app/NAME/
# becomes the executable NAME in the top of the build tree (build/orvane,
# build/orv). Every program links the Qt layer when it exists (`orv` paints
# pages offscreen for `orv page`), else the core alone.

function(orv_add_program name)
  add_executable(${name} ${ARGN})
  if(TARGET orv_ui)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE orv_ui)
  else()
    target_link_libraries(${name} PRIVATE orv_core)
  endif()
  if(TARGET orv_import)
    target_link_libraries(${name} PRIVATE orv_import)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
endfunction()

set(ORV_APP_DIR "${PROJECT_SOURCE_DIR}/src/app")
if(EXISTS "${ORV_APP_DIR}")
  file(GLOB ORV_APP_FILES CONFIGURE_DEPENDS "${ORV_APP_DIR}/*.cpp")
  foreach(src IN LISTS ORV_APP_FILES)
    get_filename_component(name "${src}" NAME_WE)
    orv_add_program(${name} "${src}")
  endforeach()

  file(GLOB ORV_APP_ENTRIES LIST_DIRECTORIES true CONFIGURE_DEPENDS "${ORV_APP_DIR}/*")
  foreach(entry IN LISTS ORV_APP_ENTRIES)
    if(IS_DIRECTORY "${entry}")
      get_filename_component(name "${entry}" NAME)
      file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${entry}/*.cpp")
      if(sources)
        orv_add_program(${name} ${sources})
      endif()
    endif()
  endforeach()
endif()
