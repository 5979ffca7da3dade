#include "editor/NumberField.h"

namespace wendle {

NumberField::NumberField(QWidget* parent) : QSpinBox(parent) {}

void NumberField::fixup(QString& input) const {
    // Leaving the field with a number below the minimum gives the minimum;
    // an emptied field keeps its value (nothing is applied). A field that
    // goes with its window changes nothing.
    bool isNumber = false;
    const qlonglong number = input.trimmed().toLongLong(&isNumber);
    if (isNumber && number < minimum() && isVisible()) {
        input = QString::number(minimum());
        return;
    }
    QSpinBox::fixup(input);
}

QValidator::State NumberField::validate(QString& input, int& pos) const {
    bool isNumber = false;
    const qlonglong number = input.trimmed().toLongLong(&isNumber);
    // Only a number past the end that typing cannot bring back is clamped at
    // once: more digits move a positive number further up and a negative
    // one further down.
    const bool pastMaximum = isNumber && number > maximum() && number > 0;
    const bool pastMinimum = isNumber && number < minimum() && number < 0;
    if (pastMaximum || pastMinimum) {
        input = QString::number(pastMaximum ? maximum() : minimum());
        pos = int(input.size());
        return QValidator::Acceptable;
    }
    return QSpinBox::validate(input, pos);
}

}  // namespace wendle
