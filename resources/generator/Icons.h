#pragma once

#include <QImage>

namespace wendle::content {

// The program's icon: a column of three coloured buttons on a blue tile,
// the middle one lit as if the pointer were over it.
QImage applicationIcon(int side);

// The icon of a Wendle document: a page with a bar of buttons across its top.
QImage documentIcon(int side);

}  // namespace wendle::content
