# moneycalc_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One GoogleTest executable. Its cases are listed when CTest runs, not at build time, so GUI
# tests never start during the build; GUI tests get the QApplication main of tests/support
# and run offscreen.
include(GoogleTest)
find_package(GTest REQUIRED)

function(moneycalc_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE qt_gtest_main)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(env "")
  if(ARG_GUI)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
