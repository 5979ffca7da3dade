#pragma once

#include <cstddef>

namespace wendle::platform {

// Asks the system to back bytes at data with memory now, in one go, before
// they are first written. A large buffer written for the first time takes
// one page fault a page otherwise, and on a virtual machine each costs
// several microseconds. Only whole pages inside the range are touched; a
// system without the request leaves the memory as it is.
void prepareForWriting(void* data, std::size_t bytes);

}  // namespace wendle::platform
