#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>
#include <string>

#include "settings/PRegistry.h"

class QCheckBox;
class QSpinBox;

namespace wendle {

class TmainWindow;

// What the "Alignment Grid" window keeps between runs.
struct GridWindowValues {
    bool alignToGrid = false;
    int gridWidth = 10;
    int gridHeight = 10;
    std::optional<QPoint> position;
};

// Where those values are kept (the program's settings store; a stand-in in
// tests).
class GridWindowMemory {
  public:
    virtual ~GridWindowMemory() = default;
    // The values kept last time, or none on a first run.
    virtual std::optional<GridWindowValues> recall() = 0;
    virtual void keep(const GridWindowValues& values) = 0;
};

// The grid window's values in the program's settings store, beside the main
// window's, under "...\gridWindow". Integers: "Align" (0 or 1), "Grid Width",
// "Grid Height", "Left", "Top". A value that is missing or of another type
// keeps its default; a store that cannot be written loses nothing but them.
class GridWindowStore : public GridWindowMemory {
  public:
    explicit GridWindowStore(TPRegistryRoot root = TPRegistryRoot::prkLocalMachine);
    // A store kept in a given file (tests).
    explicit GridWindowStore(std::string storeFile);

    std::optional<GridWindowValues> recall() override;
    void keep(const GridWindowValues& values) override;

    static constexpr const char* kKey = "Software\\Orvanta Software\\Wendle\\5\\gridWindow";

  private:
    TPRegistry openRegistry() const;

    std::optional<TPRegistryRoot> root_;
    std::string storeFile_;
};

// "Alignment Grid": whether buttons dropped in the preview snap to a grid,
// and its steps. The grid belongs to the editor, not to the document, so a
// change only marks the canvas for redrawing (the grid dots).
//
// The window remembers its values between runs: when it opens, the values
// of last time are put back and take effect, so a user who works with a
// grid finds it on again; then the window shows the applet's settings.
class TgridWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TgridWindow(TmainWindow& main, GridWindowMemory* memory = nullptr,
                         QWidget* parent = nullptr);

    // The "Alignment &Grid" command of the Options menu: opens the window
    // modally over the main window and destroys it when it closes. Its
    // values are kept in the program's settings store.
    static void run(TmainWindow& main);
    // The same with the values kept elsewhere (none: not kept).
    static void run(TmainWindow& main, GridWindowMemory* memory);

    // Shows the applet's grid settings.
    void updateGridWindow();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void cAlignCheckClick(bool checked);
    void eGridWidthChange(int width);
    void eGridHeightChange(int height);
    void putBackRememberedValues();

    TmainWindow& main_;
    GridWindowMemory* memory_ = nullptr;
    QCheckBox* cAlignCheck_ = nullptr;
    QSpinBox* eGridWidth_ = nullptr;
    QSpinBox* eGridHeight_ = nullptr;
};

}  // namespace wendle
