#pragma once

// GIF files put together byte by byte, for fixtures that no encoder would
// write: a logical screen of any size, a frame far larger than its screen,
// image data that ends early. Each is a few bytes.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace wendle::testing {

using Bytes = std::vector<unsigned char>;

inline void putWord(Bytes& out, unsigned value) {
    out.push_back((unsigned char)(value & 0xFF));
    out.push_back((unsigned char)(value >> 8));
}

// Image data for a two-colour palette (codes of 3 bits, clear code 4, end
// code 5) that holds every index as a code of its own: a clear code before
// each pair keeps the code size from growing. Ends with the end code and the
// empty block unless `cutShort`, when the data just stops there. Leading
// clear codes draw nothing, but each costs the decoder work.
inline Bytes literalImageData(const std::vector<std::uint8_t>& indices, bool cutShort = false,
                              int leadingClearCodes = 0) {
    std::vector<unsigned> codes(std::size_t(leadingClearCodes), 4u);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(indices[i] & 1u);
    }
    if (!cutShort)
        codes.push_back(5);
    Bytes packed;
    unsigned buffer = 0;
    int bits = 0;
    for (unsigned code : codes) {
        buffer |= code << bits;
        bits += 3;
        while (bits >= 8) {
            packed.push_back((unsigned char)(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    }
    if (bits > 0)
        packed.push_back((unsigned char)buffer);

    Bytes out{2};  // the smallest code size
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, packed.size() - at);
        out.push_back((unsigned char)length);
        out.insert(out.end(), packed.begin() + long(at), packed.begin() + long(at + length));
    }
    if (!cutShort)
        out.push_back(0);
    return out;
}

struct GifFrameBytes {
    unsigned left = 0, top = 0, width = 1, height = 1;
    bool interlaced = false;
    Bytes imageData;  // as literalImageData makes it
};

// A GIF89a with a two-colour global palette (0 red, 1 blue) and one frame.
inline Bytes gifBytes(unsigned screenWidth, unsigned screenHeight, const GifFrameBytes& frame) {
    Bytes out{'G', 'I', 'F', '8', '9', 'a'};
    putWord(out, screenWidth);
    putWord(out, screenHeight);
    out.insert(out.end(), {0x80, 0, 0});            // a global palette of 2 colours
    out.insert(out.end(), {255, 0, 0, 0, 0, 255});  // red, blue
    out.push_back(0x2C);
    putWord(out, frame.left);
    putWord(out, frame.top);
    putWord(out, frame.width);
    putWord(out, frame.height);
    out.push_back(frame.interlaced ? 0x40 : 0);
    out.insert(out.end(), frame.imageData.begin(), frame.imageData.end());
    out.push_back(0x3B);
    return out;
}

// The smallest picture bomb: a 1 x 1 frame on a screen of w x h, 35 bytes.
inline Bytes gifScreenBomb(unsigned width, unsigned height) {
    Bytes image{2, 2, 0x44, 0x01, 0};  // one red pixel
    return gifBytes(width, height, GifFrameBytes{0, 0, 1, 1, false, image});
}

}  // namespace wendle::testing
