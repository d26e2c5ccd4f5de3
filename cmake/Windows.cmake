# The Windows program, its Win32 layer and the tests that run under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00)
if(MINGW)
  # One self-contained executable: no runtime DLLs beside the system's.
  add_link_options(-static -static-libgcc -static-libstdc++)
elseif(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()

# Upper-casing and the ANSI code page are the system's on Windows; the logic calls them, so
# they belong to the core.
target_sources(brindlow_core PRIVATE src/platform/win32/TextCase.cpp
  src/platform/win32/CodePage.cpp)

file(GLOB_RECURSE WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/(WinMain|TextCase|CodePage)\\.cpp$")
add_library(brindlow_win32 STATIC ${WIN32_SOURCES})
# HTTP for the update check and the signature check are loaded when first called, after the
# window is shown: loaded with the program, they and what they load made its start 15 ms
# slower under Wine. Accessibility is loaded when a screen reader first asks for it.
# cmake/delay-loaded lists the functions the program calls from them.
set(DELAY_LOADED winhttp bcrypt oleacc oleaut32)
if(MINGW)
  foreach(library ${DELAY_LOADED})
    set(definition ${CMAKE_CURRENT_LIST_DIR}/delay-loaded/${library}.def)
    set(archive ${CMAKE_BINARY_DIR}/lib${library}_delay-loaded.a)
    add_custom_command(OUTPUT ${archive}
      COMMAND ${CMAKE_DLLTOOL} --input-def ${definition} --dllname ${library}.dll
        --output-delaylib ${archive}
      DEPENDS ${definition} VERBATIM)
    list(APPEND DELAY_LOADED_LIBRARIES ${archive})
  endforeach()
  add_custom_target(delay_loaded_imports DEPENDS ${DELAY_LOADED_LIBRARIES})
  add_dependencies(brindlow_win32 delay_loaded_imports)
elseif(MSVC)
  foreach(library ${DELAY_LOADED})
    target_link_options(brindlow_win32 INTERFACE /DELAYLOAD:${library}.dll)
  endforeach()
  set(DELAY_LOADED_LIBRARIES ${DELAY_LOADED} delayimp)
endif()
target_link_libraries(brindlow_win32 PUBLIC brindlow_core ${DELAY_LOADED_LIBRARIES}
  comctl32 shell32 ole32 uuid uxtheme version shlwapi gdi32 user32 advapi32 dwmapi)

# The resources (icon, manifest, version) carry the project's version, in four parts.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(BRINDLOW_VERSION_${part} ${PROJECT_VERSION_${part}})
  if(BRINDLOW_VERSION_${part} STREQUAL "")
    set(BRINDLOW_VERSION_${part} 0)
  endif()
endforeach()
set(BRINDLOW_VERSION_TEXT
  "${BRINDLOW_VERSION_MAJOR}.${BRINDLOW_VERSION_MINOR}.${BRINDLOW_VERSION_PATCH}.${BRINDLOW_VERSION_TWEAK}")
string(REPLACE "." "," BRINDLOW_VERSION_COMMAS ${BRINDLOW_VERSION_TEXT})
# What the update servers give as the newest version, for the release (scripts/package).
file(WRITE ${CMAKE_BINARY_DIR}/version.txt ${BRINDLOW_VERSION_TEXT})
set(BRINDLOW_RES_DIR ${CMAKE_SOURCE_DIR}/res)
set(BRINDLOW_MANIFEST ${CMAKE_BINARY_DIR}/Brindlow.manifest)
configure_file(res/Brindlow.manifest.in ${BRINDLOW_MANIFEST} @ONLY)
configure_file(res/Brindlow.rc.in ${CMAKE_BINARY_DIR}/Brindlow.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/Brindlow.rc PROPERTIES
  OBJECT_DEPENDS "${BRINDLOW_RES_DIR}/Brindlow.ico;${BRINDLOW_MANIFEST}")

add_executable(Brindlow WIN32 src/platform/win32/WinMain.cpp ${CMAKE_BINARY_DIR}/Brindlow.rc)
target_link_libraries(Brindlow PRIVATE brindlow_win32)
if(MINGW)
  target_link_options(Brindlow PRIVATE -municode)
elseif(MSVC)
  # The manifest is in the resources; the linker must not add one of its own.
  target_link_options(Brindlow PRIVATE /MANIFEST:NO)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/Testing.cmake)
file(GLOB_RECURSE WIN32_TESTS CONFIGURE_DEPENDS tests/win32/*.cpp)
add_executable(brindlow_win32_tests ${WIN32_TESTS} ${CMAKE_BINARY_DIR}/Brindlow.rc)
# The tests make throwaway signing keys, with cryptography the program itself never calls, and
# ask the windows for their accessible objects as a screen reader does.
target_link_libraries(brindlow_win32_tests PRIVATE brindlow_win32 brindlow_fake gtest_main ws2_32
  bcrypt oleacc oleaut32)
target_compile_definitions(brindlow_win32_tests PRIVATE
  BRINDLOW_VERSION_TEXT=L"${BRINDLOW_VERSION_TEXT}")
if(MSVC)
  target_link_options(brindlow_win32_tests PRIVATE /MANIFEST:NO)
endif()
# The tests share one display, one mouse and one keyboard focus: they read their windows from
# the screen, open popup menus that a watcher finds by their class, and hover; beside another,
# one would see the other's window or close its menu. So they take turns (the logic's tests run
# meanwhile). Each run names the DPI its windows must have (BRINDLOW_TEST_DPI): scripts/test sets
# 96 in the prefix. (One value per property: the module splits lists.)
gtest_discover_tests(brindlow_win32_tests TEST_PREFIX win32. NO_PRETTY_VALUES
  DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 PROPERTIES ENVIRONMENT "TZ=Europe/Berlin"
  ENVIRONMENT_MODIFICATION "BRINDLOW_TEST_DPI=set:96" RESOURCE_LOCK display)
# The windows' layout, texts, fonts and styles once more at 144 DPI (150 %), in a prefix of their
# own set to 144: the test's WINEPREFIX with -144dpi added, which scripts/test makes.
set(LAYOUT_TESTS MainWindow.* */StyledWindows.*
  AboutWindow.ShowsItsControlsWhereTheLayoutPutsThemWithEveryTextWhole
  UpdateWindowOnWine.ShowsEveryTextWhole)
list(JOIN LAYOUT_TESTS ":" layout_filter)
gtest_discover_tests(brindlow_win32_tests TEST_PREFIX win32.144dpi. NO_PRETTY_VALUES
  DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_FILTER ${layout_filter}
  PROPERTIES ENVIRONMENT "BRINDLOW_TEST_DPI=144"
  ENVIRONMENT_MODIFICATION "WINEPREFIX=string_append:-144dpi" RESOURCE_LOCK display)

# The release under Wine (scripts/package makes it from this build): installed silently,
# installed again over the running program, uninstalled. Alone: it closes Brindlow's windows.
# Updating through the program itself, installed and portable, from a server on 127.0.0.1:
# two more versions are built for it, beside this build.
foreach(test install update)
  add_test(NAME release.${test} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/${test}.sh)
  set_tests_properties(release.${test} PROPERTIES RUN_SERIAL TRUE TIMEOUT 1800
    ENVIRONMENT "BRINDLOW_WINDOWS_DIR=${CMAKE_BINARY_DIR}")
endforeach()
# What the portable update script runs and Wine lacks, for the update tests: PowerShell's
# unpacking of an archive and timeout.exe.
foreach(tool PowerShell Timeout)
  add_executable(${tool}StandIn tests/release/${tool}StandIn.cpp)
  string(TOLOWER ${tool} name)
  set_target_properties(${tool}StandIn PROPERTIES OUTPUT_NAME ${name}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/stand-ins)
endforeach()
target_link_libraries(PowerShellStandIn PRIVATE z)
add_executable(press_button tests/release/PressButton.cpp)
if(MINGW)
  target_link_options(press_button PRIVATE -municode)
endif()

# The Win32 layer is checked here; the logic above it in the native build.
include(${CMAKE_CURRENT_LIST_DIR}/ClangTidy.cmake)
brindlow_add_tidy_test(code.tidy.win32 "src/platform/win32/")

add_subdirectory(${CMAKE_SOURCE_DIR}/bench ${CMAKE_BINARY_DIR}/bench)
