# The program's texts in other languages.
#
# translations/purso_<language>.ts hold the translations, kept in the
# project. The build makes a .qm file of each in the "translations" folder
# beside the program, and the install puts them in
# ${CMAKE_INSTALL_DATADIR}/purso/translations, where the program finds them
# (qt/qt_translation.h).
#
#   PURSO_LANGUAGES
#     The languages translated, as the .ts files name them.
#
#   PURSO_TS_FILES
#     The .ts files, one per language.
#
#   PURSO_LUPDATE_OPTIONS
#     How lupdate reads the sources: the mark of resources/translatable.h is
#     a QT_TRANSLATE_NOOP, data/translation.h's Translate and
#     qt/qt_translation.h's UiText a translate; the files keep no line
#     numbers, so that they change only when a text does, and no entry of a
#     text the sources no longer have.
#
#   PURSO_INSTALLED_TRANSLATIONS_FOLDER
#     The installed folder as seen from the installed program's folder:
#     "../share/purso/translations" for the usual folders.
#
#   purso_add_translations(<target>)
#     Builds the .qm files beside <target> whenever it is built, installs
#     them, and adds the target update_translations, which runs lupdate over
#     src/ into the .ts files: build it after changing a shown text, then
#     translate the new entries (Qt Linguist) before committing.
include_guard(GLOBAL)
include(GNUInstallDirs)

get_filename_component(PURSO_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(PURSO_LANGUAGES de fr)
set(PURSO_TS_FILES "")
foreach(language IN LISTS PURSO_LANGUAGES)
  list(APPEND PURSO_TS_FILES "${PURSO_SOURCE_ROOT}/translations/purso_${language}.ts")
endforeach()
set(PURSO_LUPDATE_OPTIONS
  -locations none
  -no-obsolete
  -tr-function-alias "QT_TRANSLATE_NOOP+=PURSO_TEXT,translate+=Translate,translate+=UiText")

file(RELATIVE_PATH PURSO_INSTALLED_TRANSLATIONS_FOLDER
  "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/purso/translations")

function(purso_add_translations target)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${PURSO_SOURCE_ROOT}/src/*.h" "${PURSO_SOURCE_ROOT}/src/*.cpp")
  qt_add_lupdate(${target} TS_FILES ${PURSO_TS_FILES} SOURCES ${sources} OPTIONS ${PURSO_LUPDATE_OPTIONS})
  get_target_property(output_dir ${target} BINARY_DIR)
  set_source_files_properties(${PURSO_TS_FILES} PROPERTIES OUTPUT_LOCATION "${output_dir}/translations")
  qt_add_lrelease(${target} TS_FILES ${PURSO_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files OPTIONS -silent)
  install(FILES ${qm_files} DESTINATION "${CMAKE_INSTALL_DATADIR}/purso/translations")
endfunction()
