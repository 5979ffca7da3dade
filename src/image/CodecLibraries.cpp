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
    static const JpegCalls* const calls = []() -> const JpegCalls* {
        static JpegCalls found{};
        Library& library = jpegLibrary();
        const bool whole = library.find("jpeg_std_error", found.stdError) &&
                           library.find("jpeg_CreateDecompress", found.createDecompress) &&
                           library.find("jpeg_stdio_src", found.stdioSource) &&
                           library.find("jpeg_read_header", found.readHeader) &&
                           library.find("jpeg_start_decompress", found.startDecompress) &&
                           library.find("jpeg_read_scanlines", found.readScanlines) &&
                           library.find("jpeg_finish_decompress", found.finishDecompress) &&
                           library.find("jpeg_destroy_decompress", found.destroyDecompress);
        return whole ? &found : nullptr;
    }();
    return calls;
}

const GifCalls* gif() {
    static const GifCalls* const calls = []() -> const GifCalls* {
        static GifCalls found{};
        Library& library = gifLibrary();
        const bool whole = library.find("DGifOpen", found.open) &&
                           library.find("DGifCloseFile", found.close) &&
                           library.find("DGifGetRecordType", found.getRecordType) &&
                           library.find("DGifGetImageDesc", found.getImageDesc) &&
                           library.find("DGifGetLine", found.getLine) &&
                           library.find("DGifGetExtension", found.getExtension) &&
                           library.find("DGifGetExtensionNext", found.getExtensionNext) &&
                           library.find("DGifExtensionToGCB", found.extensionToGcb) &&
                           library.find("GifErrorString", found.errorString);
        return whole ? &found : nullptr;
    }();
    return calls;
}

const char* missingJpeg() {
    return jpeg() ? "" : jpegLibrary().problem().c_str();
}

const char* missingGif() {
    return gif() ? "" : gifLibrary().problem().c_str();
}

}  // namespace wendle::codecs
