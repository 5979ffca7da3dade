#pragma once

#include <QWidget>

namespace wendle {

// A page whose controls are built just before it first shows, or when
// someone asks for them: a start-up that shows another page need not build
// them. The page itself exists from the start, so tabs and signals can name
// it.
class LazyPage : public QWidget {
  public:
    using QWidget::QWidget;

    // Builds the controls now, unless they are built.
    void ensureBuilt() {
        if (built_)
            return;
        built_ = true;
        build();
    }
    // Built before it first shows, so the controls show with it.
    void setVisible(bool visible) override {
        if (visible)
            ensureBuilt();
        QWidget::setVisible(visible);
    }

  protected:
    virtual void build() = 0;

  private:
    bool built_ = false;
};

}  // namespace wendle
