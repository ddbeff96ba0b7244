# Builds the stand-in programs of install_project/ with the help and desktop
# rules, then checks that the build placed every help file beside the
# program, and that an install into DESTDIR lays out the tree the desktop
# and a Debian package expect: the programs in <bindir>, the help pages in
# <datadir>/purso/help where the program looks for them, the .desktop entry,
# the MIME type, the icons, the AppStream metainfo, the compressed manual
# pages and the bash completion.
# Usage: cmake -D SOURCE_ROOT=<repository> -D WORK_DIR=<scratch folder>
#              -D GENERATOR=<CMake generator> -D VERSION=<project version>
#              [-D MAKE_PROGRAM=<tool>] [-D CXX_COMPILER=<compiler>]
#              -P install_layout.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_ROOT WORK_DIR GENERATOR VERSION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(tree "${WORK_DIR}/tree")
set(build "${WORK_DIR}/build")
set(stage "${WORK_DIR}/stage")
set(prefix "/opt/purso-test")
file(REMOVE_RECURSE "${WORK_DIR}")

# A copy of the module with the help and desktop folders beside it, as in the
# repository, so that the test can change a page without touching help/.
file(MAKE_DIRECTORY "${tree}/cmake" "${tree}/doc")
file(COPY "${SOURCE_ROOT}/cmake/HelpAndDesktop.cmake" DESTINATION "${tree}/cmake")
file(COPY "${SOURCE_ROOT}/help" "${SOURCE_ROOT}/desktop" DESTINATION "${tree}")
file(COPY "${SOURCE_ROOT}/doc/man" DESTINATION "${tree}/doc")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${result}):\n${output}${errors}")
  endif()
endfunction()

# The stand-in is built with one configuration, so that its binary lies at the
# top of its build folder.
if(GENERATOR MATCHES "Multi-Config")
  string(REPLACE " Multi-Config" "" GENERATOR "${GENERATOR}")
endif()
set(tools "")
if(MAKE_PROGRAM)
  list(APPEND tools "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}")
endif()
if(CXX_COMPILER)
  list(APPEND tools "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}")
endif()
run("${CMAKE_COMMAND}" -S "${SOURCE_ROOT}/tests/help/install_project" -B "${build}"
  -G "${GENERATOR}" ${tools}
  "-DPURSO_MODULE=${tree}/cmake/HelpAndDesktop.cmake"
  "-DPURSO_VERSION=${VERSION}"
  "-DPURSO_COMPLETION=${SOURCE_ROOT}/tools/purso_tool/purso-tool.bash-completion"
  "-DCMAKE_INSTALL_PREFIX=${prefix}"
  -DCMAKE_INSTALL_LIBDIR=lib
  -DCMAKE_BUILD_TYPE=Release)
run("${CMAKE_COMMAND}" --build "${build}")

set(faults "")
macro(fault text)
  string(APPEND faults "  ${text}\n")
endmacro()

# The build tree: the help files beside the program, byte for byte.
file(GLOB help_files RELATIVE "${SOURCE_ROOT}/help" LIST_DIRECTORIES false "${SOURCE_ROOT}/help/*")
list(LENGTH help_files help_count)
if(help_count LESS 11)
  fault("help/ holds ${help_count} files, fewer than the ten pages and the style sheet")
endif()
foreach(name IN LISTS help_files)
  if(NOT EXISTS "${build}/${name}")
    fault("build: ${name} was not copied beside the program")
  else()
    file(SHA256 "${SOURCE_ROOT}/help/${name}" wanted)
    file(SHA256 "${build}/${name}" got)
    if(NOT wanted STREQUAL got)
      fault("build: ${name} beside the program differs from help/${name}")
    endif()
  endif()
endforeach()

# A changed page reaches the build tree on the next build, although the
# program itself is not rebuilt.
file(APPEND "${tree}/help/main.htm" "<!-- changed -->\n")
run("${CMAKE_COMMAND}" --build "${build}")
file(SHA256 "${tree}/help/main.htm" wanted)
if(EXISTS "${build}/main.htm")
  file(SHA256 "${build}/main.htm" got)
else()
  set(got "")
endif()
if(NOT wanted STREQUAL got)
  fault("build: a changed main.htm was not copied again on the next build")
endif()
file(COPY_FILE "${SOURCE_ROOT}/help/main.htm" "${tree}/help/main.htm")
run("${CMAKE_COMMAND}" --build "${build}")

# The installed tree.
set(ENV{DESTDIR} "${stage}")
run("${CMAKE_COMMAND}" --install "${build}")
unset(ENV{DESTDIR})
set(root "${stage}${prefix}")

set(metainfo share/metainfo/com.tolvacomputing.purso.metainfo.xml)
set(expected_files
  bin/purso
  bin/purso-tool
  share/applications/purso.desktop
  share/mime/packages/purso.xml
  share/icons/hicolor/scalable/apps/purso.svg
  share/icons/hicolor/scalable/mimetypes/application-x-purso-document.svg
  ${metainfo}
  share/man/man1/purso.1.gz
  share/man/man1/purso-tool.1.gz
  share/bash-completion/completions/purso-tool)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected_files
    share/icons/hicolor/${size}x${size}/apps/purso.png
    share/icons/hicolor/${size}x${size}/mimetypes/application-x-purso-document.png)
endforeach()
foreach(name IN LISTS help_files)
  list(APPEND expected_files "share/purso/help/${name}")
endforeach()
foreach(path IN LISTS expected_files)
  if(NOT EXISTS "${root}/${path}" OR IS_SYMLINK "${root}/${path}")
    fault("install: ${path} is not installed as a file")
  endif()
endforeach()

# Exactly these, and nothing else.
file(GLOB_RECURSE installed RELATIVE "${root}" LIST_DIRECTORIES false "${root}/*")
foreach(path IN LISTS installed)
  if(NOT path IN_LIST expected_files)
    fault("install: unexpected file ${path}")
  endif()
endforeach()
if(NOT IS_DIRECTORY "${root}")
  fault("install: nothing was installed under DESTDIR and the prefix")
endif()
if(EXISTS "${prefix}")
  fault("install: wrote to ${prefix} outside DESTDIR")
endif()

# The program finds the installed pages from its own folder.
file(READ "${build}/installed_help_folder.txt" help_folder)
if(NOT EXISTS "${root}/bin/${help_folder}/Index.htm")
  fault("install: bin/${help_folder}, where the program looks for its pages, holds no Index.htm")
endif()

foreach(pair
    "desktop/purso.desktop|share/applications/purso.desktop"
    "desktop/purso-mime.xml|share/mime/packages/purso.xml"
    "desktop/purso.svg|share/icons/hicolor/scalable/apps/purso.svg"
    "desktop/purso.svg|share/icons/hicolor/scalable/mimetypes/application-x-purso-document.svg"
    "desktop/icons/16x16/purso.png|share/icons/hicolor/16x16/apps/purso.png"
    "tools/purso_tool/purso-tool.bash-completion|share/bash-completion/completions/purso-tool")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 destination)
  if(EXISTS "${root}/${destination}")
    file(SHA256 "${SOURCE_ROOT}/${source}" wanted)
    file(SHA256 "${root}/${destination}" got)
    if(NOT wanted STREQUAL got)
      fault("install: ${destination} differs from ${source}")
    endif()
  endif()
endforeach()

# The metainfo and the manual pages carry the version.
file(READ "${root}/${metainfo}" text)
if(NOT text MATCHES "<release version=\"${VERSION}\"" OR text MATCHES "@[A-Z_]+@")
  fault("install: the metainfo does not name release ${VERSION} or holds an unfilled @VARIABLE@")
endif()
execute_process(COMMAND gzip -d -c "${root}/share/man/man1/purso.1.gz" OUTPUT_VARIABLE text)
if(NOT text MATCHES "\"purso ${VERSION}\"")
  fault("install: purso.1 does not name version ${VERSION}")
endif()

# Installing again over the tree does not fail.
set(ENV{DESTDIR} "${stage}")
run("${CMAKE_COMMAND}" --install "${build}")
unset(ENV{DESTDIR})

# An install without DESTDIR under a prefix given at install time lays out
# the same tree there, and may refresh the desktop caches beside the files.
set(other_prefix "${WORK_DIR}/other-prefix")
run("${CMAKE_COMMAND}" --install "${build}" --prefix "${other_prefix}")
foreach(path bin/purso share/purso/help/Index.htm)
  if(NOT EXISTS "${other_prefix}/${path}")
    fault("install --prefix: ${path} is missing")
  endif()
endforeach()

if(NOT faults STREQUAL "")
  message(FATAL_ERROR "Help and desktop install rules:\n${faults}")
endif()
message(STATUS "help pages beside the program and the installed tree: ok")
file(REMOVE_RECURSE "${WORK_DIR}")
