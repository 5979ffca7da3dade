#include "DocumentTestSupport.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <type_traits>

namespace wendle::document::test {

namespace {

// Fields a document does not store.
const std::set<std::string_view> kUnstoredAppletFields = {"grid", "gridX", "gridY"};
const std::set<std::string_view> kUnstoredPanelFields = {"selected"};

// Prints 8-bit numbers as numbers.
template <class T>
auto shown(const T& value) {
    if constexpr (std::is_same_v<T, std::uint8_t>) {
        return int(value);
    } else {
        return value;
    }
}

class DistinctValues {
  public:
    explicit DistinctValues(int seed) : seed_(seed) {}

    template <class T>
    T next(const T& def, std::string_view name) {
        ++counter_;
        if constexpr (std::is_same_v<T, bool>) {
            return !def;
        } else if constexpr (std::is_same_v<T, Colour>) {
            static constexpr std::array<Colour, 6> kColours = {
                0x000000FFu, 0x80000005u, 0x1FFFFFFFu, 0xFFFFFFFFu, 0x00ABCDEFu, 0x00123456u};
            const Colour pick = kColours[std::size_t(counter_ + seed_) % kColours.size()];
            return pick == def ? pick ^ 0x00010101u : pick;
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
            return std::uint8_t(200 - (counter_ + seed_) % 50);
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
            return std::int16_t(-300 - counter_ - seed_);
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            return std::int32_t(-100000 - 3 * counter_ - seed_);
        } else {
            static_assert(std::is_same_v<T, std::string>);
            // 8-bit bytes, a carriage return inside and at the end, a NUL,
            // a leading blank: all kept by a document line.
            std::string text = " " + std::string(name) + "-" + std::to_string(seed_) + "-\xE9\xFC";
            text += (counter_ % 3 == 0) ? std::string("a\rb") : std::string("x\0y", 3);
            if (counter_ % 4 == 0)
                text += "\r";
            return text;
        }
    }

  private:
    int seed_;
    int counter_ = 0;
};

const std::array<const char*, 7> kCaptions = {
    "Our\r\nShop",  "Ends with a break\r\n", "", "\r\n", "One\rtwo", "Three\r\nline\r\ncaption",
    "\xC0 la carte"};

}  // namespace

void fillEveryField(TVelkForm& applet, int seed) {
    DistinctValues values(seed);
#define WENDLE_FILL_FORM(Type, name, Name, def, marks) \
    applet.set##Name(values.next<Type>(Type(def), #name));
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_FILL_FORM)
#undef WENDLE_FILL_FORM
#define WENDLE_FILL_TEXT_BOX(Type, name, Name, def) \
    applet.set##Name(values.next<Type>(Type(def), #name));
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_FILL_TEXT_BOX)
#undef WENDLE_FILL_TEXT_BOX
    // A hidden text box is parked by the refill; a shown one keeps its place.
    applet.setTextBoxVisible(1);
    applet.textBox().setBounds(7 + seed, 40, 120, 33);
    applet.setClientSize(321 + seed, 222);

    int ordinal = 0;
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            TVelkPanel& panel = *applet.statePanel(state, slot);
#define WENDLE_FILL_PANEL(Type, name, Name, def, marks) \
    panel.set##Name(values.next<Type>(Type(def), #name));
            WENDLE_VELK_PANEL_PROPERTIES(WENDLE_FILL_PANEL)
#undef WENDLE_FILL_PANEL
            panel.setBounds(3 + slot + state, 30 + 2 * slot - state, 50 + state, 20 + state);
            panel.setCaption(kCaptions[std::size_t(ordinal * 3 + state + seed) % kCaptions.size()]);
        }
        ++ordinal;
    }
}

void expectSameDocument(const TVelkForm& expected, const TVelkForm& actual) {
#define WENDLE_COMPARE_FORM(Type, name, Name, def, marks)                           \
    if (!kUnstoredAppletFields.contains(#name)) {                                   \
        EXPECT_EQ(shown(expected.name()), shown(actual.name())) << "applet " #name; \
    }
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_COMPARE_FORM)
#undef WENDLE_COMPARE_FORM
#define WENDLE_COMPARE_TEXT_BOX(Type, name, Name, def) \
    EXPECT_EQ(expected.name(), actual.name()) << "applet " #name;
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_COMPARE_TEXT_BOX)
#undef WENDLE_COMPARE_TEXT_BOX
    EXPECT_EQ(expected.clientWidth(), actual.clientWidth());
    EXPECT_EQ(expected.clientHeight(), actual.clientHeight());
    const TvelkTextBox& box = expected.textBox();
    const TvelkTextBox& readBox = actual.textBox();
    EXPECT_EQ((Bounds{box.left, box.top, box.width, box.height}),
              (Bounds{readBox.left, readBox.top, readBox.width, readBox.height}))
        << "text box bounds";

    EXPECT_EQ(expected.buttonCount(), actual.buttonCount());
    ASSERT_EQ(expected.usedSlots().size(), actual.usedSlots().size());
    for (std::size_t ordinal = 0; ordinal < expected.usedSlots().size(); ++ordinal) {
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel* want = expected.statePanel(state, expected.usedSlots()[ordinal]);
            const TVelkPanel* got = actual.statePanel(state, actual.usedSlots()[ordinal]);
            ASSERT_TRUE(want && got);
            const std::string where =
                "button " + std::to_string(ordinal) + " state " + std::to_string(state) + " ";
#define WENDLE_COMPARE_PANEL(Type, name, Name, def, marks)                    \
    if (!kUnstoredPanelFields.contains(#name) &&                              \
        (state == 1 || std::string_view(#name) != "itemName")) {              \
        EXPECT_EQ(shown(want->name()), shown(got->name())) << where << #name; \
    }
            WENDLE_VELK_PANEL_PROPERTIES(WENDLE_COMPARE_PANEL)
#undef WENDLE_COMPARE_PANEL
            EXPECT_EQ(want->caption(), got->caption()) << where << "caption";
            EXPECT_EQ(int(want->state()), int(got->state())) << where << "state";
            EXPECT_EQ((Bounds{want->left(), want->top(), want->width(), want->height()}),
                      (Bounds{got->left(), got->top(), got->width(), got->height()}))
                << where << "geometry";
        }
    }
}

::testing::AssertionResult isConsistent(const TVelkForm& applet) {
    if (applet.buttonCount() != int(applet.usedSlots().size())) {
        return ::testing::AssertionFailure() << "buttonCount " << applet.buttonCount() << " but "
                                             << applet.usedSlots().size() << " used slots";
    }
    const auto& used = applet.usedSlots();
    for (int slot = 0; slot < kMaxSlots; ++slot) {
        const bool isUsed = std::find(used.begin(), used.end(), slot) != used.end();
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel* panel = applet.statePanel(state, slot);
            if (isUsed != (panel != nullptr)) {
                return ::testing::AssertionFailure()
                       << "slot " << slot << " state " << state << (isUsed ? " missing" : " stray");
            }
            if (panel && (panel->state() != state || panel->tag() != slot)) {
                return ::testing::AssertionFailure() << "slot " << slot << " mislabelled";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/wendle-doc-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        std::abort();
    path_ = pattern;
}

TempFolder::~TempFolder() {
    // Restore permissions a test may have taken away, then remove everything.
    std::string command = "chmod -R u+rwx '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", path_.c_str());
}

std::vector<std::string> TempFolder::entries() const {
    return listFolder(path_);
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

TVelkForm& RecordingHost::resetDocument() {
    calls.push_back("resetDocument");
    return AppletDocumentHost::resetDocument();
}

void RecordingHost::deleteAppletCopies() {
    calls.push_back("deleteAppletCopies");
}

void RecordingHost::addRecentDocument(const std::string& path) {
    calls.push_back("addRecentDocument " + path);
    AppletDocumentHost::addRecentDocument(path);
}

void RecordingHost::showMessage(const std::string& text) {
    calls.push_back("showMessage " + text);
    AppletDocumentHost::showMessage(text);
}

void RecordingHost::updateGeneralWindow() {
    calls.push_back("updateGeneralWindow");
}

void RecordingHost::setButtonListCaption(int ordinal, const std::string& name) {
    calls.push_back("setButtonListCaption " + std::to_string(ordinal) + " " + name);
}

void RecordingHost::loadAppletImage(TVelkForm&, const std::string& fallbackFolder) {
    calls.push_back("loadAppletImage " + fallbackFolder);
}

void RecordingHost::loadStateImage(TVelkForm&, TVelkPanel& panel,
                                   const std::string& fallbackFolder) {
    calls.push_back("loadStateImage " + std::to_string(panel.state()) + " " + fallbackFolder);
}

std::string publishable(const std::string& name, const std::string& text) {
    const std::string extension = name.substr(name.rfind('.') + 1);
    if (extension == "gif" || extension == "GIF")
        return "GIF89a" + text;
    if (extension == "jpg" || extension == "JPG")
        return "\xFF\xD8\xFF" + text;
    return ".snd" + text;
}

}  // namespace wendle::document::test
