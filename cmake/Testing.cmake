include(GoogleTest)

if(WIN32)
  # GoogleTest cross-built from Debian's sources with the same compiler as the code under test.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Recent googletest sources define the namespaced targets themselves.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# tolvane_test(name SOURCES... LIBS... [LABEL label])
# One GoogleTest executable; its cases become separate ctest tests. Windows executables run under Wine through
# CMAKE_CROSSCOMPILING_EMULATOR and are listed when the tests run, not when they are built, because listing
# them needs Wine and a display.
function(tolvane_test name)
  cmake_parse_arguments(arg "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  tolvane_project_code(${name})
  if(NOT arg_LABEL)
    set(arg_LABEL unit)
  endif()
  if(WIN32)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 PROPERTIES LABELS ${arg_LABEL}
                         TIMEOUT 120)
  else()
    gtest_discover_tests(${name} PROPERTIES LABELS ${arg_LABEL} TIMEOUT 60)
  endif()
endfunction()
