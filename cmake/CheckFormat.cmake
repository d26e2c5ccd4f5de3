# Fails when a source differs from what clang-format makes of it (run as a test, so the
# files are gathered when it runs: new files need no reconfigure).
file(GLOB_RECURSE sources LIST_DIRECTORIES false
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
list(SORT sources)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Formatting differs: run clang-format -i on the files above.")
endif()
