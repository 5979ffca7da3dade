#pragma once

#include <cstdio>
#include <memory>

#include "image/Picture.h"

// The decoders behind Picture::fromFile. Each reads an open file from its
// start, never reports through stderr or exit(), and returns null for a file
// it cannot decode.
namespace wendle::decoders {

std::unique_ptr<Picture> decodeGif(std::FILE* file);
std::unique_ptr<Picture> decodeJpeg(std::FILE* file);

}  // namespace wendle::decoders
