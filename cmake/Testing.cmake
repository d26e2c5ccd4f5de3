# GoogleTest for the test programs: built from its sources when they are there (Debian's
# googletest package, or -DGTEST_SOURCE_DIR=... on Windows), else an installed package.
if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
  add_library(gtest_main ALIAS GTest::gtest_main)
endif()
include(GoogleTest)
