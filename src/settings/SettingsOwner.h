#pragma once

#include <string>

#include "settings/PropertyBinding.h"

namespace wendle {

enum class FormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };
enum class FormWindowState { Normal, Minimized, Maximized };

struct FormPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    FormWindowState state = FormWindowState::Normal;
    bool operator==(const FormPlacement&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The window a TPFormSettings belongs to, as the component sees it: its
// properties, its name (the last part of the settings key), its frame (which
// sets the component's defaults) and its placement on the screen.
class SettingsOwner : public PropertyBinding {
  public:
    // True for a top-level window; a settings component cannot belong to
    // anything else.
    virtual bool isForm() const = 0;
    // The window's name: "mainWindow", "BrowserWindow".
    virtual std::string formName() const = 0;
    virtual FormBorderStyle borderStyle() const = 0;
    virtual bool hasMinimizeButton() const = 0;
    virtual bool hasMaximizeButton() const = 0;
    // True for the application's main window.
    virtual bool isMainForm() const = 0;

    // Position and size of the normal (not minimised or maximised) window.
    virtual FormPlacement placement() const = 0;
    virtual void setPlacement(const FormPlacement& placement) = 0;
    virtual ScreenSize screenSize() const = 0;
};

}  // namespace wendle
