// Feeds arbitrary bytes to the JPEG decoder; see PictureFuzzing.h for what
// is checked.
#include "PictureFuzzing.h"
#include "image/Decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wendle::fuzzing::checkDecoding(data, size, wendle::decoders::decodeJpeg);
    return 0;
}
