# Sourced by the file-search rows in bench/rows: the program, the trees the
# rows walk, and a ratio taken from runs in turns.
#
#   WENDLE_BUILD        the build folder (default: build/ of this checkout)
#   RUNS                timed runs of each side (default 11)
#   WENDLE_BENCH_TREES  where the synthetic trees are made once and kept
#                       (default /var/tmp/wendle-bench-trees)

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${WENDLE_BUILD:-$repo/build}
runs=${RUNS:-11}
cli="$build/program/wendle-cli"
trees=${WENDLE_BENCH_TREES:-/var/tmp/wendle-bench-trees}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# row WHAT RATIO ANCHOR GOAL: the one line a row script prints.
row() {
    printf '%s\t%sx\t%s\t%s\n' "$1" "$2" "$3" "$4"
}

# unmeasured WHAT ANCHOR GOAL PROBLEM: the row without a ratio, and why on
# standard error; exits with status 1.
unmeasured() {
    printf '%s\t-\t%s\t%s\n' "$1" "$2" "$3"
    echo "$1: $4" >&2
    exit 1
}

# same_paths OURS THEIRS: both commands (shell command lines) print the same
# set of paths.
same_paths() {
    sh -c "$1" | sort > "$work/ours"
    sh -c "$2" | sort > "$work/theirs"
    if ! cmp -s "$work/ours" "$work/theirs"; then
        diff "$work/ours" "$work/theirs" | head -5 >&2
        return 1
    fi
}

# interleaved_ratio PROGRAM ANCHOR: both shell command lines run once to warm
# the caches, then $runs times each, in turns, so that a change in the
# machine's load touches both alike; prints the ratio of the median wall
# times, program over anchor.
interleaved_ratio() {
    sh -c "$1" > /dev/null 2>&1
    sh -c "$2" > /dev/null 2>&1
    i=0
    while [ "$i" -lt "$runs" ]; do
        for side in 1 2; do
            if [ "$side" = 1 ]; then command=$1; else command=$2; fi
            start=$(date +%s%N)
            sh -c "$command" > /dev/null 2>&1
            end=$(date +%s%N)
            echo "$side $((end - start))"
        done
        i=$((i + 1))
    done | awk '
        { t[$1, ++n[$1]] = $2 }
        function median(side,   i, j, k, v, m) {
            m = n[side]
            for (i = 1; i <= m; i++) v[i] = t[side, i]
            for (i = 2; i <= m; i++)
                for (j = i; j > 1 && v[j - 1] > v[j]; j--) { k = v[j]; v[j] = v[j - 1]; v[j - 1] = k }
            return (m % 2) ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
        }
        END {
            a = median(1); b = median(2)
            if (a <= 0 || b <= 0) exit 1
            printf "%.2f\n", a / b
            printf "medians: %.1f ms against %.1f ms\n", a / 1e6, b / 1e6 > "/dev/stderr"
        }'
}

# name_tree: 200,000 empty files in 2,000 folders (40 x 50), 100 a folder,
# a quarter of them named *.h; made once. Prints its path.
name_tree() {
    tree="$trees/names-200k"
    if [ ! -e "$tree/.complete" ]; then
        rm -rf "$tree"
        mkdir -p "$tree"
        awk -v root="$tree" 'BEGIN {
            for (a = 0; a < 40; a++) for (b = 0; b < 50; b++) print root "/a" a "/b" b
        }' | xargs mkdir -p
        awk -v root="$tree" 'BEGIN {
            for (a = 0; a < 40; a++) for (b = 0; b < 50; b++) for (f = 0; f < 100; f++)
                print root "/a" a "/b" b "/f" f ((f % 4) ? ".c" : ".h")
        }' | xargs touch
        touch "$tree/.complete"
    fi
    echo "$tree"
}

# text_tree: 200,000 small files (100 to 400 bytes) in 2,000 folders, one
# in ten holding the word "needle"; made once. Prints its path.
text_tree() {
    tree="$trees/texts-200k"
    if [ ! -e "$tree/.complete" ]; then
        rm -rf "$tree"
        mkdir -p "$tree"
        awk -v root="$tree" 'BEGIN {
            for (a = 0; a < 40; a++) for (b = 0; b < 50; b++) print root "/a" a "/b" b
        }' | xargs mkdir -p
        # One generated line per file, written by split, a folder at a time.
        for folder in "$tree"/a*/b*; do
            awk -v seed="$folder" 'BEGIN {
                srand(length(seed) * 7919 + 17)
                for (f = 0; f < 100; f++) {
                    n = 100 + int(rand() * 300); line = ""
                    while (length(line) < n) line = line sprintf("word%d ", int(rand() * 100000))
                    if (f % 10 == 3) line = line "needle"
                    print line
                }
            }' | (cd "$folder" && split -l 1 -a 2 - f)
        done
        touch "$tree/.complete"
    fi
    echo "$tree"
}
