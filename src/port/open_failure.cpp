#include "port/open_failure.h"

#include "port/device_holder.h"

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace brenmoor::port {

PortOpenCause causeOfError(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
        return PortOpenCause::PermissionDenied;
    // EBUSY: the holder set the terminal's exclusive mode; EWOULDBLOCK: it
    // holds the lock another copy of this program takes.
    case EBUSY:
    case EWOULDBLOCK:
        return PortOpenCause::Busy;
    case ENOENT:
    case ENOTDIR:
        return PortOpenCause::NoSuchDevice;
    // A pulled adapter leaves its node behind for a moment, and a node
    // without hardware (most of the ttyS ports) never answers.
    case ENXIO:
    case ENODEV:
    case EIO:
        return PortOpenCause::Gone;
    case ENOTTY:
        return PortOpenCause::NotASerialPort;
    default:
        return PortOpenCause::Unknown;
    }
}

namespace {

// Who may use a device the user was refused: the group its permissions
// open it to, or nobody but its owner. Left as it is when the device
// cannot be looked at.
void narrowPermission(PortOpenResult& result, const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return;
    constexpr mode_t kGroupReadWrite = S_IRGRP | S_IWGRP;
    // Adding a user to root's group is no advice to give.
    if ((st.st_mode & kGroupReadWrite) != kGroupReadWrite || st.st_gid == 0) {
        result.cause = PortOpenCause::OwnerOnly;
        return;
    }
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        result.group = found->gr_name;
}

} // namespace

PortOpenResult openFailure(PortOpenError step, int err, const std::string& device) {
    PortOpenResult result{nullptr, step};
    result.cause = err == 0 ? PortOpenCause::Unknown : causeOfError(err);
    if (result.cause == PortOpenCause::PermissionDenied)
        narrowPermission(result, device);
    if (result.cause == PortOpenCause::Busy)
        result.holder = deviceHolder(device);
    else if (result.cause == PortOpenCause::Unknown && err != 0)
        result.systemText = std::generic_category().message(err);
    return result;
}

} // namespace brenmoor::port
