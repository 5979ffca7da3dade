#include <cstdio>
#include <cstdlib>

#include "CommandLine.h"

int main(int argc, char** argv) {
    // Drawing runs headless: never ask for a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int status = wendle::cli::runCommandLine(argc, argv);
    // The command has written and closed its files. Taking down what a
    // drawing command started (fonts, the headless platform) would only cost
    // time, so the process ends here once its output is out.
    if (std::fflush(nullptr) != 0 && status == 0)
        status = 1;
    std::_Exit(status);
}
