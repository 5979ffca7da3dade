#!/usr/bin/env bash
# The editor ends its process without taking its windows down one by one.
# Runs the built editor under a virtual display and checks that what the
# windows write as they go is written all the same: the document opened
# is on the Reopen list after the editor has gone, whether it left on its
# own (as the start-up timing does) or the user quit with Ctrl+Q.
#
#   leaving_test.sh PROGRAM CLI
set -u
program=${1:?usage: leaving_test.sh PROGRAM CLI}
cli=${2:?usage: leaving_test.sh PROGRAM CLI}
. "$(dirname "$0")/virtual_desktop.sh" 250 320
start_desktop

export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
settings="$work/config/wendle/local-machine.reg"

# The Reopen list keeps paths as hex bytes: "2f,74,6d,70,...".
as_hex() { printf '%s' "$1" | od -An -tx1 | tr -s ' \n' ',,' | sed 's/^,//; s/,$//'; }
reopen_list() { grep -a '"MRUList"=' "$settings" 2>/dev/null; }
listed() { reopen_list | grep -q "$(as_hex "$1")"; }
# Whether path a comes before path b in the list, the newest first.
listed_before() {
  local line before
  line=$(reopen_list) || return 1
  before=${line%%"$(as_hex "$1")"*}
  [ "$before" != "$line" ] && [ "${before#*"$(as_hex "$2")"}" = "$before" ]
}

first="$work/First Bar.wdf"
second="$work/Second Bar.wdf"
"$cli" new "$first" --buttons 3 >/dev/null || { echo "wendle-cli could not make $first"; exit 1; }
"$cli" new "$second" --buttons 2 >/dev/null || { echo "wendle-cli could not make $second"; exit 1; }

# Left on its own once both windows painted.
WENDLE_EXIT_AFTER_FIRST_PAINT=1 timeout 60 "$program" "$first" >"$work/first.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { echo "the editor left with status $status"; cat "$work/first.log"; exit 1; }
listed "$first" || { echo "the Reopen list was not written on leaving:"; cat "$settings"; exit 1; }

# Quit by the user.
"$program" "$second" >"$work/second.log" 2>&1 &
app=$!
pids+=($app)
titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(titled "Second Bar.wdf — Wendle")" ]; }
until_true 200 shown || { echo "the main window did not show"; exit 1; }
xdotool windowactivate --sync "$(titled "Second Bar.wdf — Wendle")"
xdotool key ctrl+q
gone() { ! kill -0 "$app" 2>/dev/null; }
until_true 100 gone || { echo "Ctrl+Q did not end the editor"; exit 1; }
wait "$app"
status=$?
[ "$status" -eq 0 ] || { echo "the editor left with status $status"; cat "$work/second.log"; exit 1; }
listed_before "$second" "$first" ||
  { echo "the Reopen list was not written on quitting:"; cat "$settings"; exit 1; }
echo "ok"
