#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "document/AppletDocumentHost.h"
#include "model/VelkForm.h"

namespace wendle::document::test {

// Expects every field a document stores to be equal in both applets: the
// applet's properties (not the grid), its size, the text box settings and
// the text box panel's bounds, and for each button by ordinal every property
// of its three states, their captions and geometry (itemName of state 1
// only). Buttons are compared by ordinal since a read renumbers the slots.
void expectSameDocument(const TVelkForm& expected, const TVelkForm& actual);

// Gives every stored field of the applet and of all its buttons a value
// that differs from its default and from the other fields, derived from the
// seed: awkward texts (8-bit bytes, carriage returns, a NUL byte), colours
// with and without names, negative numbers, per-state geometry. The same
// seed gives the same applet.
void fillEveryField(TVelkForm& applet, int seed);

// True when the applet holds together: buttonCount equals the used slots,
// each used slot has its three states and no other slot has any.
::testing::AssertionResult isConsistent(const TVelkForm& applet);

// The lines of a document (split at CR LF).
std::vector<std::string> linesOf(std::string_view text);
// Joins lines, each followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// A folder of its own under the system's temporary folder, removed with
// everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Names in the folder, sorted.
    std::vector<std::string> entries() const;

  private:
    std::string path_;
};

std::string readFile(const std::string& path);
// The names in a folder, sorted; none when it is missing.
std::vector<std::string> listFolder(const std::string& folder);
void writeFile(const std::string& path, std::string_view bytes);
// The contents of a picture or sound that publishing takes: the signature
// its extension calls for (GIF, JPEG, or the .snd header of a sound),
// followed by the text.
std::string publishable(const std::string& name, const std::string& text);

// A host that records what the document layer asked of it, in order.
class RecordingHost : public AppletDocumentHost {
  public:
    std::vector<std::string> calls;

    TVelkForm& resetDocument() override;
    void deleteAppletCopies() override;
    void addRecentDocument(const std::string& path) override;
    void showMessage(const std::string& text) override;
    void updateGeneralWindow() override;
    void setButtonListCaption(int ordinal, const std::string& name) override;
    void loadAppletImage(TVelkForm& applet, const std::string& fallbackFolder) override;
    void loadStateImage(TVelkForm& applet, TVelkPanel& panel,
                        const std::string& fallbackFolder) override;
};

}  // namespace wendle::document::test
