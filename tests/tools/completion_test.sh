#!/usr/bin/env bash
# The bash completion of purso-tool, run with stand-ins for the helpers of
# bash-completion: what it offers for each kind of word, and that every
# option it offers is one the tool's help names.
# Usage: completion_test.sh COMPLETION_FILE PURSO_TOOL
set -uo pipefail

_init_completion() {
  words=("${COMP_WORDS[@]}")
  cword=$COMP_CWORD
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}
}
_filedir() { COMPREPLY=("files $1"); }
complete() { :; }
# shellcheck source=/dev/null
source "$1"
help=$("$2" --help)

failures=0
expect() {
  local expected=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _purso_tool
  if [[ "${COMPREPLY[*]}" != "$expected" ]]; then
    echo "completing '$*': offers '${COMPREPLY[*]}', not '$expected'"
    failures=$((failures + 1))
  fi
}

expect "new" purso-tool ne
expect "--help --version" purso-tool --
expect "--year --locale --force --help" purso-tool new a.pxf --
expect "--date-column --date-order" purso-tool import a.pxf --date-
expect "ofx qif csv" purso-tool import a.pxf --format ""
expect "dmy" purso-tool import a.pxf --date-order d
expect "files @(pxf|PXF)" purso-tool check ""
expect "files @(pxf|PXF)" purso-tool new --year 2024 ""
expect "files @(ofx|OFX|qfx|QFX|qif|QIF|csv|CSV)" purso-tool import --format csv a.pxf ""
expect "" purso-tool import a.pxf b.csv ""
expect "" purso-tool dump a.pxf --today ""

for command in new check dump import export; do
  COMP_WORDS=(purso-tool "$command" --)
  COMP_CWORD=2
  COMPREPLY=()
  _purso_tool
  for option in "${COMPREPLY[@]}"; do
    if [[ $help != *"$option"* ]]; then
      echo "$command: the completion offers $option, which purso-tool --help does not name"
      failures=$((failures + 1))
    fi
  done
done

((failures == 0)) && echo "purso-tool completion: ok"
exit $((failures != 0))
