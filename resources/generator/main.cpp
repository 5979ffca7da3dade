// wendle-content: makes what lies beside the program. Everything it writes
// is drawn or composed from this code, so the build can always make it
// again.
//
//   wendle-content images FOLDER               the "Button Images" pictures
//   wendle-content icons FOLDER                the program and document icons
//   wendle-content templates FOLDER            the ten template documents
//   wendle-content samples FOLDER WENDLE-CLI   the samples page and pictures
//
// The templates name their pictures and sounds as "Button Images/<name>" and
// "Sounds/<name>", which the program finds beside itself wherever it lies.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ButtonImages.h"
#include "Icons.h"
#include "PictureFiles.h"
#include "SamplesPage.h"
#include "Templates.h"

namespace {

using namespace wendle::content;

std::string asFolder(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::vector<std::string> writeIcons(const std::string& folder) {
    std::vector<std::string> problems;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(side);
        for (const auto& problem :
             {writePng(applicationIcon(side), folder + "wendle-" + size + ".png"),
              writePng(documentIcon(side), folder + "document-" + size + ".png")}) {
            if (!problem.empty())
                problems.push_back(problem);
        }
    }
    return problems;
}

int usage() {
    std::fprintf(stderr,
                 "usage: wendle-content images FOLDER\n"
                 "       wendle-content icons FOLDER\n"
                 "       wendle-content templates FOLDER\n"
                 "       wendle-content samples FOLDER WENDLE-CLI\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2)
        return usage();
    const std::string& command = args[0];
    const std::string folder = asFolder(args[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "wendle-content: %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }

    std::vector<std::string> problems;
    if (command == "images" && args.size() == 2) {
        problems = writeButtonImages(folder);
    } else if (command == "icons" && args.size() == 2) {
        problems = writeIcons(folder);
    } else if (command == "templates" && args.size() == 2) {
        problems = writeTemplates(folder);
    } else if (command == "samples" && args.size() == 3) {
        problems = writeSamplesPage(folder, args[2]);
    } else {
        return usage();
    }
    for (const auto& problem : problems)
        std::fprintf(stderr, "wendle-content: %s\n", problem.c_str());
    return problems.empty() ? 0 : 1;
}
