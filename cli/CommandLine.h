#pragma once

namespace wendle::cli {

// Runs the command named by argv[1] with the arguments after it among the
// commands linked into this program, or prints help or the version.
// Returns the exit status; what the command writes is flushed by the caller.
int runCommandLine(int argc, char** argv);

}  // namespace wendle::cli
