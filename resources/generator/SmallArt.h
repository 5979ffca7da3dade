#pragma once

#include <QColor>
#include <QImage>

namespace wendle::content {

enum class Direction { Left, Right, Up, Down };
enum class BulletShape { Ball, Square, Diamond, Star, Tick };

// A solid arrow head on a transparent square, with a darker rim so that it
// reads on light and dark faces alike.
QImage arrow(int side, QColor colour, Direction direction);
// A small mark to set before a caption (image alignment "Left").
QImage bullet(int side, QColor colour, BulletShape shape);

}  // namespace wendle::content
