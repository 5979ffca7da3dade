#pragma once

#include "model/ButtonValues.h"

#include <QObject>
#include <functional>

#include "model/Colour.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace wendle {

class SelectionEditor;
class TVelkForm;
class TVelkPanel;

// The groups of the button properties window whose settings belong to a
// button as a whole rather than to one of its states: size and position,
// text-box message ("On Load" tab), status bar message and hint ("On
// MouseOver" tab), link and target frame ("On Click" tab). They live on the
// state-1 panel, the status text on the state-2 panel; size and position
// are the same on all three.
class ButtonWideGroups : public QObject {
    Q_OBJECT

  public:
    // The groups are created as children of parent; the window moves each
    // onto its tab.
    ButtonWideGroups(SelectionEditor& editor, QWidget* parent);

    QGroupBox* dimensionsGroup() const { return dimensionsGroup_; }
    QGroupBox* textBoxGroup() const { return textBoxGroup_; }
    QGroupBox* statusGroup() const { return statusGroup_; }
    QGroupBox* hintGroup() const { return hintGroup_; }
    QGroupBox* linkGroup() const { return linkGroup_; }

    // Shows a button's settings (the caller sets updatingControls).
    void fill(const TVelkPanel& state1, const TVelkPanel& state2);

  private:
    void buildDimensionsGroup(QWidget* parent);
    void buildTextBoxGroup(QWidget* parent);
    void buildStatusGroup(QWidget* parent);
    void buildHintGroup(QWidget* parent);
    void buildLinkGroup(QWidget* parent);

    void geometryChanged(QSpinBox* field,
                         const std::function<void(TVelkForm&, int slot, int value)>& set);
    void textBoxTextChanged(const QString& text);
    void hintColourClicked(Colour PanelValues::*field);
    void browseLink();

    SelectionEditor& editor_;

    QGroupBox* dimensionsGroup_ = nullptr;
    QSpinBox* width_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* left_ = nullptr;
    QSpinBox* top_ = nullptr;

    QGroupBox* textBoxGroup_ = nullptr;
    QLineEdit* textBoxText_ = nullptr;

    QGroupBox* statusGroup_ = nullptr;
    QLineEdit* status_ = nullptr;

    QGroupBox* hintGroup_ = nullptr;
    QLineEdit* hintText_ = nullptr;
    QComboBox* hintFont_ = nullptr;
    QComboBox* hintSize_ = nullptr;
    QButtonGroup* hintStyle_ = nullptr;

    QGroupBox* linkGroup_ = nullptr;
    QLineEdit* link_ = nullptr;
    QComboBox* frame_ = nullptr;
};

}  // namespace wendle
