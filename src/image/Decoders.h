#pragma once

#include <cstdio>

#include "image/PictureLimits.h"
#include "image/PictureLoad.h"

// The decoders behind Picture::load. Each reads an open file from its start,
// never reports through stderr or exit(), and checks every declared size
// against the limits before it takes pixel memory.
namespace wendle::decoders {

PictureLoad decodeGif(std::FILE* file, const PictureLimits& limits);
PictureLoad decodeJpeg(std::FILE* file, const PictureLimits& limits);

}  // namespace wendle::decoders
