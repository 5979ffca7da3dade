#pragma once

#include <string>
#include <vector>

namespace wendle::cli {

// The commands that draw live in a module beside wendle-cli, loaded only
// when one of them is asked for, so the other commands never load the GUI
// library.
inline constexpr const char* kDrawingModule = "wendle-cli-draw.so";

// render runs first in a module of its own that draws captions with
// FreeType alone and never loads the GUI library. What it cannot draw there
// exactly as the GUI library would, it hands on: it returns
// kRunWithGuiLibrary before writing anything, and the command runs again in
// kDrawingModule.
inline constexpr const char* kRenderModule = "wendle-cli-render.so";
inline constexpr const char* kRenderCommand = "render";
inline constexpr int kRunWithGuiLibrary = 75;

// Beside the module: a folder of Qt plugins holding just the offscreen
// platform (see HeadlessGui::usePluginFolder).
inline constexpr const char* kHeadlessPluginFolder = "qt-plugins";

// The module's one entry point, by this name:
//   int wendleDrawingMain(int argc, char** argv);
// argc and argv as main's, argv[1] naming the command.
inline constexpr const char* kDrawingEntry = "wendleDrawingMain";
using DrawingEntry = int (*)(int argc, char** argv);

// Runs a drawing command in the module with the given arguments; its output
// and status are the command's own. When the module cannot be loaded, says
// so on standard error and returns 1.
int runDrawingCommand(const char* name, const std::vector<std::string>& args);

// Prints C++ source to standard output that registers every command linked
// into this program in wendle-cli as a command run by runDrawingCommand.
// The build asks the module for it.
void printCommandTable();

}  // namespace wendle::cli
