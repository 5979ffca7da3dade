#include <cstdio>
#include <cstring>

#include "model/AppletHTML.h"
#include "model/VelkForm.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("wendle-cli 5.0");
        return 0;
    }
    wendle::TVelkForm applet;
    for (int i = 0; i < 4; ++i) applet.CreateMenuItem();
    applet.setClientSize(105, 156);
    for (const auto& line : wendle::buildAppletHTML(applet)) std::puts(line.c_str());
    return 0;
}
