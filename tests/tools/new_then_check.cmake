# Runs purso-tool as a program: `new --year 1999` writes an 8364-byte
# account, a second `new` refuses to replace it, `check` accepts it, and so it
# does the account `new` writes on today's year.
# Expects -D TOOL=<purso-tool> -D FILE=<account file to create>.
file(REMOVE "${FILE}")

execute_process(COMMAND "${TOOL}" new "${FILE}" --year 1999 RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "new exited with ${status}: ${errors}")
endif()
file(SIZE "${FILE}" size)
if(NOT size EQUAL 8364)
  message(FATAL_ERROR "new wrote ${size} bytes, not 8364")
endif()

execute_process(COMMAND "${TOOL}" new "${FILE}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "a second new exited with ${status}, not 1: ${errors}")
endif()

execute_process(COMMAND "${TOOL}" check "${FILE}" RESULT_VARIABLE status
  OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output STREQUAL "${FILE}: ok\n")
  message(FATAL_ERROR "check exited with ${status}, printed '${output}': ${errors}")
endif()

execute_process(COMMAND "${TOOL}" new "${FILE}" --force RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "new on today's year exited with ${status}: ${errors}")
endif()
execute_process(COMMAND "${TOOL}" check "${FILE}" RESULT_VARIABLE status
  OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output STREQUAL "${FILE}: ok\n")
  message(FATAL_ERROR "check of the account on today's year exited with ${status}, printed '${output}': ${errors}")
endif()

file(REMOVE "${FILE}")
