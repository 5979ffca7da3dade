#!/bin/sh
# Retakes packaging/screenshot.png, the picture the README shows: the editor
# with the "Colorful Toolbar" template, on a virtual screen of its own.
# Needs a built program folder and xvfb and imagemagick (for import).
#
#   packaging/take-screenshot.sh [PROGRAM-FOLDER]    (default build/program)
set -e
cd "$(dirname "$0")/.."
program=${1:-build/program}
display=:77
home=$(mktemp -d)

Xvfb "$display" -screen 0 2000x720x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$home"' EXIT
sleep 1
# A home of its own: no settings or recent documents of the user show.
DISPLAY=$display HOME=$home "$program/wendle" "$program/Toolbar One.wdf" >/dev/null 2>&1 &
app=$!
sleep 4
# The main window is centred; the preview stands to its right.
DISPLAY=$display import -window root -crop 1260x540+630+88 +repage packaging/screenshot.png
echo "packaging/screenshot.png"
