// Feeds arbitrary bytes to the GIF decoder; see PictureFuzzing.h for what
// is checked.
#include "PictureFuzzing.h"
#include "image/Decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wendle::fuzzing::checkDecoding(data, size, wendle::decoders::decodeGif);
    return 0;
}
