# Warning, sanitizer and fuzzing flags. Every target in the tree is our own, so
# the flags are set directory-wide and reach each target, tests included.

add_compile_options(-Wall -Wextra)
if(ORV_WERROR)
  add_compile_options(-Werror)
endif()

set(ORV_SANITIZERS address,undefined)

if(ORV_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ORV_FUZZ needs clang (configure with CC=clang CXX=clang++)")
  endif()
  # Every target gets ASan + UBSan; orv_fuzz_instrument adds the coverage
  # hooks to the code under test, and each fuzzer links the libFuzzer main.
  add_compile_options(-fsanitize=${ORV_SANITIZERS} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${ORV_SANITIZERS})
elseif(ORV_SANITIZE)
  add_compile_options(-fsanitize=${ORV_SANITIZERS} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${ORV_SANITIZERS})
endif()

# Instruments a library for coverage-guided fuzzing without pulling in
# libFuzzer's main().
function(orv_fuzz_instrument target)
  get_target_property(type ${target} TYPE)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()
