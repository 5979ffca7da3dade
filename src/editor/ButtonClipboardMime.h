#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/ButtonValues.h"

class QMimeData;

namespace wendle {

// The clipboard type of copied buttons: a document holding only them.
inline constexpr const char* kButtonsMimeType = "application/x-wendle-buttons";

// Copied buttons (links as indices among them, as copyButtons gives them)
// as clipboard data: in their own type, and as their HTML parameter lines
// for any text editor.
QMimeData* buttonsMimeData(const std::vector<ButtonValues>& buttons);

// The buttons of clipboard data, or nothing when it holds none of ours.
std::optional<std::vector<ButtonValues>> buttonsFromMimeData(const QMimeData* data);

}  // namespace wendle
