#pragma once

#include <array>

class QButtonGroup;
class QString;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;

namespace wendle::props {

// Small builders for the controls the button properties window repeats on
// every tab, so that each copy looks and behaves the same.

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent);
QCheckBox* makeCheckBox(const char* name, const char* caption, QWidget* parent);
QLineEdit* makeLineEdit(const char* name, int maxLength, QWidget* parent);
// A numeric field that also follows pointer drags above and below it.
QSpinBox* makeNumberField(const char* name, int minimum, int maximum, QWidget* parent);
// "TimesRoman", "Courier", "Arial": the item is the typeface index.
QComboBox* makeTypefaceBox(const char* name, QWidget* parent);
// The applet's font sizes, 8 to 72.
QComboBox* makeFontSizeBox(const char* name, QWidget* parent);
// A fixed list of items; the item is the stored value.
QComboBox* makeListBox(const char* name, const char* const* items, int count, QWidget* parent);

// Plain, italic and bold as one exclusive row; a button's id is the font
// style it stands for (0, 1, 2).
QButtonGroup* makeStyleButtons(const std::array<const char*, 3>& names, QHBoxLayout* row,
                               QWidget* parent);
// Left, centre and right as one exclusive row; ids 1, 2, 3 as the applet
// numbers the alignments.
QButtonGroup* makeAlignmentButtons(const std::array<const char*, 3>& names, QHBoxLayout* row,
                                   QWidget* parent);

// Refilling writes a text only when it differs, so that the caret of a
// field the user is typing in stays where it is.
void showText(QLineEdit* field, const QString& text);
void showText(QPlainTextEdit* memo, const QString& text);
// Presses the button of an exclusive row that stands for id, if any.
void checkButton(QButtonGroup* group, int id);

// The item of a font size, or -1 when the size is not in the list.
int fontSizeItem(int size);

}  // namespace wendle::props
