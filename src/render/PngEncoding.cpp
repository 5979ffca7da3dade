#include "render/PngEncoding.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

namespace wendle {

namespace {

constexpr int kMaxPaletteColours = 256;

// The colours of a picture in order of first appearance, while there are no
// more than a palette holds. An open hash table of twice the palette's size:
// a bar has few colours, and a picture with many gives up early.
class PaletteBuilder {
  public:
    // The index of colour, or nullopt once the palette is full.
    std::optional<unsigned char> indexOf(std::uint32_t colour) {
        std::size_t slot = hash(colour);
        while (used_[slot]) {
            if (keys_[slot] == colour)
                return indexes_[slot];
            slot = (slot + 1) % kSlots;
        }
        if (count_ == kMaxPaletteColours)
            return std::nullopt;
        used_[slot] = true;
        keys_[slot] = colour;
        indexes_[slot] = static_cast<unsigned char>(count_);
        table_.push_back(colour);
        ++count_;
        return indexes_[slot];
    }
    const std::vector<std::uint32_t>& table() const { return table_; }

  private:
    static constexpr std::size_t kSlots = 2 * kMaxPaletteColours;
    static std::size_t hash(std::uint32_t colour) { return (colour * 2654435761u >> 7) % kSlots; }

    std::array<std::uint32_t, kSlots> keys_{};
    std::array<unsigned char, kSlots> indexes_{};
    std::array<bool, kSlots> used_{};
    std::vector<std::uint32_t> table_;
    int count_ = 0;
};

// Walks the pixels and hands each run of one colour to visit(y, x, length,
// index). Drawn bars are long runs along a row, and a gradient repeats its
// row: a row whose bytes are those of the row above goes to repeat(y) whole,
// and elsewhere a pixel with the colour of the one above takes that one's
// index without a look-up. Returns false once there are more colours than a
// palette holds.
template <typename Visit, typename Repeat>
bool walkPalette(const PngPixels& image, PaletteBuilder& palette, Visit visit, Repeat repeat) {
    // An opaque picture's unused byte is not part of the colour.
    const std::uint32_t opaqueBits = image.alpha ? 0 : 0xFF000000u;
    const int width = image.width;
    const std::size_t rowBytes = std::size_t(width) * sizeof(std::uint32_t);
    std::vector<unsigned char> above(static_cast<std::size_t>(width));
    std::vector<unsigned char> current(static_cast<std::size_t>(width));
    const std::uint32_t* aboveRow = nullptr;
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* in = image.row(y);
        if (aboveRow && std::memcmp(in, aboveRow, rowBytes) == 0) {
            // The indexes of the row above hold for this one too.
            repeat(y);
            aboveRow = in;
            continue;
        }
        int x = 0;
        while (x < width) {
            const std::uint32_t colour = in[x] | opaqueBits;
            unsigned char index;
            if (aboveRow && (aboveRow[x] | opaqueBits) == colour) {
                index = above[std::size_t(x)];
            } else {
                const std::optional<unsigned char> found = palette.indexOf(colour);
                if (!found)
                    return false;
                index = *found;
            }
            const int start = x;
            do {
                current[std::size_t(x++)] = index;
            } while (x < width && (in[x] | opaqueBits) == colour);
            visit(y, start, x - start, index);
        }
        aboveRow = in;
        std::swap(above, current);
    }
    return true;
}

// The fewest bits a pixel that tell count colours apart: 1, 2, 4 or 8.
int bitsForColours(std::size_t count) {
    if (count <= 2)
        return 1;
    if (count <= 4)
        return 2;
    if (count <= 16)
        return 4;
    return 8;
}

void appendBigEndian(QByteArray& out, std::uint32_t value) {
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

// A chunk: its length, type, data and the CRC of type and data.
void appendChunk(QByteArray& out, const char type[4], const QByteArray& data) {
    appendBigEndian(out, std::uint32_t(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* checked = reinterpret_cast<const Bytef*>(out.constData() + start);
    appendBigEndian(out, std::uint32_t(crc32(0, checked, uInt(out.size() - start))));
}

// Feeds rows to deflate and gathers what it gives back.
class Deflater {
  public:
    bool start() {
        stream_ = z_stream{};
        return deflateInit(&stream_, Z_DEFAULT_COMPRESSION) == Z_OK;
    }
    ~Deflater() { deflateEnd(&stream_); }
    bool feed(const unsigned char* bytes, std::size_t size, bool last) {
        stream_.next_in = const_cast<Bytef*>(bytes);
        stream_.avail_in = uInt(size);
        const int flush = last ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream_.next_out = buffer_.data();
            stream_.avail_out = uInt(buffer_.size());
            const int result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR)
                return false;
            out_.append(reinterpret_cast<const char*>(buffer_.data()),
                        qsizetype(buffer_.size() - stream_.avail_out));
            if (result == Z_STREAM_END)
                return true;
        } while (last || stream_.avail_out == 0);
        return true;
    }
    const QByteArray& compressed() const { return out_; }

  private:
    z_stream stream_{};
    std::array<Bytef, 16384> buffer_{};
    QByteArray out_;
};

// The signature and header of a picture of depth bits a sample of the
// given colour type.
QByteArray startPng(const PngPixels& image, int bits, int colourType) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, std::uint32_t(image.width));
    appendBigEndian(header, std::uint32_t(image.height));
    header.append(char(bits));
    header.append(char(colourType));
    header.append("\0\0\0", 3);
    appendChunk(png, "IHDR", header);
    return png;
}

// An opaque picture of any number of colours, 8 bits a channel, no
// filter; empty if zlib fails.
QByteArray writeTrueColourPng(const PngPixels& image) {
    QByteArray png = startPng(image, 8, 2);  // red, green, blue
    Deflater deflater;
    if (!deflater.start())
        return {};
    std::vector<unsigned char> row(1 + std::size_t(image.width) * 3, 0);
    bool fed = true;
    for (int y = 0; y < image.height && fed; ++y) {
        const std::uint32_t* in = image.row(y);
        unsigned char* out = row.data() + 1;
        for (int x = 0; x < image.width; ++x) {
            *out++ = (unsigned char)(in[x] >> 16);
            *out++ = (unsigned char)(in[x] >> 8);
            *out++ = (unsigned char)(in[x]);
        }
        fed = deflater.feed(row.data(), row.size(), y + 1 == image.height);
    }
    if (!fed)
        return {};
    appendChunk(png, "IDAT", deflater.compressed());
    appendChunk(png, "IEND", QByteArray());
    return png;
}

// The picture with the palette found for it, bits a pixel as few as the
// palette allows, in the PNG format; empty if zlib fails.
QByteArray writeIndexedPng(const PngPixels& image, PaletteBuilder& palette) {
    const std::vector<std::uint32_t>& colours = palette.table();
    const int bits = bitsForColours(colours.size());
    const int width = image.width;

    QByteArray png = startPng(image, bits, 3);  // palette

    QByteArray entries;
    QByteArray alphas;
    int lastSeeThrough = -1;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint32_t colour = colours[i];
        entries.append(char(colour >> 16));
        entries.append(char(colour >> 8));
        entries.append(char(colour));
        alphas.append(char(colour >> 24));
        if ((colour >> 24) != 255)
            lastSeeThrough = int(i);
    }
    appendChunk(png, "PLTE", entries);
    if (lastSeeThrough >= 0)
        appendChunk(png, "tRNS", alphas.left(lastSeeThrough + 1));

    Deflater deflater;
    if (!deflater.start())
        return {};
    // Each row: the filter byte (none), then the indexes packed from the
    // high bits down.
    const std::size_t rowBytes = 1 + (std::size_t(width) * std::size_t(bits) + 7) / 8;
    std::vector<unsigned char> row(rowBytes, 0);
    std::vector<unsigned char> fedRow(rowBytes, 0);  // the row last given to deflate
    int rowOfRun = 0;
    bool fed = true;
    const auto flushRow = [&](bool last) {
        fed = fed && deflater.feed(row.data(), row.size(), last);
        fedRow.swap(row);
        std::fill(row.begin(), row.end(), static_cast<unsigned char>(0));
    };
    const auto startRow = [&](int y) {
        while (rowOfRun < y) {
            flushRow(false);
            ++rowOfRun;
        }
    };
    const auto repeatRow = [&](int y) {
        startRow(y);
        std::copy(fedRow.begin(), fedRow.end(), row.begin());
    };
    walkPalette(
        image, palette,
        [&](int y, int x, int length, unsigned char index) {
            startRow(y);
            unsigned char* bytes = row.data() + 1;
            if (bits == 8) {
                std::memset(bytes + x, index, std::size_t(length));
                return;
            }
            const int perByte = 8 / bits;
            const auto put = [&](int i) {
                const int shift = 8 - bits * (i % perByte + 1);
                bytes[i / perByte] =
                    static_cast<unsigned char>(bytes[i / perByte] | (index << shift));
            };
            int i = x;
            const int end = x + length;
            for (; i < end && i % perByte != 0; ++i) put(i);
            // Whole bytes of the run at once: the index repeated across a byte.
            const int wholeBytes = (end - i) / perByte;
            const auto pattern = static_cast<unsigned char>(index * (bits == 1   ? 0xFF
                                                                     : bits == 2 ? 0x55
                                                                                 : 0x11));
            std::memset(bytes + i / perByte, pattern, std::size_t(wholeBytes));
            for (i += wholeBytes * perByte; i < end; ++i) put(i);
        },
        repeatRow);
    flushRow(true);
    if (!fed)
        return {};
    appendChunk(png, "IDAT", deflater.compressed());
    appendChunk(png, "IEND", QByteArray());
    return png;
}

}  // namespace

std::optional<QByteArray> encodeIndexedPng(const PngPixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0)
        return QByteArray();
    // A first walk finds the palette without keeping each pixel's index; the
    // file is then written row by row from a second, which finds every
    // colour in it.
    PaletteBuilder palette;
    if (!walkPalette(
            pixels, palette, [](int, int, int, unsigned char) {}, [](int) {}))
        return std::nullopt;
    return writeIndexedPng(pixels, palette);
}

QByteArray encodePng(const PngPixels& pixels) {
    if (std::optional<QByteArray> indexed = encodeIndexedPng(pixels))
        return *std::move(indexed);
    if (pixels.alpha)
        return {};
    return writeTrueColourPng(pixels);
}

QByteArray encodePng(const Raster& raster) {
    if (raster.empty())
        return {};
    return encodePng(PngPixels{raster.row(raster.area().top), raster.width(), raster.height(),
                               raster.width(), false});
}

}  // namespace wendle
