// bench-compare: times a program against its anchor, run after run in
// turns, and prints the ratio of their medians.
//
//   bench-compare [--runs N] [--measure wall|cpu|memory] [--quiet]
//                 -- PROGRAM ARGS... -- ANCHOR ARGS...
//
// wall: elapsed time from start to exit; cpu: user + system time of the
// process and its children; memory: peak resident set size. Each side runs
// once first to warm caches, then N times each (default 21), alternating,
// so a change in the machine's load touches both alike. Standard output of
// both goes to /dev/null; standard error is kept. A run that exits non-zero
// ends the comparison with status 1. Without --quiet, the medians go to
// standard error.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum class Measure { Wall, Cpu, Memory };

struct Options {
    int runs = 21;
    Measure measure = Measure::Wall;
    bool quiet = false;
    std::vector<char*> program;
    std::vector<char*> anchor;
};

double seconds(const timeval& t) {
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// One run of command; the measured quantity, or a negative number when the
// command failed.
double runOnce(std::vector<char*>& command, Measure measure) {
    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDOUT_FILENO);
        execvp(command[0], command.data());
        std::fprintf(stderr, "bench-compare: cannot start %s: %s\n", command[0],
                     std::strerror(errno));
        _exit(127);
    }
    if (child < 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return -1;
    const double elapsed = now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench-compare: %s failed (status %d)\n", command[0], status);
        return -1;
    }
    switch (measure) {
        case Measure::Wall:
            return elapsed;
        case Measure::Cpu:
            return seconds(usage.ru_utime) + seconds(usage.ru_stime);
        case Measure::Memory:
            return double(usage.ru_maxrss);  // KiB
    }
    return -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool parse(int argc, char** argv, Options& options) {
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
        } else if (arg == "--measure" && i + 1 < argc) {
            const std::string what = argv[++i];
            if (what == "wall")
                options.measure = Measure::Wall;
            else if (what == "cpu")
                options.measure = Measure::Cpu;
            else if (what == "memory")
                options.measure = Measure::Memory;
            else
                return false;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else {
            return false;
        }
    }
    std::vector<char*>* side = nullptr;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            side = side == nullptr ? &options.program : &options.anchor;
            continue;
        }
        if (side == nullptr)
            return false;
        side->push_back(argv[i]);
    }
    options.program.push_back(nullptr);
    options.anchor.push_back(nullptr);
    return options.runs > 0 && options.program.size() > 1 && options.anchor.size() > 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: bench-compare [--runs N] [--measure wall|cpu|memory] [--quiet]"
                     " -- PROGRAM ARGS... -- ANCHOR ARGS...\n");
        return 2;
    }
    if (runOnce(options.program, options.measure) < 0 ||
        runOnce(options.anchor, options.measure) < 0)
        return 1;
    std::vector<double> program, anchor;
    for (int run = 0; run < options.runs; ++run) {
        // Alternate which goes first, so neither always follows the other.
        for (int side = 0; side < 2; ++side) {
            const bool programTurn = (side == 0) == (run % 2 == 0);
            const double value =
                runOnce(programTurn ? options.program : options.anchor, options.measure);
            if (value < 0)
                return 1;
            (programTurn ? program : anchor).push_back(value);
        }
    }
    const double p = median(program), a = median(anchor);
    if (!options.quiet) {
        const char* unit = options.measure == Measure::Memory ? "KiB" : "ms";
        const double scale = options.measure == Measure::Memory ? 1 : 1000;
        std::fprintf(stderr, "%s: %.2f %s, %s: %.2f %s (medians of %d)\n", options.program[0],
                     p * scale, unit, options.anchor[0], a * scale, unit, options.runs);
    }
    if (a <= 0) {
        std::fprintf(stderr, "bench-compare: the anchor measured nothing\n");
        return 1;
    }
    std::printf("%.2f\n", p / a);
    return 0;
}
