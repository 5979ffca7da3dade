#include "editor/EditorStyle.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

#include <optional>

namespace wendle {

namespace {

// Fusion's frame picture and the gap it leaves above the frame.
constexpr const char* kFusionGroupBoxFrame =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";
constexpr int kFusionGroupBoxTopMargin = 3;

// An icon that asks a style for its picture when first drawn or measured.
class DeferredStandardIcon : public QIconEngine {
  public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

  private:
    QIcon& real() {
        if (!real_)
            real_ = style_ ? style_->standardIcon(which_) : QIcon();
        return *real_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> real_;
};

}  // namespace

EditorStyle::EditorStyle(const QString& key)
    : QProxyStyle(QStyleFactory::create(key)),
      fusion_(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {}

QIcon EditorStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredStandardIcon(baseStyle(), which));
    return QProxyStyle::standardIcon(which, option, widget);
}

void EditorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !fusion_) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's own drawing, with the picture read as the PNG it is.
    if (groupBoxFrame_.isNull()) {
        QImageReader reader(QString::fromLatin1(kFusionGroupBoxFrame), "png");
        reader.setAutoDetectImageFormat(false);
        groupBoxFrame_ = QPixmap::fromImage(reader.read());
    }
    int topMargin = kFusionGroupBoxTopMargin;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty()) {
        topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                          option->fontMetrics.height());
    }
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                      groupBoxFrame_);
}

}  // namespace wendle
