#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>

namespace wendle {

// A word-wrapped label that remembers its height for each width it was
// asked about. A layout asks a wrapped label for its height many times
// while it settles, and each answer lays the whole text out again; the
// General tab's notes made that a tenth of the editor's start-up.
class WrappedLabel : public QLabel {
  public:
    explicit WrappedLabel(const QString& text, QWidget* parent = nullptr) : QLabel(text, parent) {
        setWordWrap(true);
    }

    int heightForWidth(int width) const override {
        if (text() != measuredText_ || font() != measuredFont_) {
            heights_.clear();
            measuredText_ = text();
            measuredFont_ = font();
        }
        const auto known = heights_.constFind(width);
        if (known != heights_.constEnd())
            return *known;
        const int height = QLabel::heightForWidth(width);
        heights_.insert(width, height);
        return height;
    }

  private:
    mutable QHash<int, int> heights_;
    mutable QString measuredText_;
    mutable QFont measuredFont_;
};

}  // namespace wendle
