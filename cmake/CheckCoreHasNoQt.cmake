# cmake -DROOT=<repo> -DDIRS=<dir;dir;...> -P CheckCoreHasNoQt.cmake
# Fails when a source or header of the core folders includes a Qt header.

set(found "")
foreach(dir IN LISTS DIRS)
  file(GLOB_RECURSE files "${ROOT}/src/${dir}/*.h" "${ROOT}/src/${dir}/*.cpp")
  foreach(f IN LISTS files)
    file(STRINGS "${f}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|Qt[A-Za-z]*/)")
    if(hits)
      file(RELATIVE_PATH rel "${ROOT}" "${f}")
      list(APPEND found "${rel}: ${hits}")
    endif()
  endforeach()
endforeach()

if(found)
  list(JOIN found "\n  " text)
  message(FATAL_ERROR "core sources include Qt:\n  ${text}")
endif()
message(STATUS "core sources include no Qt header")
