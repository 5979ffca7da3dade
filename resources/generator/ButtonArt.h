#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace wendle::content {

// The three looks a ready-made button comes in: at rest, under the pointer
// and pressed, matching the applet's "On Load", "On MouseOver", "On Click".
enum class Press { Up, Over, Down };

// A flat button with a light upper and a dark lower edge.
QImage plainButton(QSize size, QColor base, Press press);
// A rounded rectangle with a soft top-to-bottom shading; transparent corners.
QImage roundedButton(QSize size, QColor base, Press press);
// A full-width glass button: a shine on the upper half, darker below.
QImage glossyButton(QSize size, QColor base, Press press);
// A glossy capsule with fully rounded ends; transparent outside.
QImage pillButton(QSize size, QColor base, Press press);

}  // namespace wendle::content
