# Help pages and desktop integration of the Tolva Account Organizer.
#
# The program opens its HTML help pages from the folder that holds its own
# file, so the pages of help/ must lie beside the binary: in the build tree
# (purso_copy_help_pages) and in the installed tree (purso_install_program).
#
#   purso_copy_help_pages(<target>)
#     Before <target> is built, and on every build of it, copies each file of
#     help/ into the folder of <target>'s binary. Only pages that changed are
#     rewritten.
#
#   purso_install_program(<target>)
#     Installs <target> as ${CMAKE_INSTALL_LIBDIR}/purso/purso with the help
#     pages beside it, a symbolic link ${CMAKE_INSTALL_BINDIR}/purso pointing
#     to it (relative when both folders lie under the prefix), and the
#     freedesktop integration: the .desktop entry, the MIME type of account
#     files (*.pxf) and the application and MIME type icons. The link is made
#     at install time under DESTDIR and the install prefix in force then.
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

option(PURSO_UPDATE_DESKTOP_CACHES
  "Refresh the MIME, desktop and icon caches after an install without DESTDIR" ON)

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

# The link from the binary folder to the program in its own folder. Both
# folders are usually relative to the prefix; then so is the link, and the
# installed tree can be moved as a whole.
function(_purso_install_program_link)
  set(link_dir "${CMAKE_INSTALL_BINDIR}")
  set(program "${CMAKE_INSTALL_LIBDIR}/purso/purso")
  if(IS_ABSOLUTE "${link_dir}" OR IS_ABSOLUTE "${program}")
    set(link_target "${CMAKE_INSTALL_FULL_LIBDIR}/purso/purso")
  else()
    file(RELATIVE_PATH link_target "/${link_dir}" "/${program}")
  endif()
  install(CODE "
    set(_purso_link_dir [[${link_dir}]])
    if(NOT IS_ABSOLUTE \"\${_purso_link_dir}\")
      set(_purso_link_dir \"\${CMAKE_INSTALL_PREFIX}/\${_purso_link_dir}\")
    endif()
    set(_purso_link \"\$ENV{DESTDIR}\${_purso_link_dir}/purso\")
    message(STATUS \"Installing: \${_purso_link} -> ${link_target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${_purso_link_dir}\")
    file(CREATE_LINK [[${link_target}]] \"\${_purso_link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${_purso_link}\")
  ")
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
  set(program_dir "${CMAKE_INSTALL_LIBDIR}/purso")
  install(TARGETS ${target} RUNTIME DESTINATION "${program_dir}")
  # The installed file is always named purso: the program finds its help
  # pages only under that name.
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name "${target}")
  endif()
  if(NOT output_name STREQUAL "purso")
    message(FATAL_ERROR "purso_install_program: ${target} must have the output name purso")
  endif()
  install(FILES ${PURSO_HELP_FILES} DESTINATION "${program_dir}")
  _purso_install_program_link()
  _purso_install_desktop_integration()
endfunction()
