#include "SamplesPage.h"

#include <spawn.h>
#include <sys/wait.h>

#include <QImage>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Templates.h"

extern char** environ;

namespace wendle::content {

namespace {

const char* const kStateNames[] = {"On Load", "On MouseOver", "On Click"};

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Runs the program with these arguments and waits; returns the problem.
std::string run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (const int error = posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ))
        return arguments[0] + ": " + std::strerror(error);
    int status = 0;
    if (waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string command;
        for (const auto& argument : arguments) command += "'" + argument + "' ";
        return "failed: " + command;
    }
    return {};
}

std::string pictureName(const Template& entry, int state) {
    return "Samples/" + entry.slug + "-" + std::to_string(state) + ".png";
}

void writeStyle(std::ostream& out) {
    out << "<style>\n"
           "body { font-family: Arial, Helvetica, sans-serif; margin: 0; color: #222; "
           "background: #f4f5f7; }\n"
           "header { background: #1e2a78; color: #fff; padding: 24px 40px; }\n"
           "header h1 { margin: 0 0 6px 0; font-size: 28px; }\n"
           "header p { margin: 0; color: #d6dcff; }\n"
           "main { padding: 8px 40px 40px 40px; max-width: 1100px; }\n"
           "nav ol { columns: 2; padding-left: 20px; }\n"
           "section { background: #fff; border: 1px solid #d8dbe2; border-radius: 6px; "
           "margin: 24px 0; padding: 18px 24px; }\n"
           "section h2 { margin: 0 0 4px 0; color: #1e2a78; }\n"
           ".where { color: #666; font-size: 13px; margin: 0 0 12px 0; }\n"
           ".states { display: flex; flex-wrap: wrap; gap: 18px; align-items: flex-start; }\n"
           "figure { margin: 0; }\n"
           "figure img { display: block; border: 1px solid #c8ccd4; image-rendering: pixelated; "
           "}\n"
           "figcaption { font-size: 12px; color: #555; margin-top: 4px; }\n"
           "table { border-collapse: collapse; margin-top: 14px; font-size: 13px; }\n"
           "th, td { text-align: left; padding: 3px 14px 3px 0; border-bottom: 1px solid #eee; "
           "}\n"
           "th { color: #555; font-weight: normal; }\n"
           "code { font-family: 'Courier New', monospace; }\n"
           "</style>\n";
}

void writeSection(std::ostream& out, const Template& entry, const std::string& programFolder) {
    const Applet applet = entry.build();
    out << "<section id=\"" << entry.slug << "\">\n<h2>" << escaped(entry.caption) << "</h2>\n"
        << "<p class=\"where\">Templates menu: <b>" << escaped(entry.caption)
        << "</b> &mdash; document <code>" << escaped(entry.file) << "</code>, " << applet.width
        << " &times; " << applet.height << " pixels, " << applet.buttons.size() << " buttons</p>\n"
        << "<p>" << escaped(entry.about) << "</p>\n<div class=\"states\">\n";
    for (int state = 1; state <= 3; ++state) {
        const std::string name = pictureName(entry, state);
        const QImage picture(QString::fromStdString(programFolder + name));
        out << "<figure><img src=\"" << name << "\" width=\"" << picture.width() << "\" height=\""
            << picture.height() << "\" alt=\"" << escaped(entry.caption) << ", "
            << kStateNames[state - 1] << "\"><figcaption>Every button " << kStateNames[state - 1]
            << "</figcaption></figure>\n";
    }
    out << "</div>\n<table>\n<tr><th>Button</th><th>Link</th><th>Hint</th><th>Status "
           "bar</th></tr>\n";
    for (const Button& button : applet.buttons) {
        out << "<tr><td>" << escaped(button.caption) << "</td><td><code>" << escaped(button.link)
            << "</code></td><td>" << escaped(button.hint) << "</td><td>" << escaped(button.status)
            << "</td></tr>\n";
    }
    out << "</table>\n</section>\n";
}

}  // namespace

std::vector<std::string> writeSamplesPage(const std::string& programFolder,
                                          const std::string& batchTool) {
    std::vector<std::string> problems;
    std::error_code error;
    std::filesystem::create_directories(programFolder + "Samples", error);
    if (error)
        return {programFolder + "Samples: " + error.message()};
    for (const Template& entry : templates()) {
        for (int state = 1; state <= 3; ++state) {
            const std::string problem =
                run({batchTool, "render", programFolder + entry.file,
                     programFolder + pictureName(entry, state), "--state", std::to_string(state)});
            if (!problem.empty())
                problems.push_back(problem);
        }
    }
    if (!problems.empty())
        return problems;

    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Wendle Samples</title>\n";
    writeStyle(out);
    out << "</head>\n<body>\n<header><h1>Wendle Samples</h1>\n"
           "<p>The ten templates of the Templates menu, each drawn in its three states.</p>"
           "</header>\n<main>\n"
           "<p>Every template is an ordinary Wendle document that lies beside the program. "
           "Choose it from the <b>Templates</b> menu to start a new button bar from it: it "
           "opens untitled, so the first <b>Save Applet</b> asks for a name of your own and "
           "the template stays as it is. The pictures below show each template as the preview "
           "draws it, first with every button in its <b>On Load</b> look, then as each looks "
           "<b>On MouseOver</b> and <b>On Click</b>. The pictures and sounds the templates "
           "use come from the <b>Button Images</b> and <b>Sounds</b> folders.</p>\n"
           "<nav><ol>\n";
    for (const Template& entry : templates()) {
        out << "<li><a href=\"#" << entry.slug << "\">" << escaped(entry.caption) << "</a></li>\n";
    }
    out << "</ol></nav>\n";
    for (const Template& entry : templates()) writeSection(out, entry, programFolder);
    out << "</main>\n</body>\n</html>\n";

    const std::string path = programFolder + "Samples.html";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file.flush())
        problems.push_back(path + ": cannot be written");
    return problems;
}

}  // namespace wendle::content
