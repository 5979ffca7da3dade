// Rules of the code's shape that a compiler cannot see, checked on the
// sources themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Comments and string literals say nothing about calls.
std::string codeOnly(const std::string& text) {
    static const std::regex kNoise(R"(//[^\n]*|/\*[\s\S]*?\*/|"(\\.|[^"\\\n])*")");
    return std::regex_replace(text, kNoise, " ");
}

std::vector<fs::path> sourcesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto extension = entry.path().extension();
        if (extension == ".cpp" || extension == ".h")
            files.push_back(entry.path());
    }
    return files;
}

// Every setter the model's classes declare: the generated ones of the
// property tables and the ones written out.
std::set<std::string> modelSetters(const fs::path& model) {
    static const std::regex kTableEntry(R"(X\([^,()]+,\s*\w+,\s*(\w+),)");
    static const std::regex kDeclared(R"(\bvoid\s+(set[A-Z]\w*)\s*\()");
    std::set<std::string> setters;
    for (const fs::path& file : sourcesIn(model)) {
        const std::string text = readText(file);
        for (std::sregex_iterator it(text.begin(), text.end(), kTableEntry), end; it != end; ++it)
            setters.insert("set" + (*it)[1].str());
        for (std::sregex_iterator it(text.begin(), text.end(), kDeclared), end; it != end; ++it)
            setters.insert((*it)[1].str());
    }
    return setters;
}

// Setter names that Qt's own classes use too (QWidget::setVisible,
// QRect::setLeft, ...): a call counts only on a receiver named as a model
// object is.
const std::set<std::string> kSharedWithQt = {
    "setVisible",  "setLeft",  "setTop",    "setWidth",    "setHeight",    "setSelected",
    "setModified", "setFrame", "setState",  "setGrid",     "setLink",      "setStatus",
    "setCaption",  "setTag",   "setBounds", "setObserver", "setAttachment"};

TEST(Architecture, OnlyTheDocumentAndItsCommandsCallModelSetters) {
    const fs::path src = WENDLE_SOURCE_DIR;
    const std::set<std::string> setters = modelSetters(src / "model");
    ASSERT_GT(setters.size(), 60u) << "the property tables were not found";
    const std::set<std::string> allowed = {"AppletDocument.cpp", "EditCommand.cpp"};
    static const std::regex kCall(R"(([\w\]\)\(]+)\s*(\.|->)\s*(set[A-Z]\w*)\s*\()");
    static const std::regex kModelReceiver(
        R"((applet|panel|form|box|first|source|textBox)\w*(\(\))?$)", std::regex::icase);
    static const std::regex kDocumentReceiver(R"((^|\W)document_?(\(\))?$)");

    std::vector<std::string> found;
    for (const fs::path& file : sourcesIn(src / "editor")) {
        if (allowed.count(file.filename().string()))
            continue;
        const std::string code = codeOnly(readText(file));
        for (std::sregex_iterator it(code.begin(), code.end(), kCall), end; it != end; ++it) {
            const std::string receiver = (*it)[1].str();
            const std::string setter = (*it)[3].str();
            if (!setters.count(setter))
                continue;
            // The document's own calls of the same name are the sanctioned way.
            if (std::regex_search(receiver, kDocumentReceiver))
                continue;
            if (kSharedWithQt.count(setter) && !std::regex_search(receiver, kModelReceiver))
                continue;
            found.push_back(file.filename().string() + ": " + receiver + (*it)[2].str() + setter);
        }
        // A setter handed over as a member pointer is called elsewhere.
        static const std::regex kPointer(R"(&\s*T(VelkPanel|VelkForm|velkTextBox)::set[A-Z]\w*)");
        for (std::sregex_iterator it(code.begin(), code.end(), kPointer), end; it != end; ++it)
            found.push_back(file.filename().string() + ": " + it->str());
    }
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(Architecture, OnlyTheDocumentChangesTheSelection) {
    const fs::path src = WENDLE_SOURCE_DIR;
    static const std::regex kChange(
        R"(\b(SelectOneItem|UnselectOneItem|UnselectAll|addToSelection|removeFromSelection)\s*\()");
    std::vector<std::string> found;
    for (const fs::path& file : sourcesIn(src / "editor")) {
        if (file.filename() == "AppletDocument.cpp")
            continue;
        const std::string code = codeOnly(readText(file));
        if (std::regex_search(code, kChange))
            found.push_back(file.filename().string());
    }
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(Architecture, WindowsSetTheUpdatingFlagOnlyThroughItsGuard) {
    const fs::path src = WENDLE_SOURCE_DIR;
    std::vector<std::string> found;
    for (const fs::path& file : sourcesIn(src / "editor")) {
        const std::string code = codeOnly(readText(file));
        if (code.find("setUpdatingControls(") != std::string::npos)
            found.push_back(file.filename().string());
    }
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

TEST(Architecture, WindowsWriteNoTextBoxFieldByHand) {
    const fs::path src = WENDLE_SOURCE_DIR;
    static const std::regex kWrite(R"(textBox\(\)\s*\.\s*(\w+\s*=[^=]|setBounds\s*\())");
    std::vector<std::string> found;
    for (const fs::path& file : sourcesIn(src / "editor")) {
        const std::string code = codeOnly(readText(file));
        if (std::regex_search(code, kWrite))
            found.push_back(file.filename().string());
    }
    EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
}

}  // namespace
