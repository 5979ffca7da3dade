#pragma once

class QToolButton;
class QWidget;

namespace wendle {
class TmainWindow;
}

namespace wendle::props {

// The help topics behind the window's help buttons.
namespace helpTopics {
inline constexpr int kSize = 19;
inline constexpr int kBorder = 21;
inline constexpr int kText = 22;
inline constexpr int kHint = 23;
inline constexpr int kStatus = 24;
inline constexpr int kSound = 25;
inline constexpr int kLink = 26;
inline constexpr int kBackground = 27;
inline constexpr int kStates = 46;
}  // namespace helpTopics

// A small "?" button that opens a topic of the help document.
QToolButton* makeHelpButton(TmainWindow& main, int topic, const char* name, QWidget* parent);

}  // namespace wendle::props
