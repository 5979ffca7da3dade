#pragma once

#include <QToolButton>

namespace wendle {

// A check button showing "Aa" in one text style: plain, italic or bold. The
// slant and the weight are drawn from the window's own typeface (sheared,
// and struck twice a pixel apart) rather than from its italic and bold
// faces: those are two more font files to find, open and shape with at
// start-up, some 600 KB, for two words of a sample.
class StyleSampleButton : public QToolButton {
  public:
    enum class Look { Plain, Italic, Bold };

    explicit StyleSampleButton(Look look, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The sample's width beyond the plain text's: the slant's overhang or
    // the second stroke.
    int extraWidth() const;

    Look look_;
};

}  // namespace wendle
