#include "editor/GeneralWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "editor/GeneralTexts.h"
#include "editor/NumberField.h"
#include "editor/SpinDrag.h"
#include "editor/WrappedLabel.h"
#include "editor/main.h"
#include "model/Editing.h"

namespace wendle {

QSpinBox* makeNumberField(QWidget* parent, const char* name, const char* hint, int minimum,
                          int maximum) {
    auto* field = new NumberField(parent);
    field->setObjectName(name);
    field->setToolTip(hint);
    field->setRange(minimum, maximum);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 32);
    SpinDrag::attach(field);
    return field;
}

QComboBox* makeChoiceList(QWidget* parent, const char* name, const char* hint,
                          std::initializer_list<const char*> items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    if (hint)
        list->setToolTip(hint);
    for (const char* item : items) list->addItem(item);
    return list;
}

QPushButton* makeCommandButton(QWidget* parent, const char* name, const char* caption,
                               const char* hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (hint)
        button->setToolTip(hint);
    return button;
}

QLabel* makeNote(QWidget* parent, const char* text) {
    return new WrappedLabel(text, parent);
}

QLabel* makeFieldLabel(QWidget* parent, const char* text, QWidget* field) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QToolButton* makeHelpButton(QWidget* parent, const char* name, TmainWindow& main, int topic) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(texts::general::kHelp);
    button->setToolTip(texts::general::kHelpHint);
    QObject::connect(button, &QToolButton::clicked, button,
                     [&main, topic] { main.openHelpTopic(topic); });
    return button;
}

QGroupBox* makeGroup(QWidget* parent, const char* title) {
    return new QGroupBox(title, parent);
}

QString singleLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QChar('\r'), QChar(' '));
    text.replace(QChar('\n'), QChar(' '));
    return text;
}

void appletLookChanged(TmainWindow& main) {
    main.repaintPreview();
    repaintIfTransparent(main.applet());
}

}  // namespace wendle
