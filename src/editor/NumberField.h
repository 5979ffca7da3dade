#pragma once

#include <QSpinBox>

namespace wendle {

// A number field that brings what is typed into its range instead of
// refusing the keystroke: "2500" in a field of 0 to 2000 gives 2000, not
// 250. A number below the minimum is allowed while typing (it may still
// grow into range) and is raised to the minimum when the field is left.
class NumberField : public QSpinBox {
    Q_OBJECT

  public:
    explicit NumberField(QWidget* parent = nullptr);

  protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

}  // namespace wendle
