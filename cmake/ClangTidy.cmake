# clang-tidy, with the repository's .clang-tidy, as a test over this build's compile commands.
# A few minutes on two cores: BRINDLOW_CLANG_TIDY=OFF leaves it out of quick local runs.
option(BRINDLOW_CLANG_TIDY "Run clang-tidy as a test" ON)
find_program(RUN_CLANG_TIDY NAMES run-clang-tidy run-clang-tidy-14)

# brindlow_add_tidy_test(NAME REGEX): the sources whose path below the source folder matches.
function(brindlow_add_tidy_test name pattern)
  if(NOT BRINDLOW_CLANG_TIDY OR NOT RUN_CLANG_TIDY OR MSVC)
    return()
  endif()
  string(REGEX REPLACE "([][+.*()^$?{}|\\])" "\\\\\\1" root "${CMAKE_SOURCE_DIR}")
  set(extra)
  if(CMAKE_CROSSCOMPILING)
    # clang must parse as the cross compiler does: its target and its C++ library.
    list(APPEND extra -extra-arg-before=--target=${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
    foreach(dir ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
      if(dir MATCHES "/c\\+\\+")
        list(APPEND extra -extra-arg-before=-isystem${dir})
      endif()
    endforeach()
  endif()
  add_test(NAME ${name} COMMAND ${RUN_CLANG_TIDY} -quiet -j 2 -p ${CMAKE_BINARY_DIR} ${extra}
    "^${root}/${pattern}")
  # Minutes on a busy machine: its own limit, above the suite's default.
  set_tests_properties(${name} PROPERTIES PROCESSORS 2 TIMEOUT 1200)
endfunction()
