#pragma once

#include <functional>
#include <string>

#include "browser/SearchRec.h"

namespace wendle {

class TFindThread;

// The events of a search. They run on the user-interface thread, one at a
// time, while the worker waits; `Sender` is the worker, not the component.
// `directory` is the folder, without a trailing separator ("/" for the root).

// A file was found: (Sender, directory, fileinfo).
using TMatchEvent = std::function<void(TFindThread& Sender, const std::string& directory,
                                       const TSearchRec& fileinfo)>;
// The search entered a folder: (Sender, directory).
using TChangeDirEvent = std::function<void(TFindThread& Sender, const std::string& directory)>;
// A folder or a file could not be searched: (Sender, path, error), error
// being the errno of what failed (see skipReason). The search goes on.
using TSkipEvent = std::function<void(TFindThread& Sender, const std::string& path, int error)>;
// The whole search ended without being stopped: (Sender).
using TNotifyEvent = std::function<void(TFindThread& Sender)>;

}  // namespace wendle
