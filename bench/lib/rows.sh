# Sourced by the scripts in bench/rows: where the programs are, and how a
# row is printed.
#
#   WENDLE_BUILD  the build folder (default: build/ of this checkout)
#   RUNS          timed runs of each side (default 21)

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=${WENDLE_BUILD:-$repo/build}
runs=${RUNS:-21}
compare="$build/bench/bench-compare"
cli="$build/program/wendle-cli"
editor="$build/program/wendle"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# row WHAT RATIO ANCHOR GOAL: the one line a row script prints.
row() {
    printf '%s\t%sx\t%s\t%s\n' "$1" "$2" "$3" "$4"
}

# unmeasured WHAT ANCHOR GOAL PROBLEM: the row with no ratio, and why, on
# standard error; exits with status 1.
unmeasured() {
    printf '%s\t-\t%s\t%s\n' "$1" "$2" "$3"
    echo "$1: $4" >&2
    exit 1
}

# need PROGRAM...: every program exists, or the row cannot be measured.
need() {
    for program in "$@"; do
        [ -x "$program" ] || return 1
    done
}

# The benchmarks' full bar: 99 captioned buttons in an 11 x 9 grid.
grid_document() {
    [ -s "$work/grid.wdf" ] || "$build/bench/bench-grid-document" "$work/grid.wdf" >&2
    echo "$work/grid.wdf"
}

# google_ratio PROGRAM FILTER NAME ANCHOR_NAME: the ratio of the median CPU
# times of two benchmarks of one Google Benchmark program, run in random
# interleaved order.
google_ratio() {
    "$1" --benchmark_filter="$2" --benchmark_repetitions="$runs" \
        --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, -v program="$3_median" -v anchor="$4_median" '
            { gsub(/"/, "", $1) }
            $1 == program { p = $4 }
            $1 == anchor { a = $4 }
            END { if (p > 0 && a > 0) printf "%.2f\n", p / a; else exit 1 }'
}

# start_display: a virtual X display for the programs with windows, started
# here (and stopped on exit) unless WENDLE_BENCH_DISPLAY names one.
start_display() {
    if [ -n "${WENDLE_BENCH_DISPLAY:-}" ]; then
        DISPLAY=$WENDLE_BENCH_DISPLAY
        export DISPLAY
        return 0
    fi
    command -v Xvfb >/dev/null || return 1
    for n in $(seq 150 199); do
        [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
    DISPLAY=":$n"
    export DISPLAY
    # Ready once a client can connect.
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        [ -e "/tmp/.X11-unix/X$n" ] && sleep 0.2 && return 0
        sleep 0.1
    done
    return 1
}
