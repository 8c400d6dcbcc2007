# SCHEMAKIT_BUILD_TESTS: ON, OFF or AUTO.
#
# AUTO, the default, builds the GoogleTest suites in a build of SchemaKit itself
# (following BUILD_TESTING) when GoogleTest is found, and leaves them out inside
# another project or on a machine without GoogleTest. ON demands them: a missing
# GoogleTest stops the configure, so a test run can never pass by having no
# tests. SCHEMAKIT_TESTS_ENABLED says what was decided.
set(SCHEMAKIT_BUILD_TESTS AUTO CACHE STRING
  "Build the GoogleTest suites: ON, OFF, or AUTO (in a top-level build when GoogleTest is found)")
set_property(CACHE SCHEMAKIT_BUILD_TESTS PROPERTY STRINGS AUTO ON OFF)

set(SCHEMAKIT_TESTS_ENABLED OFF)
if(SCHEMAKIT_BUILD_TESTS STREQUAL "AUTO")
  if(PROJECT_IS_TOP_LEVEL AND BUILD_TESTING)
    find_package(GTest QUIET)
    if(GTest_FOUND)
      set(SCHEMAKIT_TESTS_ENABLED ON)
    else()
      message(STATUS "GoogleTest not found: the tests are left out (scripts/setup test installs it)")
    endif()
  endif()
elseif(SCHEMAKIT_BUILD_TESTS)
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    message(FATAL_ERROR
      "SCHEMAKIT_BUILD_TESTS is ON but GoogleTest was not found.\n"
      "Install it (Debian: libgtest-dev; scripts/setup test installs everything the tests need), "
      "point CMAKE_PREFIX_PATH or GTest_ROOT at it, or configure with -DSCHEMAKIT_BUILD_TESTS=OFF.")
  endif()
  set(SCHEMAKIT_TESTS_ENABLED ON)
endif()
