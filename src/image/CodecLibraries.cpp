#include "image/CodecLibraries.h"

#include <dlfcn.h>

#include <string>

namespace wendle::codecs {

namespace {

// A library opened once, with the reason when it could not be.
class Library {
  public:
    explicit Library(const char* name) : handle_(dlopen(name, RTLD_NOW | RTLD_LOCAL)) {
        if (!handle_)
            problem_ = describe(name);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Sets target to the named function; false (with the reason kept) when
    // the library lacks it.
    template <typename Function>
    bool find(const char* name, Function& target) {
        if (!handle_)
            return false;
        target = reinterpret_cast<Function>(dlsym(handle_, name));
        if (!target)
            problem_ = describe(name);
        return target != nullptr;
    }
    const std::string& problem() const { return problem_; }

  private:
    static std::string describe(const char* what) {
        const char* reason = dlerror();
        return reason ? reason : std::string(what) + " could not be found";
    }

    void* handle_;
    std::string problem_;
};

Library& jpegLibrary() {
    static Library library(WENDLE_JPEG_LIBRARY);
    return library;
}

Library& gifLibrary() {
    static Library library(WENDLE_GIF_LIBRARY);
    return library;
}

}  // namespace

const JpegCalls* jpeg() {
    static JpegCalls calls{};
    static const bool whole = [] {
        Library& library = jpegLibrary();
        return library.find("jpeg_std_error", calls.stdError) &&
               library.find("jpeg_CreateDecompress", calls.createDecompress) &&
               library.find("jpeg_stdio_src", calls.stdioSource) &&
               library.find("jpeg_read_header", calls.readHeader) &&
               library.find("jpeg_start_decompress", calls.startDecompress) &&
               library.find("jpeg_read_scanlines", calls.readScanlines) &&
               library.find("jpeg_finish_decompress", calls.finishDecompress) &&
               library.find("jpeg_destroy_decompress", calls.destroyDecompress);
    }();
    return whole ? &calls : nullptr;
}

const GifCalls* gif() {
    static GifCalls calls{};
    static const bool whole = [] {
        Library& library = gifLibrary();
        return library.find("DGifOpen", calls.open) && library.find("DGifCloseFile", calls.close) &&
               library.find("DGifGetRecordType", calls.getRecordType) &&
               library.find("DGifGetImageDesc", calls.getImageDesc) &&
               library.find("DGifGetLine", calls.getLine) &&
               library.find("DGifGetExtension", calls.getExtension) &&
               library.find("DGifGetExtensionNext", calls.getExtensionNext) &&
               library.find("DGifExtensionToGCB", calls.extensionToGcb) &&
               library.find("GifErrorString", calls.errorString);
    }();
    return whole ? &calls : nullptr;
}

const char* missingJpeg() {
    return jpeg() ? "" : jpegLibrary().problem().c_str();
}

const char* missingGif() {
    return gif() ? "" : gifLibrary().problem().c_str();
}

}  // namespace wendle::codecs
