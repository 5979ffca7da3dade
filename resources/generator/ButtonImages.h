#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace wendle::content {

// One file of the "Button Images" folder: its name (the extension says
// whether it is a GIF or a JPEG) and how it is drawn.
struct ButtonImage {
    std::string name;
    std::function<QImage()> draw;
};

// Every ready-made picture: buttons in three looks (name, name-over,
// name-down), arrows, bullets, background tiles and scenes.
std::vector<ButtonImage> buttonImages();

// Draws every picture into folder (ending in "/"). Returns the problems.
std::vector<std::string> writeButtonImages(const std::string& folder);

}  // namespace wendle::content
