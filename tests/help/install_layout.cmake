# Builds the stand-in program of install_project/ with the help and desktop
# rules, then checks that the build placed every help file beside the
# program, and that an install into DESTDIR lays out the tree the desktop
# expects: the program in <libdir>/purso with its help pages, the relative
# link <bindir>/purso to it, the .desktop entry, the MIME type and the icons.
# Usage: cmake -D SOURCE_ROOT=<repository> -D WORK_DIR=<scratch folder>
#              -D GENERATOR=<CMake generator> [-D MAKE_PROGRAM=<tool>]
#              [-D CXX_COMPILER=<compiler>] -P install_layout.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable SOURCE_ROOT WORK_DIR GENERATOR)
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
file(MAKE_DIRECTORY "${tree}/cmake")
file(COPY "${SOURCE_ROOT}/cmake/HelpAndDesktop.cmake" DESTINATION "${tree}/cmake")
file(COPY "${SOURCE_ROOT}/help" "${SOURCE_ROOT}/desktop" DESTINATION "${tree}")

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

set(expected_files
  lib/purso/purso
  share/applications/purso.desktop
  share/mime/packages/purso.xml
  share/icons/hicolor/scalable/apps/purso.svg
  share/icons/hicolor/scalable/mimetypes/application-x-purso-document.svg)
foreach(name IN LISTS help_files)
  list(APPEND expected_files "lib/purso/${name}")
endforeach()
foreach(path IN LISTS expected_files)
  if(NOT EXISTS "${root}/${path}" OR IS_SYMLINK "${root}/${path}")
    fault("install: ${path} is not installed as a file")
  endif()
endforeach()

# Exactly these, and nothing else, apart from the link.
file(GLOB_RECURSE installed RELATIVE "${root}" LIST_DIRECTORIES false "${root}/*")
set(expected_all ${expected_files} bin/purso)
foreach(path IN LISTS installed)
  if(NOT path IN_LIST expected_all)
    fault("install: unexpected file ${path}")
  endif()
endforeach()
if(NOT IS_DIRECTORY "${root}")
  fault("install: nothing was installed under DESTDIR and the prefix")
endif()
if(EXISTS "${prefix}")
  fault("install: wrote to ${prefix} outside DESTDIR")
endif()

set(link "${root}/bin/purso")
if(NOT IS_SYMLINK "${link}")
  fault("install: bin/purso is not a symbolic link")
else()
  file(READ_SYMLINK "${link}" link_target)
  if(NOT link_target STREQUAL "../lib/purso/purso")
    fault("install: bin/purso points to '${link_target}', not ../lib/purso/purso")
  endif()
  file(REAL_PATH "${link}" resolved)
  file(REAL_PATH "${root}/lib/purso/purso" program)
  if(NOT resolved STREQUAL program)
    fault("install: bin/purso does not lead to lib/purso/purso")
  endif()
endif()

foreach(pair
    "desktop/purso.desktop|share/applications/purso.desktop"
    "desktop/purso-mime.xml|share/mime/packages/purso.xml"
    "desktop/purso.svg|share/icons/hicolor/scalable/apps/purso.svg"
    "desktop/purso.svg|share/icons/hicolor/scalable/mimetypes/application-x-purso-document.svg")
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

# The install manifest names the link too, so that it can be removed.
file(STRINGS "${build}/install_manifest.txt" manifest)
if(NOT "${stage}${prefix}/bin/purso" IN_LIST manifest)
  fault("install: the manifest does not name bin/purso")
endif()

# Installing again over the tree replaces the link without failing.
set(ENV{DESTDIR} "${stage}")
run("${CMAKE_COMMAND}" --install "${build}")
unset(ENV{DESTDIR})
if(NOT IS_SYMLINK "${link}")
  fault("install: a second install lost bin/purso")
endif()

# An install without DESTDIR under a prefix given at install time: the link
# is made there, and the desktop caches may be refreshed beside the files.
set(other_prefix "${WORK_DIR}/other-prefix")
run("${CMAKE_COMMAND}" --install "${build}" --prefix "${other_prefix}")
if(NOT IS_SYMLINK "${other_prefix}/bin/purso" OR NOT EXISTS "${other_prefix}/bin/purso")
  fault("install --prefix: bin/purso is missing or leads nowhere")
endif()
if(NOT EXISTS "${other_prefix}/lib/purso/Index.htm")
  fault("install --prefix: lib/purso/Index.htm is missing")
endif()

if(NOT faults STREQUAL "")
  message(FATAL_ERROR "Help and desktop install rules:\n${faults}")
endif()
message(STATUS "help pages beside the program and the installed tree: ok")
file(REMOVE_RECURSE "${WORK_DIR}")
