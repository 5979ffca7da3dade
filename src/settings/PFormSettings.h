#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings/PSettings.h"
#include "settings/RecentDocuments.h"
#include "settings/SettingsOwner.h"

namespace wendle {

class TPAppSettings;

// Which parts of the window's placement are kept.
enum TPFormSaveOption : unsigned {
    pfsLeft = 1,
    pfsTop = 2,
    pfsWidth = 4,
    pfsHeight = 8,
    pfsState = 16,
};

// Where the values go: the registry-like store, or the OnUserSave and
// OnUserRestore handlers.
enum class TPSaveLocation { pslRegistry, pslUser };

// The settings component of one window: keeps chosen property values, the
// window's placement if asked, and a list of recently used documents, under
// the window's key. The window drives it (see restore, save, windowShown).
class TPFormSettings : public TPSettings {
  public:
    // Throws SettingsError("Parent must be a TCustomForm descendent") unless
    // `owner` is a top-level window. The defaults follow the window's frame:
    // a sizeable window keeps its whole placement (without the state when it
    // has neither a minimise nor a maximise button) and four recent
    // documents; a fixed-size, dialog or tool window only its position and
    // no recent documents; a window without border nothing.
    explicit TPFormSettings(SettingsOwner* owner);

    unsigned FormSaveOpt = 0;  // TPFormSaveOption flags
    TPSaveLocation SaveLocation = TPSaveLocation::pslRegistry;
    std::string MRUMenuItem;  // the name of the menu item the list belongs to
    int MRULength = 4;
    TPMRUDisplay MRUDisplay = TPMRUDisplay::pmdFullPath;
    int MRUMaxItemWidth = 200;  // pixels, for pmdAbbPath
    TPMRUPlacement MRUPlacement = TPMRUPlacement::pmpDescending;
    // The component that stores the settings with a RelAppSetting.
    TPAppSettings* AppSettingsCtrl = nullptr;
    // Also hand added documents to the desktop's recently-used list.
    bool AddToRecentDocs = true;
    // Drop entries whose files are gone each time the menu is built.
    bool MRUValidate = true;

    // Choosing an entry: the entry, its full path and its position from 1.
    std::function<void(TPFormSettings& sender, const TPMRUEntry& menuItem,
                       const std::string& fileName, int mruIndex)>
        OnMRUClick;
    // May change the last part of the key (the window's name by default).
    std::function<void(const TPFormSettings& sender, std::string& formKeyName)> OnSetFormKeyName;
    // The list changed (added to, restored): rebuild the menu from BuildMRUMenu.
    std::function<void(TPFormSettings& sender)> OnMRUChange;
    // Measures menu texts for pmdAbbPath (the editor's font metrics). Unset,
    // a path counts 7 pixels a character.
    RecentDocumentList::TextWidth MRUTextWidth;
    // Hands a document to the desktop's recent list; by default the
    // freedesktop "recently-used.xbel". Failures there are not the user's
    // concern and are ignored.
    std::function<void(const std::string& path)> AddToDesktopRecent;

    // --- Driven by the window ---
    // Once, right after the window and its controls have been made. Later
    // calls do nothing and return false.
    bool restore();
    // When the window is closed, hidden or destroyed: saves, at most once
    // until windowShown(). Does nothing before restore(), so a window torn
    // down early never overwrites what was kept with its designed values.
    // Returns the failure of writing the store, if any.
    platform::IoResult save();
    // The window is shown again: the next save() saves.
    void windowShown() { saveDue_ = true; }
    bool SaveDue() const { return saveDue_ && Restored(); }

    // --- Recent documents ---
    // Puts a document at the top of the list (nothing when MRULength is 0).
    void AddMRUItem(const std::string& path);
    // The entries of the menu, newest first, at most MRULength; drops
    // missing files first when MRUValidate. `menuHasOtherItems`: the menu
    // item already holds other items, so a separator comes first.
    TPMRUMenu BuildMRUMenu(bool menuHasOtherItems);
    // The user chose the entry at this position (from 1) of the last menu
    // built: calls OnMRUClick. False when there is no such entry.
    bool ClickMRUEntry(int mruIndex);
    // The number of entries the menu shows.
    int MRUCount() const;
    const std::vector<std::string>& MRUList() const { return recent_.paths(); }

    SettingsOwner& Owner() const { return *owner_; }
    SettingLocation LocationOf(const TPSetting& setting) const override;

    static constexpr const char* kMRUListValue = "MRUList";

  protected:
    std::string ComponentKeyName() const override;
    bool SavesToRegistry() const override { return SaveLocation == TPSaveLocation::pslRegistry; }
    void RestoreComponentValues(TPRegistry& registry) override;
    void SaveComponentValues(TPRegistry& registry) override;

  private:
    void restorePlacement(TPRegistry& registry);
    void savePlacement(TPRegistry& registry);
    void mruChanged();

    SettingsOwner* owner_;
    RecentDocumentList recent_;
    std::vector<TPMRUEntry> shownEntries_;
    bool saveDue_ = true;
};

}  // namespace wendle
