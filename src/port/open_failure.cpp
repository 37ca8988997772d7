#include "port/open_failure.h"

#include "port/device_holder.h"

#include <cerrno>
#include <system_error>

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

PortOpenResult openFailure(PortOpenError step, int err, const std::string& device) {
    PortOpenResult result{nullptr, step};
    result.cause = err == 0 ? PortOpenCause::Unknown : causeOfError(err);
    if (result.cause == PortOpenCause::Busy)
        result.holder = deviceHolder(device);
    else if (result.cause == PortOpenCause::Unknown && err != 0)
        result.systemText = std::generic_category().message(err);
    return result;
}

} // namespace brenmoor::port
