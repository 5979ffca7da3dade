#pragma once

#include <functional>
#include <string>
#include <vector>

namespace wendle {

enum class TPMRUDisplay { pmdFileOnly, pmdFullPath, pmdAbbPath };
enum class TPMRUPlacement { pmpDescending, pmpBefore };

// One entry of the recent-documents menu.
struct TPMRUEntry {
    std::string Caption;   // "&1 Toolbar One.wdf"
    std::string FileName;  // the full path
    int MRUIndex = 0;      // position, counted from 1
    bool operator==(const TPMRUEntry&) const = default;
};

// What the editor puts in its menu. With pmpDescending the entries are the
// sub-items of MenuItem, after a separator when SeparatorBefore; with
// pmpBefore they stand in the parent menu in front of MenuItem, followed by a
// separator when SeparatorAfter. A separator is only asked for next to
// entries: an empty list needs none.
struct TPMRUMenu {
    std::string MenuItem;
    TPMRUPlacement Placement = TPMRUPlacement::pmpDescending;
    bool SeparatorBefore = false;
    bool SeparatorAfter = false;
    std::vector<TPMRUEntry> Entries;
};

// The list of recently used documents, most recent first.
class RecentDocumentList {
  public:
    // Puts the path at the top, removing an entry equal to it (letter case
    // ignored, as the program has always compared paths).
    void add(const std::string& path);
    // Replaces the list (as restored), keeping the first of equal paths and
    // leaving out empty ones.
    void assign(const std::vector<std::string>& paths);
    // Removes the entries whose files no longer exist.
    void removeMissing(const std::function<bool(const std::string&)>& exists);

    const std::vector<std::string>& paths() const { return paths_; }
    // The newest `count` entries.
    std::vector<std::string> newest(int count) const;

    static bool samePath(const std::string& a, const std::string& b);

    // Measures a text in pixels as the menu will show it.
    using TextWidth = std::function<int(const std::string&)>;

    // "&%d %s" with the position from 1 and the display text; an "&" in the
    // text is doubled so that it shows as itself, not as a mnemonic.
    static std::string caption(int position, const std::string& displayText);
    // The file name part, the full path, or the path shortened with "..." in
    // its middle to fit `maxWidth` pixels.
    static std::string displayText(const std::string& path, TPMRUDisplay display, int maxWidth,
                                   const TextWidth& width);
    static std::string abbreviated(const std::string& path, int maxWidth, const TextWidth& width);
    static std::string fileNameOf(const std::string& path);

  private:
    std::vector<std::string> paths_;
};

}  // namespace wendle
