#pragma once

#include <QPointer>
#include <QWidget>

#include "settings/SettingsOwner.h"

namespace wendle {

// A top-level window as the settings components see it: a dotted property
// path "Child.Property" is resolved with the child's object name and the
// property's name ("Caption" is a label's or button's text, "Items" a list
// widget's rows); the window itself is the part before the first dot when
// that part is its own name.
class QtSettingsOwner : public SettingsOwner {
  public:
    QtSettingsOwner(QWidget& window, std::string formName, FormBorderStyle border, bool isMainForm);

    std::optional<SettingValue> get(const std::string& path) const override;
    bool set(const std::string& path, const SettingValue& value) override;

    bool isForm() const override { return true; }
    std::string formName() const override { return formName_; }
    FormBorderStyle borderStyle() const override { return border_; }
    bool hasMinimizeButton() const override;
    bool hasMaximizeButton() const override;
    bool isMainForm() const override { return isMainForm_; }
    FormPlacement placement() const override;
    void setPlacement(const FormPlacement& placement) override;
    ScreenSize screenSize() const override;

  private:
    QObject* objectNamed(const QString& name) const;

    QPointer<QWidget> window_;
    std::string formName_;
    FormBorderStyle border_;
    bool isMainForm_;
};

}  // namespace wendle
