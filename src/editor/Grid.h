#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

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
    // modally over the main window and destroys it when it closes.
    static void run(TmainWindow& main, GridWindowMemory* memory = nullptr);

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
