#pragma once

namespace wendle {

// Which file systems a search of a drive walks into. A drive is a tree of
// local disk file systems; a search crosses into another file system mounted
// below its start only when that one is a disk too. Kernel views (/proc,
// /sys, /dev, cgroups…), memory file systems (/run, /dev/shm) and network or
// user-space file systems (NFS, SMB, FUSE…) are never entered: they are not
// where programs are installed, some never end, and some may hang on a
// server that has gone away.
bool isPseudoOrNetworkFileSystem(unsigned long fileSystemType);

// The type (statfs f_type) of the file system holding the open folder `fd`,
// or 0 when it cannot be told.
unsigned long fileSystemTypeOf(int fd);

// Whether the folder at `path` can be opened and lies on a local disk: what
// makes a drive fixed.
bool isFixedDiskFolder(const char* path);

}  // namespace wendle
