#pragma once

#include "model/ButtonValues.h"

#include <QWidget>
#include <functional>

#include "editor/StateTabNames.h"
#include "model/Colour.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;

namespace wendle {

class SelectionEditor;
class StateTab;
class TVelkPanel;

// What a state tab needs from the window that holds all three.
class StateTabHost {
  public:
    virtual ~StateTabHost() = default;
    // Runs show on the tab of every state that edits go to.
    virtual void forEachActiveTab(const std::function<void(StateTab&)>& show) = 0;
    // The state of the tab the user sees (1, 2 or 3).
    virtual int shownState() const = 0;
    // Refills every control from the first selected button.
    virtual void refill() = 0;
};

// One state tab of the button properties window ("On Load", "On MouseOver"
// or "On Click"): the look of that state (text, border, background,
// highlight box, sound). The three tabs are this one class; the controls
// take their names from kStateTabNames. Groups of settings that belong to
// the whole button are added to the tab's side column by the window.
class StateTab : public QWidget {
    Q_OBJECT

  public:
    StateTab(SelectionEditor& editor, StateTabHost& host, int state, QWidget* parent = nullptr);

    int state() const { return state_; }

    // The highlight box and sound groups, placed by the window among the
    // button-wide groups of this tab.
    QGroupBox* highlightGroup() const { return highlightGroup_; }
    QGroupBox* soundGroup() const { return soundGroup_; }
    void addToSideColumn(QWidget* group);

    // Shows this state of a button (the caller sets updatingControls).
    void fill(const TVelkPanel& panel);

    // Sibling updates made by the other tabs' handlers.
    void showShadow(bool on);
    void enableFadeColour(bool on);
    void enableHighlightColour(bool on);
    void showSoundName(const QString& name);

  private:
    void buildTextGroup(QVBoxLayout* column);
    void buildBorderGroup(QVBoxLayout* column);
    void buildBackgroundGroup(QVBoxLayout* column);
    void buildHighlightGroup();
    void buildSoundGroup();
    void connectColourButtons();

    // Handlers.
    void captionChanged();
    void numberChanged(QSpinBox* field, const std::function<void(PanelValues&, int)>& set);
    void borderStyleChanged(int item);
    void imageAlignChanged(int item);
    void useShadowClicked(bool on);
    void gradientClicked(bool on);
    void transparentClicked(bool on);
    void highlightClicked(bool on);
    void imageTyped(const QString& text);
    void browseImage();
    void soundTyped(const QString& text);
    void browseSound();
    void chooseColour(int startState, Colour PanelValues::*field);
    void replaceImage(const std::string& name, const std::string& path);

    SelectionEditor& editor_;
    StateTabHost& host_;
    const int state_;
    const StateTabNames& names_;

    QVBoxLayout* sideColumn_ = nullptr;

    // Text.
    QPlainTextEdit* caption_ = nullptr;
    QComboBox* font_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    QButtonGroup* fontStyle_ = nullptr;
    QButtonGroup* alignment_ = nullptr;
    QPushButton* fontColor_ = nullptr;
    QPushButton* fontShadowColor_ = nullptr;
    QCheckBox* useShadow_ = nullptr;
    // Border.
    QSpinBox* borderWidth_ = nullptr;
    QComboBox* borderStyle_ = nullptr;
    QSpinBox* borderShading_ = nullptr;
    QPushButton* borderColor_ = nullptr;
    // Background.
    QPushButton* fadeColor_ = nullptr;
    QPushButton* bkColor_ = nullptr;
    QCheckBox* gradient_ = nullptr;
    QCheckBox* transparent_ = nullptr;
    QLineEdit* bkImage_ = nullptr;
    QToolButton* bkImageBrowse_ = nullptr;
    QComboBox* imageAlign_ = nullptr;
    QSpinBox* imageX_ = nullptr;
    QSpinBox* imageY_ = nullptr;
    // Highlight box.
    QGroupBox* highlightGroup_ = nullptr;
    QCheckBox* showHighlight_ = nullptr;
    QPushButton* highlightColor_ = nullptr;
    // Sound.
    QGroupBox* soundGroup_ = nullptr;
    QLineEdit* sound_ = nullptr;
    QToolButton* soundBrowse_ = nullptr;
};

}  // namespace wendle
