# Checks the desktop integration files in one folder: the .desktop entry
# starts the program "purso" on account files, the MIME type it names is the
# one the shared-mime-info file declares, with the *.pxf glob and both file
# magics, and the icon is a self-contained 48 x 48 SVG. When the tools are
# given, the entry also passes desktop-file-validate and the XML files xmllint.
# Usage: cmake -D DESKTOP_DIR=<folder> [-D DESKTOP_FILE_VALIDATE=<tool>]
#              [-D XMLLINT=<tool>] -P check_desktop_files.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED DESKTOP_DIR OR NOT IS_DIRECTORY "${DESKTOP_DIR}")
  message(FATAL_ERROR "DESKTOP_DIR must name the folder of the desktop files (given: '${DESKTOP_DIR}')")
endif()

set(faults "")
macro(fault text)
  string(APPEND faults "  ${text}\n")
endmacro()

foreach(name purso.desktop purso-mime.xml purso.svg)
  if(NOT EXISTS "${DESKTOP_DIR}/${name}")
    message(FATAL_ERROR "${DESKTOP_DIR}/${name} is missing")
  endif()
endforeach()

# The .desktop entry: its group first, then the keys the desktop reads.
file(READ "${DESKTOP_DIR}/purso.desktop" entry)
if(NOT entry MATCHES "^\\[Desktop Entry\\]\n")
  fault("purso.desktop: does not begin with [Desktop Entry]")
endif()
foreach(line
    "Type=Application"
    "Name=Tolva Account Organizer"
    "GenericName=Budget Planner"
    "Exec=purso %f"
    "Icon=purso"
    "Terminal=false"
    "Categories=Office;Finance;"
    "MimeType=application/x-purso-document;")
  string(FIND "\n${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    fault("purso.desktop: no line ${line}")
  endif()
endforeach()
if(NOT entry MATCHES "\nComment=[^\n]+\n")
  fault("purso.desktop: no Comment")
endif()

# The MIME type: the same type, the glob and the two magics at offset 0.
file(READ "${DESKTOP_DIR}/purso-mime.xml" mime)
foreach(piece
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">"
    "<mime-type type=\"application/x-purso-document\">"
    "<comment>Purso Document</comment>"
    "<glob pattern=\"*.pxf\"/>"
    "<match type=\"string\" offset=\"0\" value=\"PURSO11\"/>"
    "<match type=\"string\" offset=\"0\" value=\"PURSO10\"/>")
  string(FIND "${mime}" "${piece}" at)
  if(at EQUAL -1)
    fault("purso-mime.xml: lacks ${piece}")
  endif()
endforeach()
string(REGEX MATCHALL "<mime-type " types "${mime}")
list(LENGTH types type_count)
if(NOT type_count EQUAL 1)
  fault("purso-mime.xml: declares ${type_count} MIME types, not one")
endif()

# The icon: 48 x 48, drawn in the file itself.
file(READ "${DESKTOP_DIR}/purso.svg" icon)
if(NOT icon MATCHES "<svg [^>]*viewBox=\"0 0 48 48\"")
  fault("purso.svg: its viewBox is not 0 0 48 48")
endif()
string(TOLOWER "${icon}" icon_lower)
if(icon_lower MATCHES "href=|<image|<script|url\\(")
  fault("purso.svg: refers to something outside itself or holds a script")
endif()

if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${DESKTOP_DIR}/purso.desktop"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0 OR NOT "${output}${errors}" STREQUAL "")
    fault("purso.desktop: desktop-file-validate says: ${output}${errors}")
  endif()
endif()
if(XMLLINT)
  foreach(name purso-mime.xml purso.svg)
    execute_process(COMMAND "${XMLLINT}" --noout "${DESKTOP_DIR}/${name}"
      RESULT_VARIABLE result ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
      fault("${name}: xmllint says: ${errors}")
    endif()
  endforeach()
endif()

if(NOT faults STREQUAL "")
  message(FATAL_ERROR "Desktop files in ${DESKTOP_DIR}:\n${faults}")
endif()
message(STATUS "desktop files in ${DESKTOP_DIR}: ok")
