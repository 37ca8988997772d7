#include "port/device_holder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace brenmoor::port {

namespace {

namespace fs = std::filesystem;

// The process holding a lock on the node, from /proc/locks. Its lines read
// "1: FLOCK  ADVISORY  WRITE 4242 00:18:3 0 EOF" (major and minor of the
// node's file system in hex, then the node's inode); a waiting lock is
// marked "->" and holds nothing.
long lockHolder(const struct stat& node) {
    char key[64];
    std::snprintf(key, sizeof key, "%02x:%02x:%lu", major(node.st_dev), minor(node.st_dev),
                  static_cast<unsigned long>(node.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, where;
        long pid = 0;
        if (!(fields >> number >> kind) || kind == "->")
            continue;
        if (fields >> mode >> access >> pid >> where && where == key)
            return pid;
    }
    return 0;
}

// Another process with the device open: any descriptor of it that leads to
// the same device number.
long openedBy(dev_t device) {
    const long self = static_cast<long>(::getpid());
    std::error_code error;
    for (fs::directory_iterator proc("/proc", error), end; !error && proc != end;
         proc.increment(error)) {
        const std::string name = proc->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long pid = std::stol(name);
        if (pid == self)
            continue;
        std::error_code unreadable; // another user's process
        for (fs::directory_iterator fd(proc->path() / "fd", unreadable); !unreadable && fd != end;
             fd.increment(unreadable)) {
            struct stat st {};
            if (::stat(fd->path().c_str(), &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev == device)
                return pid;
        }
    }
    return 0;
}

std::string programName(long pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

} // namespace

std::string deviceHolder(const std::string& device) {
    struct stat node {};
    if (::stat(device.c_str(), &node) != 0 || !S_ISCHR(node.st_mode))
        return {};
    long pid = lockHolder(node);
    if (pid == 0)
        pid = openedBy(node.st_rdev);
    return pid == 0 ? std::string() : programName(pid);
}

} // namespace brenmoor::port
