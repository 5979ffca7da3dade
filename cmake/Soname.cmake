# wendle_soname(LIBRARY_FILE OUT_VARIABLE): the soname of a shared library
# found at configure time, for code that opens it by name when first needed.
function(wendle_soname library out)
  execute_process(COMMAND objdump -p ${library} OUTPUT_VARIABLE dump ERROR_QUIET)
  if(dump MATCHES "SONAME +([^\n ]+)")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    message(FATAL_ERROR "the soname of ${library} could not be read (objdump -p)")
  endif()
endfunction()
