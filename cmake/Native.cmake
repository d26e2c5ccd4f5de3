# Linux build of the logic against the fake services.

file(GLOB_RECURSE PORTABLE_SOURCES CONFIGURE_DEPENDS src/platform/portable/*.cpp)
target_sources(brindlow_core PRIVATE ${PORTABLE_SOURCES})

add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

file(GLOB_RECURSE NATIVE_TESTS CONFIGURE_DEPENDS tests/native/*.cpp)
add_executable(brindlow_native_tests ${NATIVE_TESTS})
target_link_libraries(brindlow_native_tests PRIVATE brindlow_fake gtest_main)
gtest_discover_tests(brindlow_native_tests DISCOVERY_TIMEOUT 60)
