#pragma once

// Writes small GIF and JPEG files for the tests with giflib and libjpeg, so
// every fixture's pixels are stated beside the test that reads them.

#include <gif_lib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <unistd.h>

namespace wendle::testing {

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // width * height palette indices, row by row
    int transparentIndex = -1;
    bool interlaced = false;
};

// palette: 0xRRGGBB entries (padded to a power of two).
inline void writeGif(const std::filesystem::path& path, int screenWidth, int screenHeight,
                     const std::vector<std::uint32_t>& palette,
                     const std::vector<GifFrame>& frames) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
    if (!gif)
        throw std::runtime_error("cannot write " + path.string());
    int size = 2;
    while (size < int(palette.size())) size *= 2;
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i] = GifColorType{GifByteType(palette[i] >> 16), GifByteType(palette[i] >> 8),
                                  GifByteType(palette[i])};
    }
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, map);
    for (const GifFrame& frame : frames) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = frame.transparentIndex;
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
        EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced,
                         nullptr);
        std::vector<int> rows;
        if (frame.interlaced) {
            const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass) {
                for (int row = start[pass]; row < frame.height; row += step[pass]) {
                    rows.push_back(row);
                }
            }
        } else {
            for (int row = 0; row < frame.height; ++row) rows.push_back(row);
        }
        for (int row : rows) {
            std::vector<GifPixelType> line(frame.indices.begin() + row * frame.width,
                                           frame.indices.begin() + (row + 1) * frame.width);
            EGifPutLine(gif, line.data(), frame.width);
        }
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
}

// One frame covering the whole screen.
inline void writeGif(const std::filesystem::path& path, int width, int height,
                     const std::vector<std::uint32_t>& palette,
                     const std::vector<std::uint8_t>& indices, int transparentIndex = -1) {
    writeGif(path, width, height, palette,
             {GifFrame{0, 0, width, height, indices, transparentIndex, false}});
}

// rgb: width * height 0xRRGGBB pixels. Written at full quality without
// chroma subsampling, so flat colours come back within a step or two.
// A progressive file holds the picture in several scans.
inline void writeJpeg(const std::filesystem::path& path, int width, int height,
                      const std::vector<std::uint32_t>& rgb, bool greyscale = false,
                      bool progressive = false) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = greyscale ? 1 : 3;
    info.in_color_space = greyscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> line(std::size_t(width) * std::size_t(info.input_components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = rgb[std::size_t(y * width + x)];
            if (greyscale) {
                line[std::size_t(x)] = JSAMPLE(p & 0xFF);
            } else {
                line[std::size_t(x) * 3] = JSAMPLE(p >> 16);
                line[std::size_t(x) * 3 + 1] = JSAMPLE(p >> 8);
                line[std::size_t(x) * 3 + 2] = JSAMPLE(p);
            }
        }
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

inline std::vector<unsigned char> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A fresh empty folder for one test's files, removed with the object.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("wendle-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace wendle::testing
