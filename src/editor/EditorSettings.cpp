#include "editor/EditorSettings.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

#include "editor/QtSettingsOwner.h"
#include "settings/ProgramSettings.h"

namespace wendle {

namespace {

QLabel* hiddenFlag(QMainWindow& window, const char* name) {
    auto* label = new QLabel("false", &window);
    label->setObjectName(name);
    label->hide();
    return label;
}

}  // namespace

EditorSettings::EditorSettings(QMainWindow& window, QMenu& reopenMenu,
                               std::function<void(const QString&)> reopen,
                               std::function<void(const QString&)> storeProblem)
    : QObject(&window),
      reopenMenu_(reopenMenu),
      reopen_(std::move(reopen)),
      storeProblem_(std::move(storeProblem)) {
    Label26_ = hiddenFlag(window, "Label26");
    Label27_ = hiddenFlag(window, "Label27");
    owner_ =
        std::make_unique<QtSettingsOwner>(window, kMainWindowName, FormBorderStyle::Sizeable, true);
    AppSettings_ = createAppSettings(*owner_);
    AppSettings_->OnMRUClick = [this](TPFormSettings&, const TPMRUEntry&,
                                      const std::string& fileName,
                                      int) { reopen_(QFile::decodeName(fileName.c_str())); };
    AppSettings_->OnMRUChange = [this](TPFormSettings&) { rebuildReopenMenu(); };
    AppSettings_->OnStoreProblem = [this](TPSettings&, const std::string& message) {
        storeProblem_(QFile::decodeName(message.c_str()));
    };
    AppSettings_->restore();
    rebuildReopenMenu();
}

EditorSettings::~EditorSettings() = default;

void EditorSettings::rebuildReopenMenu() {
    reopenMenu_.clear();
    const TPMRUMenu menu = AppSettings_->BuildMRUMenu(false);
    if (menu.SeparatorBefore)
        reopenMenu_.addSeparator();
    for (const TPMRUEntry& entry : menu.Entries) {
        QAction* action = reopenMenu_.addAction(QString::fromStdString(entry.Caption));
        action->setToolTip(QFile::decodeName(entry.FileName.c_str()));
        const int index = entry.MRUIndex;
        connect(action, &QAction::triggered, this,
                [this, index] { AppSettings_->ClickMRUEntry(index); });
    }
    reopenMenu_.setEnabled(!menu.Entries.empty());
}

void EditorSettings::addRecentDocument(const QString& path) {
    AppSettings_->AddMRUItem(QFile::encodeName(path).toStdString());
}

void EditorSettings::save() {
    AppSettings_->save();
}

bool EditorSettings::takeFirstUseFlag(const QString& name) {
    QLabel* flag = name == kShowedPreviewHint ? Label26_
                   : name == kShowedStateHint ? Label27_
                                              : nullptr;
    if (!flag || flag->text() == "true")
        return false;
    flag->setText("true");
    return true;
}

}  // namespace wendle
