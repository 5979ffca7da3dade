#include "render/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace wendle {

FontConfigWarmUp::FontConfigWarmUp() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the library reads the configuration itself.
    }
}

}  // namespace wendle
