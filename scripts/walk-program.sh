#!/usr/bin/env bash
# Walks the real program on an X display of its own (Xvfb) as a person would,
# with simulated keys and clicks (xdotool): on a new account the Budget
# Wizard makes an object, a functional area, a variable expense category
# with its budget and an opening balance; a transaction follows where the
# program has the Transactions dialog; Ctrl+S saves the account through the
# Save As file dialog, the program is left by File > Exit, and
# `purso-tool dump` must show exactly what was entered.
#   scripts/walk-program.sh PROGRAM PURSO_TOOL
# Exits 0 when the walk succeeded, 1 when it failed (saying where), 77 when
# Xvfb, xdotool or jq is missing (scripts/setup-debian.sh installs them).
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 PROGRAM PURSO_TOOL" >&2
  exit 2
fi
# The walk runs in a scratch folder; the paths given stay valid there.
absolute() { if [[ $1 == /* ]]; then echo "$1"; else echo "$PWD/$1"; fi; }
program=$(absolute "$1")
tool=$(absolute "$2")

missing=()
for command in Xvfb xdotool jq; do
  command -v "$command" >/dev/null 2>&1 || missing+=("$command")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "walk skipped: ${missing[*]} not installed (scripts/setup-debian.sh installs them)"
  exit 77
fi

started=$(date +%s%N)
scratch=$(mktemp -d)
xvfb=
pid=
cleanup() {
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  if [[ -n "$xvfb" ]] && kill -0 "$xvfb" 2>/dev/null; then kill "$xvfb" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
log="$scratch/program.log"
fail() {
  echo "walk: $1" >&2
  if [[ -s "$log" ]]; then sed 's/^/  program: /' "$log" >&2; fi
  exit 1
}

# Milliseconds since the walk started.
elapsed_ms() { echo $((($(date +%s%N) - started) / 1000000)); }

# Whether the program still runs: an ended one stays a zombie until waited for.
program_runs() { [[ -r /proc/$pid/stat ]] && [[ $(sed -E 's/^.*\) ([A-Za-z]).*$/\1/' "/proc/$pid/stat") != Z ]]; }
program_ended() { ! program_runs; }

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; fails
# naming WHAT when the time is up or the program has ended.
wait_until() {
  local limit=$1 what=$2
  shift 2
  local deadline=$(($(date +%s) + limit))
  until "$@"; do
    if [[ -n "$pid" ]] && program_ended; then fail "the program ended while waiting for $what"; fi
    [[ $(date +%s) -lt $deadline ]] || fail "no $what after ${limit} s"
    sleep 0.05
  done
}

# The visible window whose title is exactly TITLE, if any.
window_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
has_window() { [[ -n $(window_titled "$1") ]]; }
no_window() { [[ -z $(window_titled "$1") ]]; }
logged() { grep -qF "$1" "$log" 2>/dev/null; }

# Gives the window the keyboard: without a window manager nobody else does.
focus_window() { timeout 5 xdotool windowfocus --sync "$1" || fail "cannot give the keyboard to $2"; }

# Waits for the window titled TITLE and gives it the keyboard; prints its id.
take_window() {
  local title=$1 what=$2 window
  wait_until 10 "$what (window \"$title\")" has_window "$title"
  window=$(window_titled "$title")
  focus_window "$window" "\"$title\""
  echo "$window"
}

# Waits until the window titled TITLE has closed.
closed() { wait_until 10 "closing of \"$1\"" no_window "$1"; }

keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 15 -- "$1"; }

# Clicks the window at a point given in the dialog units of its resource
# (x of width, y of height): dialogs scale their units with the font, so a
# point keeps its place relative to the whole window.
click_at() {
  local window=$1 x=$2 width=$3 y=$4 height=$5 geometry pixels_x pixels_y
  geometry=$(xdotool getwindowgeometry --shell "$window")
  pixels_x=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
  pixels_y=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  xdotool mousemove --window "$window" $((x * pixels_x / width)) $((y * pixels_y / height)) click 1
}

# The Budget Wizard, 227 x 161 dialog units; Go's centre is at 192, 122.
click_go() { click_at "$1" 192 227 122 161; }

# A dialog that Go opened: types each name and Enter (Add, the default
# button), then Escape (Done).
add_names() {
  local title=$1
  shift
  take_window "$title" "dialog \"$title\" from Go" >/dev/null
  for name in "$@"; do
    type_text "$name"
    keys Return
  done
  keys Escape
  closed "$title"
}

walk_wizard() {
  local main wizard
  main=$(take_window "Tolva Account Organizer - \[Purso1\]" "main window")
  keys alt+c w  # Categories > Budget Wizard...
  wizard=$(take_window "Budget Wizard" "Budget Wizard from the Categories menu")

  # Step 1: Enter is Next. Step 2: Go, clicked; then Next has the focus.
  keys Return
  click_go "$wizard"
  add_names "Objects" "Car"
  focus_window "$wizard" "the wizard"
  keys Return

  # Step 3: Go, clicked again.
  click_go "$wizard"
  add_names "Functional Areas" "Fuel"
  focus_window "$wizard" "the wizard"
  keys Return

  # Step 4: Go has the focus. The add row opens with the first object and
  # functional area and the type Var Ex; the budget is four fields on.
  keys Return
  take_window "Categories" "Categories dialog from Go" >/dev/null
  type_text "Petrol"
  keys Tab Tab Tab Tab
  type_text "1200"
  keys Return Escape
  closed "Categories"
  focus_window "$wizard" "the wizard"
  keys Return

  # Step 5: Go has the focus; the amount field has it in the dialog.
  keys Return
  take_window "Opening balance" "Opening balance dialog from Go" >/dev/null
  keys ctrl+a
  type_text "2500.50"
  keys Return
  closed "Opening balance"
  focus_window "$wizard" "the wizard"

  # Next, then Finish, each having the focus in turn.
  keys Return Return
  closed "Budget Wizard"
  focus_window "$main" "the main window"
}

# One transaction of the category made above, through Operations >
# Transactions: its date field has the focus, the category list starts on
# the only category. Down from the menu's first item, Opening Balance,
# reaches Transactions, or Solver where the program has no Transactions
# dialog yet (the menu passes over a disabled item); then the Solver is
# closed again and no transaction is entered.
transaction_entered=no
transactions_or_solver() { has_window "Transactions" || has_window "Solver"; }
walk_transaction() {
  keys alt+o Down Return
  wait_until 10 "Transactions or Solver dialog from the Operations menu" transactions_or_solver
  if has_window "Solver"; then
    take_window "Solver" "Solver dialog" >/dev/null
    keys Escape
    closed "Solver"
    echo "walk: the program has no Transactions dialog; no transaction entered"
    return 0
  fi
  take_window "Transactions" "Transactions dialog" >/dev/null
  type_text "03/15"
  keys Tab Tab
  type_text "45.50"
  keys Tab
  type_text "Fuel for the car"
  keys Return Escape
  closed "Transactions"
  transaction_entered=yes
}

save_and_quit() {
  take_window "Tolva Account Organizer - \[Purso1\]" "main window after the wizard" >/dev/null
  # A new account has no file yet: Save asks for one. The file name field
  # of the dialog has the focus, holding the proposed name.
  keys ctrl+s
  take_window "Save As" "Save As dialog" >/dev/null
  keys ctrl+a
  type_text "$scratch/walked.pxf"
  keys Return
  wait_until 10 "title naming the saved file" logged "main window title: Tolva Account Organizer - [walked.pxf]"
  take_window "Tolva Account Organizer - \[walked.pxf\]" "main window after saving" >/dev/null
  keys alt+f x  # File > Exit
  local deadline=$(($(date +%s) + 10))
  while program_runs; do
    [[ $(date +%s) -lt $deadline ]] || fail "the program still runs 10 s after File > Exit"
    sleep 0.05
  done
  local status=0
  wait "$pid" || status=$?
  pid=
  [[ $status -eq 0 ]] || fail "the program ended with status $status"
}

check_saved_file() {
  local dump="$scratch/dump.json"
  [[ -f "$scratch/walked.pxf" ]] || fail "no file walked.pxf was saved"
  "$tool" dump "$scratch/walked.pxf" >"$dump" || fail "purso-tool cannot dump the saved file"
  local transactions='[]'
  if [[ $transaction_entered == yes ]]; then
    # shellcheck disable=SC2016 # $petrol is jq's, bound below
    transactions='[{date: 315, category: $petrol, amount: 45.5, description: "Fuel for the car", match: null}]'
  fi
  # The one year holding anything is the new account's own, with exactly
  # what the walk entered.
  jq -e "
    (.years | length) == 1 and (.years[0] as \$year |
      \$year.year == .currentYear and
      \$year.openingBalance == 2500.5 and
      [\$year.objects[].name] == [\"Car\"] and
      [\$year.functionalAreas[].name] == [\"Fuel\"] and
      (\$year.categories | length) == 1 and
      (\$year.categories[0] | .name == \"Petrol\" and .type == \"Var Ex\" and .budget == 1200 and
        .object == \$year.objects[0].rowId and .functionalArea == \$year.functionalAreas[0].rowId) and
      \$year.predactions == [] and
      (\$year.categories[0].rowId as \$petrol |
        [\$year.transactions[] | del(.rowId)] == $transactions))
  " "$dump" >/dev/null || {
    sed 's/^/  dump: /' "$dump" >&2
    fail "the saved file does not hold what was entered"
  }
}

# A display of its own, chosen by the server; a private home, runtime and
# settings folder; no desktop named, so that Qt shows its own file dialog
# rather than a desktop's, whose keys would differ; in English, whose window
# titles the walk waits for, whatever the language of the session.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
display_ready() { [[ -s "$scratch/display" ]]; }
wait_until 10 "X display from Xvfb" display_ready
display=$(head -n 1 "$scratch/display")
export DISPLAY=":$display"
mkdir -m 700 "$scratch/home" "$scratch/runtime"
cd "$scratch"
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u QT_QPA_PLATFORMTHEME -u DBUS_SESSION_BUS_ADDRESS \
  HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="purso.shell.info=true" LANGUAGE=en \
  "$program" >"$log" 2>&1 &
pid=$!
wait_until 20 "first paint of the new account" logged "account view painted: Purso1"

walk_wizard
walk_transaction
save_and_quit
check_saved_file
echo "walk: wizard, transaction: $transaction_entered, saved, reopened by purso-tool; $(elapsed_ms) ms"
