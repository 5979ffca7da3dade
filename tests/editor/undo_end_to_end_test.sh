#!/usr/bin/env bash
# Drives the built editor under a virtual display with real key presses and
# clicks: open a document, click a button in the preview, press Delete and
# answer Yes, press Ctrl+Z and Ctrl+S. The saved file must be byte for byte
# the one that was opened, and the title must show the modified mark only
# while the delete is in force.
#
#   undo_end_to_end_test.sh PROGRAM WENDLE_CLI
set -u
program=${1:?usage: undo_end_to_end_test.sh PROGRAM WENDLE_CLI}
cli=${2:?usage: undo_end_to_end_test.sh PROGRAM WENDLE_CLI}
. "$(dirname "$0")/virtual_desktop.sh" 221 290 cmp

document="$work/Undo Test.wdf"
"$cli" new "$document" --buttons 4 >/dev/null || { echo "wendle-cli could not make the document"; exit 1; }
cp "$document" "$work/original.wdf"
# An old time, so that a save that really wrote is seen.
touch -d '2001-01-01 00:00' "$document"

start_desktop

export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
"$program" "$document" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shows() { [ -n "$(titled "$1")" ]; }
clean_title="Undo Test.wdf — Wendle"
modified_title="Undo Test.wdf\\* — Wendle"

until_true 200 shows "$clean_title" || { echo "FAIL: no window titled '$clean_title'"; xdotool search --name . getwindowname %@ 2>/dev/null; exit 1; }
until_true 100 shows "Applet Preview" || { echo "FAIL: the preview did not show"; exit 1; }
preview=$(titled "Applet Preview")

# The first button lies one pixel inside the border, under the 25-pixel
# tool bar strip of the preview.
xdotool windowactivate --sync "$preview"
xdotool mousemove --window "$preview" 30 40 click 1
sleep 0.3
xdotool key Delete
# "Are you sure ...?": Yes.
until_true 50 shows "Wendle" || { echo "FAIL: Delete asked nothing"; exit 1; }
xdotool key alt+y
until_true 50 shows "$modified_title" || { echo "FAIL: the delete did not mark the document modified"; exit 1; }

xdotool windowactivate --sync "$preview"
xdotool key ctrl+z
until_true 50 shows "$clean_title" || { echo "FAIL: Ctrl+Z did not bring back the saved state"; exit 1; }
xdotool key ctrl+s
saved() { [ "$document" -nt "$work/original.wdf" ]; }
until_true 50 saved || { echo "FAIL: Ctrl+S wrote nothing"; exit 1; }

kill -0 "$app" 2>/dev/null || { echo "FAIL: the editor ended"; cat "$work/program.log"; exit 1; }
if ! cmp "$work/original.wdf" "$document"; then
  echo "FAIL: the saved document differs from the one opened"
  diff <(tr -d '\r' <"$work/original.wdf") <(tr -d '\r' <"$document") | head -20
  exit 1
fi
echo "ok: delete, undo and save gave back the file byte for byte"
