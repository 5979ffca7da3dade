#include "settings/PFormSettings.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/RecentlyUsed.h"
#include "settings/Messages.h"
#include "settings/PAppSettings.h"
#include "settings/SettingCodec.h"

namespace wendle {

using platform::IoResult;
using platform::RegistryValue;

namespace {

constexpr int kFallbackCharacterWidth = 7;
constexpr unsigned kAllPlacement = pfsLeft | pfsTop | pfsWidth | pfsHeight | pfsState;

SettingsOwner* checkedOwner(SettingsOwner* owner) {
    if (!owner || !owner->isForm())
        throw SettingsError(settings_messages::kParentMustBeForm);
    return owner;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

std::optional<std::int32_t> readInteger(TPRegistry& registry, const char* name) {
    auto stored = registry.ReadValue(name);
    if (!stored || stored->type() != RegistryValue::Type::Integer)
        return std::nullopt;
    return static_cast<std::int32_t>(stored->asInteger());
}

std::string screenText(const ScreenSize& screen) {
    char text[32];
    std::snprintf(text, sizeof text, "%dx%d", screen.width, screen.height);
    return text;
}

}  // namespace

TPFormSettings::TPFormSettings(SettingsOwner* owner)
    : TPSettings(checkedOwner(owner)), owner_(owner) {
    switch (owner_->borderStyle()) {
        case FormBorderStyle::Sizeable:
            FormSaveOpt = kAllPlacement;
            if (!owner_->hasMinimizeButton() && !owner_->hasMaximizeButton()) {
                FormSaveOpt &= ~static_cast<unsigned>(pfsState);
            }
            MRULength = 4;
            break;
        case FormBorderStyle::Single:
        case FormBorderStyle::Dialog:
        case FormBorderStyle::ToolWindow:
        case FormBorderStyle::SizeToolWindow:
            FormSaveOpt = pfsLeft | pfsTop;
            MRULength = 0;
            break;
        case FormBorderStyle::None:
            FormSaveOpt = 0;
            MRULength = 0;
            break;
    }
    AddToDesktopRecent = [](const std::string& path) { platform::RecentlyUsedList().add(path); };
}

std::string TPFormSettings::ComponentKeyName() const {
    std::string name = owner_->formName();
    if (OnSetFormKeyName)
        OnSetFormKeyName(*this, name);
    return name;
}

SettingLocation TPFormSettings::LocationOf(const TPSetting& setting) const {
    if (setting.RelAppSetting.empty() || !AppSettingsCtrl)
        return TPSettings::LocationOf(setting);
    SettingLocation location;
    location.root = AppSettingsCtrl->RegistryRootKey;
    location.ownerKey = AppSettingsCtrl->KeyPath();
    location.key = location.ownerKey;
    location.valueName = setting.RelAppSetting;
    return location;
}

bool TPFormSettings::restore() {
    if (Restored())
        return false;
    RestoreNow();
    saveDue_ = true;
    return true;
}

IoResult TPFormSettings::save() {
    if (!SaveDue())
        return IoResult::success();
    saveDue_ = false;
    return SaveNow();
}

void TPFormSettings::RestoreComponentValues(TPRegistry& registry) {
    if (!registry.OpenKey(KeyPath(), false))
        return;
    if (FormSaveOpt & kAllPlacement)
        restorePlacement(registry);
    if (MRULength > 0) {
        auto stored = registry.ReadValue(kMRUListValue);
        std::optional<SettingValue> list = stored ? SettingCodec::decode(*stored) : std::nullopt;
        if (list && list->kind() == SettingKind::StringList) {
            recent_.assign(list->listValue());
            mruChanged();
        }
    }
}

void TPFormSettings::SaveComponentValues(TPRegistry& registry) {
    const bool hasMRU = MRULength > 0;
    if (!(FormSaveOpt & kAllPlacement) && !hasMRU)
        return;
    registry.OpenKey(KeyPath(), true);
    if (FormSaveOpt & kAllPlacement)
        savePlacement(registry);
    if (hasMRU) {
        // Cut from the end: the oldest entries beyond MRULength are dropped.
        std::vector<std::string> kept = recent_.newest(MRULength);
        if (kept.empty() && !SaveAll) {
            registry.DeleteValue(kMRUListValue);
        } else {
            registry.WriteValue(kMRUListValue,
                                SettingCodec::encode(SettingValue::stringList(std::move(kept))));
        }
    }
}

void TPFormSettings::restorePlacement(TPRegistry& registry) {
    FormPlacement placement = owner_->placement();
    // A position from another screen size could put the window out of
    // sight; it is only taken back on the same screen.
    auto stored = registry.ReadValue("ScreenRes");
    const bool sameScreen = !stored || (stored->type() == RegistryValue::Type::Text &&
                                        stored->asText() == screenText(owner_->screenSize()));
    if ((FormSaveOpt & pfsLeft) && sameScreen) {
        if (auto left = readInteger(registry, "Left"))
            placement.left = *left;
    }
    if ((FormSaveOpt & pfsTop) && sameScreen) {
        if (auto top = readInteger(registry, "Top"))
            placement.top = *top;
    }
    if (FormSaveOpt & pfsWidth) {
        if (auto width = readInteger(registry, "Width"); width && *width > 0)
            placement.width = *width;
    }
    if (FormSaveOpt & pfsHeight) {
        if (auto height = readInteger(registry, "Height"); height && *height > 0) {
            placement.height = *height;
        }
    }
    if (FormSaveOpt & pfsState) {
        if (auto state = readInteger(registry, "State"); state && *state >= 0 && *state <= 2) {
            placement.state = static_cast<FormWindowState>(*state);
        }
    }
    if (!(placement == owner_->placement()))
        owner_->setPlacement(placement);
}

void TPFormSettings::savePlacement(TPRegistry& registry) {
    const FormPlacement placement = owner_->placement();
    auto integer = [](int value) {
        return RegistryValue::integer(static_cast<std::uint32_t>(value));
    };
    if (FormSaveOpt & pfsLeft)
        registry.WriteValue("Left", integer(placement.left));
    if (FormSaveOpt & pfsTop)
        registry.WriteValue("Top", integer(placement.top));
    if (FormSaveOpt & pfsWidth)
        registry.WriteValue("Width", integer(placement.width));
    if (FormSaveOpt & pfsHeight)
        registry.WriteValue("Height", integer(placement.height));
    if (FormSaveOpt & pfsState) {
        registry.WriteValue("MainForm", integer(owner_->isMainForm() ? 1 : 0));
        registry.WriteValue("State", integer(static_cast<int>(placement.state)));
    }
    registry.WriteValue("ScreenRes", RegistryValue::text(screenText(owner_->screenSize())));
}

void TPFormSettings::AddMRUItem(const std::string& path) {
    if (MRULength <= 0 || path.empty())
        return;
    if (AddToRecentDocs && AddToDesktopRecent)
        AddToDesktopRecent(path);
    recent_.add(path);
    mruChanged();
}

TPMRUMenu TPFormSettings::BuildMRUMenu(bool menuHasOtherItems) {
    if (MRUValidate)
        recent_.removeMissing(fileExists);
    TPMRUMenu menu;
    menu.MenuItem = MRUMenuItem;
    menu.Placement = MRUPlacement;
    RecentDocumentList::TextWidth width = MRUTextWidth;
    if (!width) {
        width = [](const std::string& text) {
            return static_cast<int>(text.size()) * kFallbackCharacterWidth;
        };
    }
    int position = 0;
    for (const std::string& path : recent_.newest(MRULength)) {
        ++position;
        const std::string shown =
            RecentDocumentList::displayText(path, MRUDisplay, MRUMaxItemWidth, width);
        menu.Entries.push_back({RecentDocumentList::caption(position, shown), path, position});
    }
    const bool any = !menu.Entries.empty();
    menu.SeparatorBefore =
        any && MRUPlacement == TPMRUPlacement::pmpDescending && menuHasOtherItems;
    menu.SeparatorAfter = any && MRUPlacement == TPMRUPlacement::pmpBefore;
    shownEntries_ = menu.Entries;
    return menu;
}

bool TPFormSettings::ClickMRUEntry(int mruIndex) {
    if (mruIndex < 1 || mruIndex > static_cast<int>(shownEntries_.size()))
        return false;
    // A copy: the handler usually reopens the document, which rebuilds the menu.
    const TPMRUEntry entry = shownEntries_[static_cast<std::size_t>(mruIndex - 1)];
    if (OnMRUClick)
        OnMRUClick(*this, entry, entry.FileName, entry.MRUIndex);
    return true;
}

int TPFormSettings::MRUCount() const {
    return static_cast<int>(recent_.newest(MRULength).size());
}

void TPFormSettings::mruChanged() {
    if (OnMRUChange)
        OnMRUChange(*this);
}

}  // namespace wendle
