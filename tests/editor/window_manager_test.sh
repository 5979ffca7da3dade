#!/usr/bin/env bash
# Runs the built editor under a virtual display with a real window manager
# and checks that a template comes up unchanged: New right after opening it
# asks no question. Without a window manager the sizes the program sets are
# never adjusted, so only a run like this one shows the fault.
#
#   window_manager_test.sh PROGRAM
set -u
program=${1:?usage: window_manager_test.sh PROGRAM}
. "$(dirname "$0")/virtual_desktop.sh" 150 220
start_desktop

# A first run with its own settings, so nothing of the user's leaks in.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
"$program" >"$work/program.log" 2>&1 &
app=$!
pids+=($app)

titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
count() { titled "$1" | wc -l; }
has_windows() { [ "$(count "$1")" -ge "$2" ]; }
# The main window is titled after its document: "Untitled — Wendle".
main_title=".* — Wendle"

until_true 200 has_windows "$main_title" 1 || { echo "the main window did not show"; exit 1; }
until_true 100 has_windows "Applet Preview" 1 || { echo "the preview did not show"; exit 1; }
main=$(titled "$main_title" | head -1)
preview=$(titled "Applet Preview" | head -1)
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

xdotool windowactivate --sync "$main"
xdotool key ctrl+n
# The start-up applet counts as changed: its question, a box titled
# "Wendle", is answered No.
if until_true 30 has_windows "Wendle" 1; then
  xdotool key alt+n
fi
# A new applet's preview is 105 x 175.
new_size() { preview=$(titled "Applet Preview" | head -1); [ -n "$preview" ] && [ "$(size_of "$preview")" = "105x175" ]; }
until_true 100 new_size || { echo "New did not give a new applet: $(size_of "$preview")"; exit 1; }
# Templates > Vertical Toolbar, the fifth entry.
before=$(size_of "$preview")
xdotool windowactivate --sync "$main"
xdotool key alt+a
sleep 0.5
xdotool key Down Down Down Down Return
resized() { preview=$(titled "Applet Preview" | head -1); [ -n "$preview" ] && [ "$(size_of "$preview")" != "$before" ]; }
until_true 100 resized || { echo "the template did not open"; exit 1; }
# The window manager answers the new size and place in its own time.
sleep 1

xdotool windowactivate --sync "$main"
xdotool key ctrl+n
if until_true 30 has_windows "Wendle" 1; then
  echo "FAIL: New after opening a template asked to save changes"
  exit 1
fi
kill -0 "$app" 2>/dev/null || { echo "FAIL: the editor ended"; cat "$work/program.log"; exit 1; }
echo "ok: the template opened unchanged"
