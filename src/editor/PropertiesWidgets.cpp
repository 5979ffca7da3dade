#include "editor/PropertiesWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "editor/NumberField.h"
#include "editor/PropertiesTexts.h"
#include "editor/SpinDrag.h"
#include "model/FontTables.h"

namespace wendle::props {

namespace {

constexpr int kSpeedButtonSize = 24;

QToolButton* makeSpeedButton(const char* name, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setFixedSize(kSpeedButtonSize, kSpeedButtonSize);
    return button;
}

// Four lines of text set flush left, centred or flush right.
QIcon alignmentIcon(int alignment) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 1));
    const int lengths[] = {14, 9, 12, 7};
    for (int line = 0; line < 4; ++line) {
        const int length = lengths[line];
        const int left = alignment == 1 ? 1 : alignment == 2 ? (16 - length) / 2 : 15 - length;
        const int y = 2 + line * 4;
        painter.drawLine(left, y, left + length - 1, y);
    }
    return QIcon(pixmap);
}

}  // namespace

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* makeCheckBox(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QLineEdit* makeLineEdit(const char* name, int maxLength, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    if (maxLength > 0)
        field->setMaxLength(maxLength);
    return field;
}

QSpinBox* makeNumberField(const char* name, int minimum, int maximum, QWidget* parent) {
    auto* field = new NumberField(parent);
    field->setObjectName(name);
    field->setRange(minimum, maximum);
    field->setAccelerated(true);
    SpinDrag::attach(field);
    return field;
}

QComboBox* makeTypefaceBox(const char* name, QWidget* parent) {
    return makeListBox(name, kTypefaceCaptions.data(), int(kTypefaceCaptions.size()), parent);
}

QComboBox* makeFontSizeBox(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int size : kFontSizes) box->addItem(QString::number(size));
    return box;
}

QComboBox* makeListBox(const char* name, const char* const* items, int count, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (int i = 0; i < count; ++i) box->addItem(items[i]);
    return box;
}

QButtonGroup* makeStyleButtons(const std::array<const char*, 3>& names, QHBoxLayout* row,
                               QWidget* parent) {
    namespace t = texts::properties;
    auto* group = new QButtonGroup(parent);
    const char* hints[] = {t::kPlain, t::kItalic, t::kBold};
    const char* letters[] = {"P", "I", "B"};
    for (int style = 0; style < 3; ++style) {
        QToolButton* button = makeSpeedButton(names[std::size_t(style)], hints[style], parent);
        button->setText(letters[style]);
        QFont font = button->font();
        font.setItalic(style == 1);
        font.setBold(style == 2);
        button->setFont(font);
        group->addButton(button, style);
        row->addWidget(button);
    }
    return group;
}

QButtonGroup* makeAlignmentButtons(const std::array<const char*, 3>& names, QHBoxLayout* row,
                                   QWidget* parent) {
    namespace t = texts::properties;
    auto* group = new QButtonGroup(parent);
    const char* hints[] = {t::kAlignLeft, t::kAlignCenter, t::kAlignRight};
    for (int alignment = 1; alignment <= 3; ++alignment) {
        QToolButton* button =
            makeSpeedButton(names[std::size_t(alignment - 1)], hints[alignment - 1], parent);
        button->setIcon(alignmentIcon(alignment));
        group->addButton(button, alignment);
        row->addWidget(button);
    }
    return group;
}

void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

void showText(QPlainTextEdit* memo, const QString& text) {
    if (memo->toPlainText() != text)
        memo->setPlainText(text);
}

void checkButton(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id))
        button->setChecked(true);
}

int fontSizeItem(int size) {
    for (std::size_t i = 0; i < kFontSizes.size(); ++i) {
        if (kFontSizes[i] == size)
            return int(i);
    }
    return -1;
}

}  // namespace wendle::props
