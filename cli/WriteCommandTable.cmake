# Writes the C++ source that registers the drawing module's commands in
# wendle-cli, each one loading the module:
#   cmake -DPROGRAM=list-drawing-commands -DOUT=file.cpp -P WriteCommandTable.cmake
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
