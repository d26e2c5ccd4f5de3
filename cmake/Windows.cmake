# The Windows program, its Win32 layer and the tests that run under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)
# One self-contained executable: no runtime DLLs beside the system's.
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/WinMain\\.cpp$")
add_library(brindlow_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(brindlow_win32 PUBLIC brindlow_core
  comctl32 shell32 ole32 uuid uxtheme version shlwapi gdi32 user32 advapi32 dwmapi)

configure_file(res/Brindlow.rc.in ${CMAKE_BINARY_DIR}/Brindlow.rc @ONLY)
add_executable(Brindlow WIN32 src/platform/win32/WinMain.cpp ${CMAKE_BINARY_DIR}/Brindlow.rc)
target_link_libraries(Brindlow PRIVATE brindlow_win32)
target_link_options(Brindlow PRIVATE -municode)

add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
file(GLOB_RECURSE WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(brindlow_win32_tests ${WIN32_TESTS} ${CMAKE_BINARY_DIR}/Brindlow.rc)
target_link_libraries(brindlow_win32_tests PRIVATE brindlow_win32 brindlow_fake gtest_main)
gtest_discover_tests(brindlow_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "TZ=Europe/Berlin")
