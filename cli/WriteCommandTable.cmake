# Writes the C++ source that registers wendle-cli-draw's commands in
# wendle-cli, each one starting wendle-cli-draw:
#   cmake -DPROGRAM=wendle-cli-draw -DOUT=file.cpp -P WriteCommandTable.cmake
# A sanitizer build must not fail the build over the leak report of a
# program that only prints.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
execute_process(COMMAND ${PROGRAM} --command-table
  OUTPUT_FILE ${OUT}.new
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --command-table failed: ${result}")
endif()
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
