# Checks that every file of the layers includes only from its own folder and
# from lower floors, and that only the Qt layers include Qt.
# Usage: cmake -D SOURCE_DIR=<src> -D "FLOORS=<floors from the bottom,
#              separated by spaces; the folders of one floor by commas>"
#              -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_DIR FLOORS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

# Folders that may include Qt's headers.
set(qt_folders qt shell)

separate_arguments(floors UNIX_COMMAND "${FLOORS}")
set(floor_number 0)
foreach(floor IN LISTS floors)
  string(REPLACE "," ";" folders "${floor}")
  foreach(folder IN LISTS folders)
    set(floor_of_${folder} ${floor_number})
  endforeach()
  math(EXPR floor_number "${floor_number} + 1")
endforeach()
set(top_floor ${floor_number})

set(faults "")
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  if(folder STREQUAL file)
    set(folder "")  # the front door, src/main.cpp
    set(own_floor ${top_floor})
  elseif(DEFINED floor_of_${folder})
    set(own_floor ${floor_of_${folder}})
  else()
    string(APPEND faults "\n  ${file}: the folder ${folder} is on no floor")
    continue()
  endif()

  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      set(target "${CMAKE_MATCH_1}")
      if(NOT DEFINED floor_of_${target})
        string(APPEND faults "\n  ${file}: includes from ${target}, which is on no floor")
      elseif(NOT target STREQUAL folder AND NOT floor_of_${target} LESS own_floor)
        string(APPEND faults "\n  ${file}: includes from ${target}, which is not below ${folder}")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)[>/]")
      if(NOT folder STREQUAL "" AND NOT folder IN_LIST qt_folders)
        string(APPEND faults "\n  ${file}: includes Qt (${CMAKE_MATCH_1}) outside the Qt layers")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the direction of the layers:${faults}")
endif()
list(LENGTH files count)
message(STATUS "${count} files include only downwards")
