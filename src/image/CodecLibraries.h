#pragma once

// jpeglib.h needs size_t and FILE declared before it.
#include <cstdio>

#include <gif_lib.h>
#include <jpeglib.h>

// The GIF and JPEG libraries are opened the first time a picture of theirs
// is decoded, not when the program starts: most sessions show no picture,
// and each library loaded at start-up is a file to map and relocate before
// the first window. The calls the decoders make are reached through these
// tables. WENDLE_GIF_LIBRARY and WENDLE_JPEG_LIBRARY name the libraries
// (their sonames, found by the build from the libraries it compiled
// against).
namespace wendle::codecs {

struct JpegCalls {
    decltype(&jpeg_std_error) stdError;
    decltype(&jpeg_CreateDecompress) createDecompress;
    decltype(&jpeg_stdio_src) stdioSource;
    decltype(&jpeg_read_header) readHeader;
    decltype(&jpeg_start_decompress) startDecompress;
    decltype(&jpeg_read_scanlines) readScanlines;
    decltype(&jpeg_finish_decompress) finishDecompress;
    decltype(&jpeg_destroy_decompress) destroyDecompress;
};

struct GifCalls {
    decltype(&DGifOpen) open;
    decltype(&DGifCloseFile) close;
    decltype(&DGifGetRecordType) getRecordType;
    decltype(&DGifGetImageDesc) getImageDesc;
    decltype(&DGifGetLine) getLine;
    decltype(&DGifGetExtension) getExtension;
    decltype(&DGifGetExtensionNext) getExtensionNext;
    decltype(&DGifExtensionToGCB) extensionToGcb;
    decltype(&GifErrorString) errorString;
};

// The calls, or null when the library cannot be opened; then missingJpeg()
// or missingGif() says why.
const JpegCalls* jpeg();
const GifCalls* gif();
const char* missingJpeg();
const char* missingGif();

}  // namespace wendle::codecs
