#!/bin/sh
# Retakes packaging/screenshot.png, the picture the README shows: the editor
# on a copy of the "Colorful Toolbar" template, titled with its file name,
# after a button was moved with the arrow keys, with the Edit menu open.
# Runs on a virtual screen of its own with the openbox window manager.
# Needs a built program folder, xvfb, openbox, xdotool and imagemagick.
#
#   packaging/take-screenshot.sh [PROGRAM-FOLDER]    (default build/program)
set -e
cd "$(dirname "$0")/.."
program=$(cd "${1:-build/program}" && pwd)
display=:77
home=$(mktemp -d)

Xvfb "$display" -screen 0 1600x760x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
app=""
trap 'kill $app $wm $xvfb 2>/dev/null; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
# A home of its own: no settings or recent documents of the user show. The
# document is a copy, so the program's template stays as it is.
cp "$program/Toolbar One.wdf" "$home/Toolbar One.wdf"
HOME=$home XDG_CONFIG_HOME=$home/config "$program/wendle" "$home/Toolbar One.wdf" >/dev/null 2>&1 &
app=$!
sleep 4
main=$(xdotool search --onlyvisible --name " — Wendle\$" | head -1)
preview=$(xdotool search --onlyvisible --name "^Applet Preview\$" | head -1)

# "Services", the middle button, two steps to the right.
xdotool windowactivate --sync "$preview"
eval "$(xdotool getwindowgeometry --shell "$preview")"
xdotool mousemove --window "$preview" $((WIDTH / 2)) 40 click 1
sleep 0.3
xdotool key Right Right
sleep 0.3
xdotool windowactivate --sync "$main"
xdotool key alt+e
sleep 1

# The windows with their title bars, on the screen's black trimmed away.
import -window root "$home/screen.png"
convert "$home/screen.png" -trim +repage packaging/screenshot.png
echo "packaging/screenshot.png"
