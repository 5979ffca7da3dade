#include "platform/FreshMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace wendle::platform {

namespace {
// Linux 5.14 and later; older headers do not name it.
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;
#endif
}  // namespace

void prepareForWriting(void* data, std::size_t bytes) {
    static const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + pageSize - 1) & ~(pageSize - 1);
    const std::uintptr_t end = (start + bytes) & ~(pageSize - 1);
    if (end <= first)
        return;
    // A kernel without the request answers EINVAL; the pages then come one
    // fault at a time as before.
    madvise(reinterpret_cast<void*>(first), end - first, kPopulateWrite);
}

}  // namespace wendle::platform
