#include "browser/FileSystemKind.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>

namespace wendle {

namespace {

// statfs magic numbers. Some are spelled out because not every kernel
// header names them.
constexpr unsigned long kNotADisk[] = {
    // kernel views
    PROC_SUPER_MAGIC, SYSFS_MAGIC, DEVPTS_SUPER_MAGIC, DEBUGFS_MAGIC, TRACEFS_MAGIC,
    SECURITYFS_MAGIC, SELINUX_MAGIC, SMACK_MAGIC, CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
    PSTOREFS_MAGIC, BPF_FS_MAGIC, EFIVARFS_MAGIC, NSFS_MAGIC, 0x42494e4dUL /* binfmt_misc */,
    0x62656570UL /* configfs */, 0x19800202UL /* mqueue */, 0x65735543UL /* fusectl */,
    0x6e736673UL /* nsfs */,
    // memory file systems (devtmpfs reports the tmpfs number)
    TMPFS_MAGIC, RAMFS_MAGIC, HUGETLBFS_MAGIC, 0x0187UL /* autofs */,
    // network and user-space file systems
    NFS_SUPER_MAGIC, SMB_SUPER_MAGIC, 0xFF534D42UL /* cifs */, 0xFE534D42UL /* smb2 */,
    0x65735546UL /* fuse */, CODA_SUPER_MAGIC, AFS_SUPER_MAGIC, 0x00C36400UL /* ceph */, V9FS_MAGIC,
    NCP_SUPER_MAGIC, 0x47504653UL /* gpfs */, 0x0BD00BD0UL /* lustre */, 0x013111A8UL /* ibrix */};

}  // namespace

bool isPseudoOrNetworkFileSystem(unsigned long fileSystemType) {
    return std::find(std::begin(kNotADisk), std::end(kNotADisk), fileSystemType) !=
           std::end(kNotADisk);
}

unsigned long fileSystemTypeOf(int fd) {
    struct statfs info {};
    if (fstatfs(fd, &info) != 0)
        return 0;
    return static_cast<unsigned long>(info.f_type);
}

bool isFixedDiskFolder(const char* path) {
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const unsigned long type = fileSystemTypeOf(fd);
    close(fd);
    return type != 0 && !isPseudoOrNetworkFileSystem(type);
}

}  // namespace wendle
