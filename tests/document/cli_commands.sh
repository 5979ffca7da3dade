#!/bin/sh
# The batch commands new, html and convert, end to end:
#   cli_commands.sh WENDLE_CLI DATA_FOLDER
cli="$1"
data="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# expect STATUS COMMAND...: runs the command, keeps its output in
# $work/out and $work/err, and checks the exit status.
expect() {
    want="$1"
    shift
    "$@" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" = "$want" ] || fail "$* exited $got, not $want: $(cat "$work/err")"
}

# The start-up document and the New document give the blocks of the
# program's first window and of File > New.
expect 0 "$cli" new "$work/start.wdf"
expect 0 "$cli" html "$work/start.wdf"
cmp -s "$work/out" "$data/startup-block.html" || fail "start-up block differs"
expect 0 "$cli" new --empty "$work/empty.wdf"
expect 0 "$cli" html "$work/empty.wdf"
cmp -s "$work/out" "$data/new-block.html" || fail "new document block differs"

# --buttons N: the New document with N buttons; more than 99 is refused
# and writes nothing.
expect 0 "$cli" new --buttons 99 "$work/full.wdf"
expect 0 "$cli" html "$work/full.wdf"
[ "$(grep -c '^<PARAM NAME="[0-9]*" VALUE=' "$work/out")" = 99 ] || fail "99 buttons expected"
expect 1 "$cli" new --buttons 100 "$work/over.wdf"
grep -q "Sorry, you have reached the maximum number of buttons allowed." "$work/err" ||
    fail "no refusal message"
[ ! -e "$work/over.wdf" ] || fail "refused document was written"

# convert: an older layout is imported after the warning, which does not
# fail the command; the result is a version 5.0 document.
expect 0 "$cli" convert "$data/older-layout.wdf" "$work/converted.wdf"
grep -q "This file was saved in a different version of the Wendle" "$work/err" ||
    fail "no different-version warning"
head -2 "$work/converted.wdf" | tr -d '\r' | tail -1 | grep -qx "Saved in Version 5.0" ||
    fail "converted file is not version 5.0"
expect 0 "$cli" convert "$data/version45.wdf" "$work/v45.wdf"
[ ! -s "$work/err" ] || fail "version 4.5 gave messages: $(cat "$work/err")"

# Broken input: the reader's message on standard error, status 1, nothing
# written.
printf 'Not a document\r\n' >"$work/bad.wdf"
expect 1 "$cli" html "$work/bad.wdf"
grep -qx "Not a valid Wendle File" "$work/err" || fail "no 'Not a valid Wendle File'"
[ ! -s "$work/out" ] || fail "html printed a block for a broken file"
# A broken document: html and convert give the reader's one message, naming
# the file, the line, what was expected and what was found.
printf 'Wendle File\r\nSaved in Version 5.0\r\nx\r\nmany\r\n' >"$work/many.wdf"
printf 'Wendle File\r\nSaved in Version 5.0\r\nx\r\n1\r\n105\r\n' >"$work/cut.wdf"
for command in html convert; do
    out=
    [ $command = convert ] && out="$work/out.wdf"
    expect 1 "$cli" $command "$work/many.wdf" $out
    grep -qx "many.wdf, line 4: expected a number of buttons from 0 to 99, found 'many'" \
        "$work/err" || fail "$command: no conversion error: $(cat "$work/err")"
    expect 1 "$cli" $command "$work/cut.wdf" $out
    grep -qx "cut.wdf, line 6: expected a size in pixels from 0 to 8217, found the end of the file" \
        "$work/err" || fail "$command: no message for the cut file: $(cat "$work/err")"
done
[ ! -e "$work/out.wdf" ] || fail "a broken read was converted"
# A huge bad line is quoted in part only.
{
    printf 'Wendle File\r\nSaved in Version 5.0\r\nx\r\n'
    head -c 10000000 /dev/zero | tr '\0' '7'
    printf '\r\n'
} >"$work/huge.wdf"
expect 1 "$cli" html "$work/huge.wdf"
[ "$(wc -c <"$work/err")" -lt 300 ] || fail "a huge line was quoted whole"
grep -q "(cut; 10000000 characters in all)" "$work/err" || fail "the cut is not said"
expect 1 "$cli" html "$work/missing.wdf"

# Usage errors.
expect 2 "$cli" html
expect 2 "$cli" convert "$work/start.wdf"
expect 2 "$cli" new --buttons many "$work/x.wdf"
expect 2 "$cli" new --colour "$work/x.wdf"

if [ "$failures" = 0 ]; then
    echo "all batch command checks passed"
    exit 0
fi
echo "$failures batch command checks failed"
exit 1
