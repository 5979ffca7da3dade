#include "editor/NumberField.h"

namespace wendle {

NumberField::NumberField(QWidget* parent) : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
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
