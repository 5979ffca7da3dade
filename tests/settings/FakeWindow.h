#pragma once

#include <map>
#include <string>

#include "settings/SettingsOwner.h"

namespace wendle::testing {

// A window as the settings components see it: named properties with values,
// a frame and a placement. Setting a property of another kind than it holds
// is refused, as a real window refuses a list for a caption.
class FakeWindow : public SettingsOwner {
  public:
    explicit FakeWindow(std::string name, FormBorderStyle border = FormBorderStyle::Sizeable)
        : name_(std::move(name)), border_(border) {}

    std::map<std::string, SettingValue> properties;
    bool form = true;
    bool minimise = true;
    bool maximise = true;
    FormPlacement where{10, 20, 300, 200, FormWindowState::Normal};
    ScreenSize screen{1920, 1080};
    int placementsSet = 0;

    std::optional<SettingValue> get(const std::string& path) const override {
        auto found = properties.find(path);
        if (found == properties.end())
            return std::nullopt;
        return found->second;
    }
    bool set(const std::string& path, const SettingValue& value) override {
        auto found = properties.find(path);
        if (found == properties.end() || found->second.kind() != value.kind())
            return false;
        found->second = value;
        return true;
    }
    bool isForm() const override { return form; }
    std::string formName() const override { return name_; }
    FormBorderStyle borderStyle() const override { return border_; }
    bool hasMinimizeButton() const override { return minimise; }
    bool hasMaximizeButton() const override { return maximise; }
    bool isMainForm() const override { return name_ == "mainWindow"; }
    FormPlacement placement() const override { return where; }
    void setPlacement(const FormPlacement& placement) override {
        where = placement;
        ++placementsSet;
    }
    ScreenSize screenSize() const override { return screen; }

  private:
    std::string name_;
    FormBorderStyle border_;
};

// The main window with its two hidden help-flag labels, as designed.
inline FakeWindow freshMainWindow() {
    FakeWindow window("mainWindow");
    window.properties["Label26.Caption"] = SettingValue::text("false");
    window.properties["Label27.Caption"] = SettingValue::text("false");
    return window;
}

// The browser chooser as designed: empty lists, the default browser.
inline FakeWindow freshBrowserWindow() {
    FakeWindow window("BrowserWindow", FormBorderStyle::Dialog);
    window.properties["BrowserNames.Items"] = SettingValue::stringList({});
    window.properties["BrowserPaths.Items"] = SettingValue::stringList({});
    window.properties["browser.Caption"] = SettingValue::text("default");
    return window;
}

}  // namespace wendle::testing
