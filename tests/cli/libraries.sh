#!/bin/sh
# wendle-cli starts without the GUI library for every command that does not
# draw, loads its drawing module for the commands that do, and draws with
# FreeType alone for render unless a caption needs the GUI library:
#   libraries.sh WENDLE_CLI
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# loads_gui COMMAND...: runs the command with the dynamic loader reporting
# every library it loads, in every process the command becomes; true when
# QtGui was among them. The command's status is left in $status.
loads_gui() {
    rm -f "$work"/ld.*
    LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" "$@" >"$work/out" 2>"$work/err"
    status=$?
    cat "$work"/ld.* | grep -q "libQt6Gui"
}

# loads LIBRARY COMMAND...: the same for any library named LIBRARY.
loads() {
    library=$1
    shift
    rm -f "$work"/ld.*
    LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" "$@" >"$work/out" 2>"$work/err"
    status=$?
    cat "$work"/ld.* | grep -q "$library"
}

"$cli" new --buttons 3 "$work/doc.wdf" || fail "new"
mkdir "$work/tree" && : >"$work/tree/a.wdf"

# Each command that does not draw, with its expected status.
while read -r want args; do
    # Split into words, but a mask is for the command, not the shell.
    set -f
    # shellcheck disable=SC2086
    set -- $args
    set +f
    if loads_gui "$cli" "$@"; then
        fail "'$args' loaded QtGui"
    fi
    [ "$status" = "$want" ] || fail "'$args' exited $status, not $want: $(cat "$work/err")"
done <<TABLE
0 --version
0 --help
2 nosuchcommand
0 new $work/new.wdf
0 html $work/doc.wdf
0 convert $work/doc.wdf $work/converted.wdf
0 find $work/tree *.wdf
TABLE

# A drawing command does load it (so the check above sees QtGui when it is
# there), and its output and status are the drawing module's.
loads_gui "$cli" check "$work/doc.wdf" || fail "check without QtGui?"
[ "$status" = 0 ] || fail "check exited $status: $(cat "$work/err")"
# render draws a bar whose captions FreeType draws as the GUI library would
# without loading the library.
if loads_gui "$cli" render "$work/doc.wdf" "$work/doc.png"; then
    fail "render of plain captions loaded QtGui"
fi
[ "$status" = 0 ] || fail "render exited $status: $(cat "$work/err")"
[ -s "$work/doc.png" ] || fail "render wrote no picture"
# A caption with a soft hyphen (byte 0xAD) is handed on to the drawing
# module, which draws it once: one picture, no message.
sed "s/Button 2/Co$(printf '\255')op/" "$work/doc.wdf" >"$work/shy.wdf"
loads_gui "$cli" render "$work/shy.wdf" "$work/shy.png" || fail "a soft hyphen was not handed on"
[ "$status" = 0 ] || fail "render of a soft hyphen exited $status: $(cat "$work/err")"
[ -s "$work/shy.png" ] || fail "render of a soft hyphen wrote no picture"
[ ! -s "$work/err" ] || fail "render of a soft hyphen said: $(cat "$work/err")"
# Outside a desktop session (no per-user runtime folder, as under cron or a
# build) a drawing command that succeeds says nothing.
env -u XDG_RUNTIME_DIR "$cli" render "$work/doc.wdf" "$work/quiet.png" 2>"$work/err" ||
    fail "render without a runtime folder failed: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "render without a runtime folder said: $(cat "$work/err")"
# The picture libraries are opened by the first picture that needs one:
# a bar without pictures opens neither, a template with a JPEG sky opens
# libjpeg (and draws it).
if loads "libjpeg\|libgif" "$cli" render "$work/doc.wdf" "$work/doc.png"; then
    fail "render of a bar without pictures opened a picture library"
fi
sky="$(dirname "$cli")/Toolbar Two.wdf"
if [ -f "$sky" ]; then
    loads libjpeg "$cli" render "$sky" "$work/sky.png" || fail "render of a JPEG sky did not open libjpeg"
    [ "$status" = 0 ] || fail "render of a JPEG sky exited $status: $(cat "$work/err")"
    [ -s "$work/sky.png" ] || fail "render of a JPEG sky wrote no picture"
fi
"$cli" render "$work/doc.wdf" 2>"$work/err"
status=$?
[ "$status" = 2 ] || fail "render with one file exited $status, not 2"
grep -q "usage: wendle-cli render" "$work/err" || fail "no usage from render: $(cat "$work/err")"
"$cli" --help | grep -q "^  render DOC.wdf OUT.png" || fail "--help does not list render"

# Without its drawing module beside it, the tool says so and fails.
mkdir "$work/alone" && cp "$cli" "$work/alone/"
"$work/alone/$(basename "$cli")" render "$work/doc.wdf" "$work/alone.png" 2>"$work/err"
status=$?
[ "$status" = 1 ] || fail "render without the drawing module exited $status, not 1"
grep -q "cannot load .*wendle-cli-draw.so" "$work/err" || fail "no message: $(cat "$work/err")"
[ ! -e "$work/alone.png" ] || fail "a picture appeared without the drawing module"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
