# Help pages, desktop integration and manual pages of the Tolva Account Organizer.
#
# The program opens its HTML help pages from its own folder, where the build
# puts them beside the program, and, once installed, from the pages' own
# folder under the data folder (platform/help_launcher.h).
#
#   PURSO_INSTALLED_HELP_FOLDER
#     The installed pages' folder, ${CMAKE_INSTALL_DATADIR}/purso/help, as seen
#     from the installed program's folder ${CMAKE_INSTALL_BINDIR}:
#     "../share/purso/help" for the usual folders.
#
#   PURSO_METAINFO_FILE, PURSO_RELEASE_DATE
#     The AppStream metainfo as installed, and the date of the newest release
#     it names. That release's version must be the project's version, so that
#     the release notes are never those of another version.
#
#   purso_copy_help_pages(<target>)
#     Before <target> is built, and on every build of it, copies each file of
#     help/ into the folder of <target>'s binary. Only pages that changed are
#     rewritten.
#
#   purso_install_program(<target>)
#     Installs <target> as ${CMAKE_INSTALL_BINDIR}/purso, the help pages in
#     ${CMAKE_INSTALL_DATADIR}/purso/help, the manual page purso(1), and the
#     freedesktop integration: the .desktop entry, the MIME type of account
#     files (*.pxf), the application and MIME type icons in the hicolor theme
#     (scalable, and PNG from 16 to 256 pixels) and the AppStream metainfo.
#
#   purso_install_tool(<target> <completion file>)
#     Installs <target> as ${CMAKE_INSTALL_BINDIR}/purso-tool, its manual page
#     purso-tool(1) and its bash completion.
#
#   PURSO_SCREENSHOT_URL (cache variable)
#     The web address the README's pictures are published under; the
#     metainfo's screenshots are taken from there.
#
#   PURSO_UPDATE_DESKTOP_CACHES (option, ON)
#     After an install without DESTDIR, refresh the MIME database, the
#     desktop entry cache and the icon cache under the prefix with whichever
#     of update-mime-database, update-desktop-database and
#     gtk-update-icon-cache is found. Failures there are ignored. Packagers
#     installing into DESTDIR leave this to the packaging system.
include_guard(GLOBAL)
include(GNUInstallDirs)

get_filename_component(PURSO_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(PURSO_HELP_SOURCE_DIR "${PURSO_SOURCE_ROOT}/help")
set(PURSO_DESKTOP_SOURCE_DIR "${PURSO_SOURCE_ROOT}/desktop")
set(PURSO_MAN_SOURCE_DIR "${PURSO_SOURCE_ROOT}/doc/man")
set(PURSO_APPSTREAM_ID "com.tolvacomputing.purso")
set(PURSO_ICON_SIZES 16 22 24 32 48 64 128 256)

option(PURSO_UPDATE_DESKTOP_CACHES
  "Refresh the MIME, desktop and icon caches after an install without DESTDIR" ON)
set(PURSO_SCREENSHOT_URL "https://tolvacomputing.example/purso/images"
  CACHE STRING "The web address the README's pictures are published under, for the AppStream metainfo")

file(RELATIVE_PATH PURSO_INSTALLED_HELP_FOLDER
  "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/purso/help")

# The newest release of the metainfo is this version's.
file(READ "${PURSO_DESKTOP_SOURCE_DIR}/${PURSO_APPSTREAM_ID}.metainfo.xml.in" _purso_metainfo)
if(NOT _purso_metainfo MATCHES "<release version=\"([^\"]+)\" date=\"([0-9-]+)\">")
  message(FATAL_ERROR "${PURSO_APPSTREAM_ID}.metainfo.xml.in names no release")
endif()
set(PURSO_RELEASE_DATE "${CMAKE_MATCH_2}")
if(DEFINED PROJECT_VERSION AND NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release in desktop/${PURSO_APPSTREAM_ID}.metainfo.xml.in is ${CMAKE_MATCH_1}, "
    "but this is version ${PROJECT_VERSION}: add the release notes of ${PROJECT_VERSION} there")
endif()
unset(_purso_metainfo)
set(PURSO_METAINFO_FILE "${PROJECT_BINARY_DIR}/${PURSO_APPSTREAM_ID}.metainfo.xml")
configure_file("${PURSO_DESKTOP_SOURCE_DIR}/${PURSO_APPSTREAM_ID}.metainfo.xml.in" "${PURSO_METAINFO_FILE}" @ONLY)

# Every file of help/, the pages and their style sheet.
file(GLOB PURSO_HELP_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS
  "${PURSO_HELP_SOURCE_DIR}/*")
list(SORT PURSO_HELP_FILES)
if(NOT PURSO_HELP_FILES)
  message(FATAL_ERROR "No help pages found in ${PURSO_HELP_SOURCE_DIR}")
endif()

function(purso_copy_help_pages target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "purso_copy_help_pages: no target named ${target}")
  endif()
  # A custom target is always out of date, so the copy runs on every build of
  # the program, also when only a page changed and the program did not relink.
  add_custom_target(${target}_help_pages
    COMMAND "${CMAKE_COMMAND}" -E make_directory "$<TARGET_FILE_DIR:${target}>"
    COMMAND "${CMAKE_COMMAND}" -E copy_if_different ${PURSO_HELP_FILES} "$<TARGET_FILE_DIR:${target}>"
    COMMENT "Copying the help pages beside ${target}"
    VERBATIM)
  add_dependencies(${target} ${target}_help_pages)
endfunction()

# The manual page <name>(1), with the version and date filled in, compressed
# as the packaging system expects when gzip is there.
function(_purso_install_man_page name)
  set(page "${CMAKE_CURRENT_BINARY_DIR}/man/${name}.1")
  configure_file("${PURSO_MAN_SOURCE_DIR}/${name}.1.in" "${page}" @ONLY)
  find_program(PURSO_GZIP gzip)
  if(PURSO_GZIP)
    add_custom_command(OUTPUT "${page}.gz"
      COMMAND "${PURSO_GZIP}" -9 -n -k -f "${page}"
      DEPENDS "${page}"
      COMMENT "Compressing the manual page ${name}(1)"
      VERBATIM)
    add_custom_target(${name}_man_page ALL DEPENDS "${page}.gz")
    set(page "${page}.gz")
  endif()
  install(FILES "${page}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()

function(_purso_install_desktop_integration)
  set(icons "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable")
  install(FILES "${PURSO_DESKTOP_SOURCE_DIR}/purso.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${PURSO_DESKTOP_SOURCE_DIR}/purso-mime.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages" RENAME purso.xml)
  install(FILES "${PURSO_DESKTOP_SOURCE_DIR}/purso.svg"
    DESTINATION "${icons}/apps")
  install(FILES "${PURSO_DESKTOP_SOURCE_DIR}/purso.svg"
    DESTINATION "${icons}/mimetypes" RENAME application-x-purso-document.svg)
  foreach(size IN LISTS PURSO_ICON_SIZES)
    set(png "${PURSO_DESKTOP_SOURCE_DIR}/icons/${size}x${size}/purso.png")
    set(folder "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}")
    install(FILES "${png}" DESTINATION "${folder}/apps")
    install(FILES "${png}" DESTINATION "${folder}/mimetypes" RENAME application-x-purso-document.png)
  endforeach()
  install(FILES "${PURSO_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

  if(PURSO_UPDATE_DESKTOP_CACHES)
    install(CODE "
      if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
        set(_purso_data \"${CMAKE_INSTALL_DATADIR}\")
        if(NOT IS_ABSOLUTE \"\${_purso_data}\")
          set(_purso_data \"\${CMAKE_INSTALL_PREFIX}/\${_purso_data}\")
        endif()
        find_program(_purso_update_mime update-mime-database)
        find_program(_purso_update_desktop update-desktop-database)
        find_program(_purso_update_icons gtk-update-icon-cache)
        if(_purso_update_mime)
          execute_process(COMMAND \"\${_purso_update_mime}\" \"\${_purso_data}/mime\"
            RESULT_VARIABLE _purso_ignored OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(_purso_update_desktop)
          execute_process(COMMAND \"\${_purso_update_desktop}\" -q \"\${_purso_data}/applications\"
            RESULT_VARIABLE _purso_ignored OUTPUT_QUIET ERROR_QUIET)
        endif()
        if(_purso_update_icons)
          execute_process(COMMAND \"\${_purso_update_icons}\" -q -t -f \"\${_purso_data}/icons/hicolor\"
            RESULT_VARIABLE _purso_ignored OUTPUT_QUIET ERROR_QUIET)
        endif()
      endif()
    ")
  endif()
endfunction()

function(purso_install_program target)
  if(NOT TARGET ${target})
    message(FATAL_ERROR "purso_install_program: no target named ${target}")
  endif()
  # The program finds its help pages only under the name purso.
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name "${target}")
  endif()
  if(NOT output_name STREQUAL "purso")
    message(FATAL_ERROR "purso_install_program: ${target} must have the output name purso")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES ${PURSO_HELP_FILES} DESTINATION "${CMAKE_INSTALL_DATADIR}/purso/help")
  _purso_install_man_page(purso)
  _purso_install_desktop_integration()
endfunction()

function(purso_install_tool target completion)
  install(TARGETS ${target} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  _purso_install_man_page(purso-tool)
  install(FILES "${completion}" DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions"
    RENAME purso-tool)
endfunction()
