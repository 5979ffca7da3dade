#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;

namespace wendle {

class TmainWindow;

// Small builders shared by the General tab's groups and the option windows,
// so every field of the same kind looks and behaves the same.

// A numeric field with its range; its value is applied as the user types
// or drags the pointer above or below the field.
QSpinBox* makeNumberField(QWidget* parent, const char* name, const char* hint, int minimum,
                          int maximum);
// A fixed list to choose from.
QComboBox* makeChoiceList(QWidget* parent, const char* name, const char* hint,
                          std::initializer_list<const char*> items);
QPushButton* makeCommandButton(QWidget* parent, const char* name, const char* caption,
                               const char* hint = nullptr);
// The explanatory line at the top of a group.
QLabel* makeNote(QWidget* parent, const char* text);
// A caption in front of a field; its mnemonic, if any, moves to the field.
QLabel* makeFieldLabel(QWidget* parent, const char* text, QWidget* field);
// The small "?" button that opens a numbered help topic.
QToolButton* makeHelpButton(QWidget* parent, const char* name, TmainWindow& main, int topic);
QGroupBox* makeGroup(QWidget* parent, const char* title);

// Texts that reach documents are one line each: a line break pasted into a
// field becomes a blank so the file keeps its shape.
QString singleLine(QString text);

// Every change of the applet's own look shows at once; transparent buttons
// show the applet behind them, so they are redrawn too.
void appletLookChanged(TmainWindow& main);

}  // namespace wendle
