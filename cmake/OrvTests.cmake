# GoogleTest suites. Every .cpp in a tests/<subsystem>/ folder belongs to
# orv_core_tests (test files and their shared helpers), except tests/ui/,
# whose tests need Qt and go into orv_ui_tests. Tests run from a scratch
# folder in the build tree and make their own temporary folders.

find_package(GTest REQUIRED)
include(GoogleTest)

set(ORV_TEST_WORKDIR "${PROJECT_BINARY_DIR}/test-tmp")
file(MAKE_DIRECTORY "${ORV_TEST_WORKDIR}")

file(GLOB ORV_TEST_SOURCES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/*/*.cpp")
list(FILTER ORV_TEST_SOURCES EXCLUDE REGEX "/tests/ui/")

function(orv_add_test_suite target)
  add_executable(${target} ${ARGN})
  target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  # The tests folder in full: __FILE__ may be relative (a compiler cache
  # rewrites paths), and tests run in a folder of their own.
  target_compile_definitions(${target} PRIVATE ORV_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")
  gtest_discover_tests(${target}
    WORKING_DIRECTORY "${ORV_TEST_WORKDIR}"
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

if(ORV_TEST_SOURCES)
  orv_add_test_suite(orv_core_tests ${ORV_TEST_SOURCES})
  target_link_libraries(orv_core_tests PRIVATE orv_core GTest::gtest GTest::gmock GTest::gtest_main)
  if(TARGET orv_import)
    target_link_libraries(orv_core_tests PRIVATE orv_import)
  endif()
endif()

file(GLOB ORV_UI_TEST_SOURCES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/ui/*.cpp")
if(ORV_UI_TEST_SOURCES AND TARGET orv_ui)
  orv_add_test_suite(orv_ui_tests ${ORV_UI_TEST_SOURCES})
  set_target_properties(orv_ui_tests PROPERTIES AUTOMOC ON)
  target_link_libraries(orv_ui_tests PRIVATE orv_ui GTest::gtest GTest::gmock GTest::gtest_main)
  if(TARGET orv_import)
    target_link_libraries(orv_ui_tests PRIVATE orv_import)
  endif()
endif()

# Every include follows the layer table (cmake/OrvLayers.cmake); among
# others, no core folder includes a Qt header, whatever the link line says.
add_test(NAME Layering.IncludesFollowTheTable
  COMMAND "${CMAKE_COMMAND}" -DROOT=${PROJECT_SOURCE_DIR}
          -P "${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake")

# End-to-end scripts: tests/app/NAME_test.sh runs with the path of `orv`.
file(GLOB ORV_SCRIPT_TESTS CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/app/*_test.sh")
if(TARGET orv)
  foreach(script IN LISTS ORV_SCRIPT_TESTS)
    get_filename_component(name "${script}" NAME_WE)
    add_test(NAME App.${name} COMMAND bash "${script}" "$<TARGET_FILE:orv>")
  endforeach()
endif()
