#pragma once

#include <QColor>
#include <QImage>

namespace wendle::content {

// Background pictures for the applet and for faces. The tiles repeat
// without a seam (image alignment "Tile"); the scenes are meant to be
// stretched over the whole applet (image alignment "Resize").

QImage paperTile(int side, QColor base);          // fibrous paper
QImage stripeTile(int side, QColor a, QColor b);  // diagonal stripes
QImage checkTile(int side, QColor a, QColor b);   // two-by-two checks
QImage dotTile(int side, QColor ground, QColor dot);
QImage marbleTile(int side);                     // white marble with grey veins
QImage brushedMetalTile(int width, int height);  // horizontal streaks
QImage woodTile(int width, int height);
QImage waterTile(int width, int height);    // calm ripples
QImage skyScene(int width, int height);     // blue sky with soft clouds
QImage sunsetScene(int width, int height);  // violet to rose evening sky

}  // namespace wendle::content
