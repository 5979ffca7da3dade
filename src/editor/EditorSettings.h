#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QMainWindow;
class QMenu;

namespace wendle {

class QtSettingsOwner;
class TPFormSettings;

// The main window's stored settings: its place and size, the recent
// documents behind File > Reopen, and the one-time help flags. Restored
// when made, saved by save().
class EditorSettings : public QObject {
    Q_OBJECT

  public:
    // reopen is called with the path of a recent document the user chose;
    // storeProblem with what went wrong when the settings could not be kept.
    EditorSettings(QMainWindow& window, QMenu& reopenMenu,
                   std::function<void(const QString&)> reopen,
                   std::function<void(const QString&)> storeProblem);
    ~EditorSettings() override;

    // Puts a document at the top of the recent documents.
    void addRecentDocument(const QString& path);
    void save();
    // A first-use flag ("Showed Preview Hint", "Showed State Hint"): true
    // the first time it is taken, and then never again on this
    // installation.
    bool takeFirstUseFlag(const QString& name);

  private:
    void rebuildReopenMenu();

    QMenu& reopenMenu_;
    std::function<void(const QString&)> reopen_;
    std::function<void(const QString&)> storeProblem_;
    // Hidden labels whose captions keep the one-time help flags.
    QLabel* Label26_ = nullptr;
    QLabel* Label27_ = nullptr;
    std::unique_ptr<QtSettingsOwner> owner_;
    std::unique_ptr<TPFormSettings> AppSettings_;
};

}  // namespace wendle
