# Shows that check_includes.cmake finds what it is meant to find: it accepts a
# small tree whose includes point down, and rejects each copy of it that
# includes upward, sideways, from an unknown folder or Qt outside the Qt layers.
# Usage: cmake -D CHECK=<check_includes.cmake> -D WORK_DIR=<scratch folder>
#              -P check_finds_faults.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable CHECK WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(floors "data text,calc app")
set(failures "")

# Writes a tree whose file <fault_file> holds the line <fault_line> and runs the check.
function(check_tree name fault_file fault_line expect)
  set(tree "${WORK_DIR}/${name}")
  file(REMOVE_RECURSE "${tree}")
  file(WRITE "${tree}/data/record.h" "#pragma once\n#include <cstdint>\n")
  file(WRITE "${tree}/text/row.cpp" "#include \"text/row.h\"\n#include \"data/record.h\"\n")
  file(WRITE "${tree}/app/view.cpp" "#include \"text/row.h\"\n#include \"calc/sum.h\"\n")
  file(WRITE "${tree}/main.cpp" "#include <QApplication>\n#include \"app/view.h\"\n")
  if(fault_file)
    file(APPEND "${tree}/${fault_file}" "${fault_line}\n")
  endif()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -D "SOURCE_DIR=${tree}" -D "FLOORS=${floors}" -P "${CHECK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expect STREQUAL "pass" AND NOT result EQUAL 0)
    string(APPEND failures "\n  ${name}: a sound tree was refused: ${output}")
  elseif(expect STREQUAL "fail" AND result EQUAL 0)
    string(APPEND failures "\n  ${name}: the fault was not found")
  endif()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_tree(sound "" "" pass)
check_tree(upward data/record.h "#include \"app/view.h\"" fail)
check_tree(sideways text/row.cpp "#include \"calc/sum.h\"" fail)
check_tree(unknown_folder app/view.cpp "#include \"support/helper.h\"" fail)
check_tree(qt_below_the_shell text/row.cpp "#include <QString>" fail)
check_tree(qt_module_path text/row.cpp "#include <QtCore/QString>" fail)

if(failures)
  message(FATAL_ERROR "The include check misses faults:${failures}")
endif()
