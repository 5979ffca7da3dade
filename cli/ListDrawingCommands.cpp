// A build tool: prints the drawing module's command table (see
// DrawingModule.h) for wendle-cli to be compiled with.
extern "C" int wendleDrawingMain(int argc, char** argv);

int main() {
    char program[] = "wendle-cli";
    char option[] = "--command-table";
    char* argv[] = {program, option, nullptr};
    return wendleDrawingMain(2, argv);
}
