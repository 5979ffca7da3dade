#pragma once

#include <memory>

#include "model/VelkForm.h"

namespace wendle::document {

class DocumentHost;

// Client area of the preview for a new document: an applet of 105 by 150
// below the tool bar strip.
inline constexpr int kNewClientWidth = 105;
inline constexpr int kNewClientHeight = 175;
// The document shown at start-up: four buttons in an applet of 105 by 131.
inline constexpr int kStartupButtons = 4;
inline constexpr int kStartupClientHeight = 156;

// The applet that resetDocument puts in place: every default of a new applet,
// the client area of a new document, `modified` clear, and the General tab's
// refill applied to the model (so a hidden text box sits at left -1, 1 x 1).
std::unique_ptr<TVelkForm> newDocumentApplet();

// What refilling the General tab does to the model: the text box panel takes
// the typeface, point size and style of the text box settings (values outside
// the tables leave the panel as it is), and a hidden text box is moved to
// left -1 and sized 1 x 1 so that nothing of it shows.
void applyGeneralRefill(TVelkForm& applet);

// The document the program starts with when no file is given: a new
// document (host.resetDocument()), four buttons, and a client area of 105 by
// 156. The New command is host.resetDocument() alone: no buttons.
TVelkForm& makeStartupDocument(DocumentHost& host);

}  // namespace wendle::document
