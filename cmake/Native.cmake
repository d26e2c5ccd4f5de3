# Linux build of the logic against the fake services.

file(GLOB_RECURSE PORTABLE_SOURCES CONFIGURE_DEPENDS src/platform/portable/*.cpp)
target_sources(brindlow_core PRIVATE ${PORTABLE_SOURCES})

include(${CMAKE_CURRENT_LIST_DIR}/Testing.cmake)

file(GLOB_RECURSE NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(brindlow_native_tests ${NATIVE_TESTS})
target_link_libraries(brindlow_native_tests PRIVATE brindlow_fake gtest_main)
# The ini reader's promises, checked over the fuzzer's seeds by the tests as well.
target_sources(brindlow_native_tests PRIVATE tests/fuzz/IniProperties.cpp)
target_include_directories(brindlow_native_tests PRIVATE tests)
target_compile_definitions(brindlow_native_tests PRIVATE 
  BRINDLOW_INI_CORPUS="${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/ini"
  BRINDLOW_LANGUAGE_DIR="${CMAKE_BINARY_DIR}/Language")
# Named after the build, and parameterised cases after their name generators (never their bytes).
gtest_discover_tests(brindlow_native_tests TEST_PREFIX native. NO_PRETTY_VALUES
  DISCOVERY_TIMEOUT 60)

# The ini reader under libFuzzer (scripts/fuzz): Clang only, and instrumenting the core,
# so it is a build of its own.
option(BRINDLOW_FUZZ "Build the fuzz targets" OFF)
if(BRINDLOW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "BRINDLOW_FUZZ needs Clang: configure with CXX=clang++")
  endif()
  target_compile_options(brindlow_core PRIVATE -fsanitize=fuzzer-no-link)
  add_executable(brindlow_ini_fuzzer tests/fuzz/IniFuzzer.cpp tests/fuzz/IniProperties.cpp)
  target_include_directories(brindlow_ini_fuzzer PRIVATE tests)
  target_compile_options(brindlow_ini_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_options(brindlow_ini_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_libraries(brindlow_ini_fuzzer PRIVATE brindlow_core)
endif()

# Code health: the formatting of every source, and clang-tidy over the program's own code.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
  add_test(NAME code.format COMMAND ${CMAKE_COMMAND} -DCLANG_FORMAT=${CLANG_FORMAT}
    -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/CheckFormat.cmake)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/ClangTidy.cmake)
brindlow_add_tidy_test(code.tidy "src/(?!platform/fake/)")
