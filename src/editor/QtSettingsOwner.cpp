#include "editor/QtSettingsOwner.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QScreen>

namespace wendle {

namespace {

// Settings keep file paths and names as the system gives them (UTF-8 on
// this platform), so the conversion here is UTF-8, not the applet's text.
QString fromSetting(const std::string& text) {
    return QString::fromStdString(text);
}
std::string toSetting(const QString& text) {
    return text.toStdString();
}

std::optional<QString> captionOf(QObject* object) {
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) {
        return widget->windowTitle();
    }
    return std::nullopt;
}

bool setCaption(QObject* object, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(caption);
    } else if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) {
        widget->setWindowTitle(caption);
    } else {
        return false;
    }
    return true;
}

}  // namespace

QtSettingsOwner::QtSettingsOwner(QWidget& window, std::string formName, FormBorderStyle border,
                                 bool isMainForm)
    : window_(&window), formName_(std::move(formName)), border_(border), isMainForm_(isMainForm) {}

QObject* QtSettingsOwner::objectNamed(const QString& name) const {
    if (!window_)
        return nullptr;
    if (name == QString::fromStdString(formName_))
        return window_;
    return window_->findChild<QObject*>(name);
}

std::optional<SettingValue> QtSettingsOwner::get(const std::string& path) const {
    const QString dotted = QString::fromStdString(path);
    const qsizetype dot = dotted.lastIndexOf('.');
    if (dot <= 0)
        return std::nullopt;
    QObject* object = objectNamed(dotted.left(dot));
    const QString property = dotted.mid(dot + 1);
    if (!object)
        return std::nullopt;
    if (property == "Caption") {
        if (const auto caption = captionOf(object))
            return SettingValue::text(toSetting(*caption));
    } else if (property == "Items") {
        if (auto* list = qobject_cast<QListWidget*>(object)) {
            std::vector<std::string> items;
            for (int row = 0; row < list->count(); ++row) {
                items.push_back(toSetting(list->item(row)->text()));
            }
            return SettingValue::stringList(std::move(items));
        }
    }
    return std::nullopt;
}

bool QtSettingsOwner::set(const std::string& path, const SettingValue& value) {
    const QString dotted = QString::fromStdString(path);
    const qsizetype dot = dotted.lastIndexOf('.');
    if (dot <= 0)
        return false;
    QObject* object = objectNamed(dotted.left(dot));
    const QString property = dotted.mid(dot + 1);
    if (!object)
        return false;
    if (property == "Caption" &&
        (value.kind() == SettingKind::Text || value.kind() == SettingKind::Variant)) {
        return setCaption(object, fromSetting(value.textValue()));
    }
    if (property == "Items" && value.kind() == SettingKind::StringList) {
        auto* list = qobject_cast<QListWidget*>(object);
        if (!list)
            return false;
        list->clear();
        for (const auto& item : value.listValue()) list->addItem(fromSetting(item));
        return true;
    }
    return false;
}

bool QtSettingsOwner::hasMinimizeButton() const {
    return window_ && window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
}

bool QtSettingsOwner::hasMaximizeButton() const {
    return window_ && window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
}

FormPlacement QtSettingsOwner::placement() const {
    if (!window_)
        return {};
    const QRect normal =
        window_->normalGeometry().isValid() ? window_->normalGeometry() : window_->geometry();
    FormWindowState state = FormWindowState::Normal;
    if (window_->isMinimized())
        state = FormWindowState::Minimized;
    if (window_->isMaximized())
        state = FormWindowState::Maximized;
    return {normal.x(), normal.y(), normal.width(), normal.height(), state};
}

void QtSettingsOwner::setPlacement(const FormPlacement& placement) {
    if (!window_)
        return;
    window_->setGeometry(placement.left, placement.top, placement.width, placement.height);
    if (placement.state == FormWindowState::Maximized)
        window_->showMaximized();
}

ScreenSize QtSettingsOwner::screenSize() const {
    const QScreen* screen = window_ ? window_->screen() : nullptr;
    if (!screen)
        return {};
    return {screen->size().width(), screen->size().height()};
}

}  // namespace wendle
