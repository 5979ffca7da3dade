#include "editor/StyleSampleButton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <cmath>

namespace wendle {

namespace {

// Horizontal shift a unit of height: about the slant of a sans italic.
constexpr qreal kSlant = 0.2;

}  // namespace

StyleSampleButton::StyleSampleButton(Look look, QWidget* parent)
    : QToolButton(parent), look_(look) {
    setText(QStringLiteral("Aa"));
    setCheckable(true);
}

int StyleSampleButton::extraWidth() const {
    switch (look_) {
        case Look::Italic:
            return int(std::ceil(fontMetrics().ascent() * kSlant));
        case Look::Bold:
            return 1;
        case Look::Plain:
            break;
    }
    return 0;
}

QSize StyleSampleButton::sizeHint() const {
    return QToolButton::sizeHint() + QSize(extraWidth(), 0);
}

void StyleSampleButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The frame, the state and the focus as the style draws them, without
    // the label: the label is drawn below.
    const QString label = option.text;
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    QRect area =
        style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    const QFontMetrics metrics = fontMetrics();
    const int width = metrics.horizontalAdvance(label) + extraWidth();
    const int left = area.left() + (area.width() - width) / 2;
    const int baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();

    painter.setPen(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                        QPalette::ButtonText));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(left, baseline);
    if (look_ == Look::Italic)
        painter.setTransform(QTransform(1, 0, -kSlant, 1, 0, 0), true);
    painter.drawText(0, 0, label);
    if (look_ == Look::Bold)
        painter.drawText(1, 0, label);
}

}  // namespace wendle
