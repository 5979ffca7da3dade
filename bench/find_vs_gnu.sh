#!/bin/sh
# Measures wendle-cli's file search against GNU find and GNU grep on the same
# warm tree, and checks that both list the same files.
#
#   bench/find_vs_gnu.sh [WENDLE_CLI] [NAME_TREE] [TEXT_TREE] [WORD]
#
# Defaults: the wendle-cli of build/, /usr with the name "firefox", and
# /usr/share/doc with the word "license". The lists are also compared for
# the mask "*.h", which finds many files where "firefox" may find none.
# Each pair runs on the same tree,
# after a warm-up, one right after the other, so the ratio is taken in one
# run. Uses hyperfine when it is installed, repeated timed runs otherwise.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/program/wendle-cli}
name_tree=${2:-/usr}
text_tree=${3:-/usr/share/doc}
word=${4:-license}
name=firefox
runs=${RUNS:-15}

if [ ! -x "$cli" ]; then
  echo "no wendle-cli at $cli (build it, or give its path)" >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

same_lists() { # title, our list, their list
  if cmp -s "$2" "$3"; then
    echo "$1: same $(wc -l < "$2") files"
  else
    echo "$1: LISTS DIFFER" >&2
    diff "$2" "$3" | head -20 >&2
    status=1
  fi
}

# "wall cpu" mean seconds of one command (a shell command line) over $runs
# runs; cpu is user + system time. On a shared machine the processor time is
# the steadier of the two.
mean_seconds() {
  if command -v hyperfine > /dev/null; then
    hyperfine --style none --warmup 3 --runs "$runs" --export-csv "$work/one.csv" "$1" \
      > /dev/null 2>&1
    awk -F, 'NR == 2 { print $2, $5 + $6 }' "$work/one.csv"
  else
    sh -c "$1" > /dev/null
    start=$(date +%s%N)
    i=0
    while [ $i -lt "$runs" ]; do sh -c "$1" > /dev/null; i=$((i + 1)); done
    end=$(date +%s%N)
    echo "$start $end $runs" | awk '{ printf "%.6f 0\n", ($2 - $1) / 1e9 / $3 }'
  fi
}

compare() { # title, ours, theirs, goal
  ours=$(mean_seconds "$2")
  theirs=$(mean_seconds "$3")
  echo "$ours $theirs $4" | awk -v title="$1" '{
    ratio = $1 / $3
    printf "%s: wendle %.1f ms, peer %.1f ms, ratio %.2fx (goal <= %.1fx)%s",
      title, $1 * 1000, $3 * 1000, ratio, $5, ratio <= $5 ? "" : "  MISSED"
    if ($4 > 0) printf "; processor time %.1f / %.1f ms, ratio %.2fx", $2 * 1000, $4 * 1000, $2 / $4
    printf "\n"
  }'
}

# The lists first: this also warms the trees.
"$cli" find "$name_tree" "$name" | sort > "$work/ours-names"
find "$name_tree" -mindepth 1 -iname "$name" | sort > "$work/find-names"
same_lists "name walk of $name_tree" "$work/ours-names" "$work/find-names"

"$cli" find "$name_tree" '*.h' | sort > "$work/ours-many"
find "$name_tree" -mindepth 1 -iname '*.h' | sort > "$work/find-many"
same_lists "name walk of $name_tree for *.h" "$work/ours-many" "$work/find-many"

"$cli" find "$text_tree" '*' --containing "$word" --case-sensitive | sort > "$work/ours-text"
grep -rlF -- "$word" "$text_tree" | sort > "$work/grep-text"
same_lists "files of $text_tree holding \"$word\"" "$work/ours-text" "$work/grep-text"

"$cli" find "$text_tree" '*' --containing "$word" | sort > "$work/ours-itext"
LC_ALL=C grep -rliF -- "$word" "$text_tree" | sort > "$work/grep-itext"
same_lists "same, ignoring case" "$work/ours-itext" "$work/grep-itext"

compare "name walk vs find -iname" \
  "'$cli' find '$name_tree' '$name'" \
  "find '$name_tree' -mindepth 1 -iname '$name'" 0.6
compare "content search vs grep -rlF" \
  "'$cli' find '$text_tree' '*' --containing '$word' --case-sensitive" \
  "grep -rlF -- '$word' '$text_tree'" 1.5
compare "content search ignoring case vs LC_ALL=C grep -rliF" \
  "'$cli' find '$text_tree' '*' --containing '$word'" \
  "LC_ALL=C grep -rliF -- '$word' '$text_tree'" 1.5
exit $status
