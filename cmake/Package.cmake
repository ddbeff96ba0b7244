# The Debian package of the program, made by CPack from an install of this
# build into a staging folder: `cpack -G DEB` in the build folder, which
# scripts/package-deb.sh runs on the release build. It installs under /usr
# and takes its dependencies from the shared libraries its programs use
# (dpkg-shlibdeps).
#
#   PURSO_PACKAGE_MAINTAINER (cache variable)
#     "Name <address>" of whoever builds the package, for its Maintainer field.
include_guard(GLOBAL)

set(PURSO_PACKAGE_MAINTAINER "Tolva Computing" CACHE STRING
  "The Maintainer field of the Debian package: Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME purso)
set(CPACK_PACKAGE_VENDOR "Tolva Computing")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan and follow a household budget")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
# The control file's long description, below the summary; CPack indents it
# and marks the empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The Tolva Account Organizer plans a household's year and follows it day by
day. Objects (a car, a member of the household) and functional areas
(insurance, food, a day job) pair into categories with a yearly budget;
fixed categories hold dated predicted payments, variable ones spread their
budget over the year. A cash flow chart shows the predicted and the actual
balance of every day, with the key figures of the year and the payments
that are due but not yet made.

Bank statements in OFX, QFX, QIF or CSV can be imported. The package also
holds purso-tool, which creates, checks, dumps and imports account files
from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PURSO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the buttons of the file and print dialogs) in the user's
# language; the program's own translations are in the package.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's install sets DESTDIR, so that it leaves the desktop caches to
# the packaging system (cmake/HelpAndDesktop.cmake).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)

# Files only the package holds, which an install into another prefix has no
# use for: Debian's copyright file and changelog, and the notes on the lintian
# tags the package keeps on purpose.
set(_purso_debian "${PROJECT_SOURCE_DIR}/desktop/debian")
install(FILES "${_purso_debian}/copyright" "${PROJECT_BINARY_DIR}/debian/changelog.gz"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/purso" COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES "${_purso_debian}/lintian-overrides"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides" RENAME purso COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

# The changelog of this version, in Debian's form, from the release notes of
# the metainfo.
file(READ "${PURSO_METAINFO_FILE}" _purso_metainfo)
string(REGEX MATCH "<release version=[^>]*>.*</release>" _purso_release "${_purso_metainfo}")
# A semicolon would part CMake's lists; it stands in as another character meanwhile.
string(ASCII 1 _purso_semicolon)
string(REPLACE ";" "${_purso_semicolon}" _purso_release "${_purso_release}")
string(REGEX MATCHALL "<li>[^<]*</li>" _purso_items "${_purso_release}")
set(_purso_changes "")
foreach(item IN LISTS _purso_items)
  string(REGEX REPLACE "</?li>" "" item "${item}")
  string(REGEX REPLACE "[ \n]+" " " item "${item}")
  string(STRIP "${item}" item)
  # Lines of at most 80 characters, continued under the item's text.
  string(REPLACE " " ";" words "${item}")
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 80)
      string(APPEND _purso_changes "${line}\n")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  string(APPEND _purso_changes "${line}\n")
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C date -u -R -d "${PURSO_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE _purso_date OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "${_purso_semicolon}" ";" _purso_changes "${_purso_changes}")
file(WRITE "${PROJECT_BINARY_DIR}/debian/changelog"
  "purso (${PROJECT_VERSION}) stable; urgency=medium\n\n${_purso_changes}\n"
  " -- ${PURSO_PACKAGE_MAINTAINER}  ${_purso_date}\n")
add_custom_command(OUTPUT "${PROJECT_BINARY_DIR}/debian/changelog.gz"
  COMMAND gzip -9 -n -k -f "${PROJECT_BINARY_DIR}/debian/changelog"
  DEPENDS "${PROJECT_BINARY_DIR}/debian/changelog"
  VERBATIM)
add_custom_target(purso_debian_changelog ALL DEPENDS "${PROJECT_BINARY_DIR}/debian/changelog.gz")

include(CPack)
