#pragma once

#include <string>
#include <vector>

namespace wendle::cli {

// The file name of the executable that runs the commands that draw; it
// lies beside wendle-cli.
inline constexpr const char* kDrawingProgram = "wendle-cli-draw";

// Runs a drawing command by replacing this process with the drawing
// program, given the same command and arguments, so its output and exit
// status are the command's own. Returns only when the program cannot be
// started (status 1, said on standard error).
int runDrawingCommand(const char* name, const std::vector<std::string>& args);

// Prints C++ source to standard output that registers every command of
// this program in another one as a command that runs it through
// runDrawingCommand. The build asks the drawing program for it.
void printCommandTable();

}  // namespace wendle::cli
