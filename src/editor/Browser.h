#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "browser/BrowserChooser.h"
#include "editor/QtUiDispatcher.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace wendle {

class TmainWindow;
class TPFormSettings;
class QtSettingsOwner;

// The browser chooser: the browser Test in Browser opens the page with,
// either the desktop's default browser or one that a search of the fixed
// drives has found. Made once at start-up and kept for the program's life;
// the found browsers and the choice are kept between runs.
class TBrowserWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TBrowserWindow(TmainWindow& main, QWidget* parent = nullptr);
    ~TBrowserWindow() override;

    // "default", or the full path of the chosen browser program as the file
    // system names it.
    std::string browserChoice() const { return chooser_.browser(); }
    // Whether a search for browsers is still running.
    bool searching() const { return searchRunning_[0] || searchRunning_[1]; }
    BrowserChooser& chooser() { return chooser_; }
    // Writes the chooser's stored choice and search places.
    void saveSettings();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildControls();
    void createSettings();
    void showChoice();
    void showSearching();
    void showProgress();
    void addRow(const std::string& name, const std::string& path);
    void listsChanged();

    void bSearchClick();
    void bCloseClick();
    void BrowserNamesClick();
    void BrowserNamesDblClick();
    void DefaultBrowserCheckClick(bool ticked);

    TmainWindow& main_;
    // Declared before the chooser: its searches post here until they end.
    QtUiDispatcher dispatcher_{this};
    BrowserChooser chooser_{dispatcher_};
    std::array<bool, 2> searchRunning_{};
    bool searchStopped_ = false;
    bool searchedOnce_ = false;

    QLabel* browser_ = nullptr;
    QListWidget* BrowserNames_ = nullptr;
    QListWidget* BrowserPaths_ = nullptr;
    QCheckBox* DefaultBrowserCheck_ = nullptr;
    QProgressBar* searchProgress_ = nullptr;
    QLabel* searchStatus_ = nullptr;
    QTimer* progressTimer_ = nullptr;

    std::unique_ptr<QtSettingsOwner> settingsOwner_;
    std::unique_ptr<TPFormSettings> PFormSettings1_;
};

}  // namespace wendle
