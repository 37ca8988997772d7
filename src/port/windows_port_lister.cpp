#include "port/windows_port_lister.h"

#include <windows.h>

#include <cstring>

namespace brenmoor::port {

namespace {

constexpr DWORD kBufferBytes = 128;

} // namespace

ComPortNames WindowsPortLister::listPorts() {
    ComPortNames names;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\DeviceMap\\SerialComm", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        char valueName[kBufferBytes];
        BYTE data[kBufferBytes];
        DWORD nameLength = kBufferBytes;
        DWORD dataLength = kBufferBytes;
        const LSTATUS status = ::RegEnumValueA(key, index, valueName, &nameLength, nullptr, nullptr,
                                               data, &dataLength);
        // A value too long for the buffers names no port this program could
        // show; the ones after it still count.
        if (status == ERROR_MORE_DATA)
            continue;
        if (status != ERROR_SUCCESS)
            break;
        // The data is the port's name as text, read up to its terminator.
        const auto* text = reinterpret_cast<const char*>(data);
        names.emplace_back(text, ::strnlen(text, dataLength));
    }
    ::RegCloseKey(key);
    return names;
}

} // namespace brenmoor::port
