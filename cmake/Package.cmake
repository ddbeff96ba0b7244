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
# The control file's long description: lines begin with a space, an empty
# line is a lone full stop.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "plan and follow a household budget
 The Tolva Account Organizer plans a household's year and follows it day by
 day. Objects (a car, a member of the household) and functional areas
 (insurance, food, a day job) pair into categories with a yearly budget;
 fixed categories hold dated predicted payments, variable ones spread their
 budget over the year. A cash flow chart shows the predicted and the actual
 balance of every day, with the key figures of the year and the payments
 that are due but not yet made.
 .
 Bank statements in OFX, QFX, QIF or CSV can be imported. The package also
 holds purso-tool, which creates, checks, dumps and imports account files
 from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PURSO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The package's install sets DESTDIR, so that it leaves the desktop caches to
# the packaging system (cmake/HelpAndDesktop.cmake).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)

include(CPack)
