# Shows that check_help_pages.cmake finds the faults it is meant to find: it
# accepts an untouched copy of the help pages, then rejects copies damaged in
# one way each, with a report that names the fault.
# Usage: cmake -D HELP_DIR=<help pages> -D CHECK=<check_help_pages.cmake>
#              -D WORK_DIR=<scratch folder> -P check_finds_faults.cmake
cmake_minimum_required(VERSION 3.25)

foreach(variable HELP_DIR CHECK WORK_DIR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(failures "")

# A fresh copy of the pages in WORK_DIR/<name>.
function(fresh_copy name)
  file(REMOVE_RECURSE "${WORK_DIR}/${name}")
  file(MAKE_DIRECTORY "${WORK_DIR}/${name}")
  file(GLOB files LIST_DIRECTORIES false "${HELP_DIR}/*")
  file(COPY ${files} DESTINATION "${WORK_DIR}/${name}")
endfunction()

# Replaces the first occurrence of `old` in one page by `new`; a damage that no
# longer applies to the pages is itself a failure, so no case passes unseen.
function(damage name page old new)
  set(path "${WORK_DIR}/${name}/${page}")
  file(READ "${path}" text)
  string(FIND "${text}" "${old}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "case ${name}: '${old}' is not in ${page}; the damage does not apply")
  endif()
  string(LENGTH "${old}" length)
  string(SUBSTRING "${text}" 0 ${at} before)
  math(EXPR after_start "${at} + ${length}")
  string(SUBSTRING "${text}" ${after_start} -1 after)
  file(WRITE "${path}" "${before}${new}${after}")
endfunction()

# Replaces every occurrence of `old` in one page by `new`.
function(damage_all name page old new)
  set(path "${WORK_DIR}/${name}/${page}")
  file(READ "${path}" text)
  string(FIND "${text}" "${old}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "case ${name}: '${old}' is not in ${page}; the damage does not apply")
  endif()
  string(REPLACE "${old}" "${new}" text "${text}")
  file(WRITE "${path}" "${text}")
endfunction()

function(run_check name result_out report_out)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -D "HELP_DIR=${WORK_DIR}/${name}" -P "${CHECK}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  set(${result_out} "${result}" PARENT_SCOPE)
  set(${report_out} "${output}${errors}" PARENT_SCOPE)
endfunction()

# The check must fail on case `name` with a report holding `expected`.
macro(expect_fault name expected)
  run_check(${name} result report)
  if(result EQUAL 0)
    string(APPEND failures "  ${name}: the check accepted the damaged pages\n")
  else()
    string(FIND "${report}" "${expected}" found)
    if(found EQUAL -1)
      string(APPEND failures "  ${name}: the report lacks '${expected}':\n${report}\n")
    endif()
  endif()
endmacro()

# The untouched pages pass.
fresh_copy(untouched)
run_check(untouched result report)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the check rejects the untouched pages:\n${report}")
endif()

fresh_copy(page_missing)
file(REMOVE "${WORK_DIR}/page_missing/slv_dlg.htm")
expect_fault(page_missing "slv_dlg.htm: missing")

fresh_copy(name_in_other_case)
file(RENAME "${WORK_DIR}/name_in_other_case/main.htm" "${WORK_DIR}/name_in_other_case/Main.htm")
expect_fault(name_in_other_case "main.htm: missing")

fresh_copy(style_sheet_missing)
file(REMOVE "${WORK_DIR}/style_sheet_missing/help.css")
expect_fault(style_sheet_missing "link to a file that is not there: help.css")

fresh_copy(link_in_other_case)
damage(link_in_other_case cat_dlg.htm "href=\"pre_dlg.htm\"" "href=\"Pre_dlg.htm\"")
expect_fault(link_in_other_case "cat_dlg.htm: link to a file that is not there: Pre_dlg.htm")

fresh_copy(link_to_no_page)
damage(link_to_no_page trn_dlg.htm "href=\"mtc_dlg.htm\"" "href=\"match.htm\"")
expect_fault(link_to_no_page "trn_dlg.htm: link to a file that is not there: match.htm")

fresh_copy(no_way_back)
damage(no_way_back obj_dlg.htm "<nav class=\"crumbs\"><a href=\"Index.htm\">Contents</a>"
  "<nav class=\"crumbs\"><a href=\"main.htm\">Contents</a>")
expect_fault(no_way_back "obj_dlg.htm: its navigation line does not link to Index.htm")

fresh_copy(title_missing)
damage(title_missing trn_dlg.htm "<title>Transactions - Tolva Account Organizer Help</title>" "")
expect_fault(title_missing "trn_dlg.htm: has 0 <title> elements")

fresh_copy(title_empty)
damage(title_empty mtc_dlg.htm "<title>Match transaction with predaction - Tolva Account Organizer Help</title>"
  "<title> </title>")
expect_fault(title_empty "mtc_dlg.htm: its <title> is empty")

fresh_copy(language_missing)
damage(language_missing pre_dlg.htm "<html lang=\"en\">" "<html>")
expect_fault(language_missing "pre_dlg.htm: no <html lang=\"en\">")

fresh_copy(charset_missing)
damage(charset_missing main.htm "<meta charset=\"utf-8\">" "")
expect_fault(charset_missing "main.htm: no <meta charset=\"utf-8\">")

fresh_copy(element_not_closed)
damage(element_not_closed set_dlg.htm "</table>" "")
expect_fault(element_not_closed "set_dlg.htm: </main> closes <table>")

fresh_copy(elements_crossed)
damage(elements_crossed slv_dlg.htm "<h1>Solver</h1>" "<h1>Solver</h2>")
expect_fault(elements_crossed "slv_dlg.htm: </h2> where <h1> is open")

fresh_copy(quote_unpaired)
damage(quote_unpaired fna_dlg.htm "<a href=\"obj_dlg.htm\">" "<a href=\"obj_dlg.htm>")
expect_fault(quote_unpaired "fna_dlg.htm: unpaired quote")

fresh_copy(bare_ampersand)
damage(bare_ampersand set_dlg.htm "<h1>Date &amp; Currency Settings</h1>" "<h1>Date &amp Currency Settings</h1>")
expect_fault(bare_ampersand "set_dlg.htm: '&' that starts no character reference")

fresh_copy(external_resource)
damage(external_resource cat_dlg.htm "href=\"help.css\"" "href=\"http:help.css\"")
expect_fault(external_resource "cat_dlg.htm: refers outside the help pages: http:help.css")

fresh_copy(script_added)
damage(script_added obj_dlg.htm "</body>" "<script>0</script></body>")
expect_fault(script_added "obj_dlg.htm: holds a script")

fresh_copy(contents_incomplete)
damage_all(contents_incomplete Index.htm "href=\"slv_dlg.htm\"" "href=\"Index.htm\"")
expect_fault(contents_incomplete "Index.htm: does not link to slv_dlg.htm")

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "check_help_pages.cmake missed faults:\n${failures}")
endif()
message(STATUS "check_help_pages.cmake found every damage")
