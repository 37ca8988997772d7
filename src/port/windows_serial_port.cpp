#include "port/windows_serial_port.h"

#include "core/model/file_io.h"
#include "port/port_queue.h"

#include <windows.h>

#include <algorithm>

namespace brenmoor::port {

namespace {

HANDLE handleOf(void* handle) {
    return static_cast<HANDLE>(handle);
}

PortOpenResult failed(HANDLE handle, PortOpenError error) {
    ::CloseHandle(handle);
    return {nullptr, error};
}

// The system's own words for an error, as UTF-8 without the line end.
std::string systemText(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string utf8;
    if (length > 0) {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr,
                                               0, nullptr, nullptr);
        utf8.resize(static_cast<size_t>(size));
        ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size,
                              nullptr, nullptr);
    }
    ::LocalFree(text);
    while (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r' || utf8.back() == '.'))
        utf8.pop_back();
    return utf8;
}

// Why the device did not open. A port another program holds reads as
// access denied on Windows, which cannot be told from a refusal.
PortOpenResult openFailure(DWORD error) {
    PortOpenResult result{nullptr, PortOpenError::OpenFailed};
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        result.cause = PortOpenCause::NoSuchDevice;
    else if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION)
        result.cause = PortOpenCause::BusyOrDenied;
    else
        result.systemText = systemText(error);
    return result;
}

} // namespace

std::string devicePathOf(const std::string& portName) {
    return portName.size() > 4 ? "\\\\.\\" + portName : portName;
}

WindowsSerialPort::~WindowsSerialPort() {
    closePort();
}

void WindowsSerialPort::closePort() {
    if (handle_ != nullptr)
        ::CloseHandle(handleOf(handle_));
    handle_ = nullptr;
}

void WindowsSerialPort::recover() {
    DWORD errors = 0;
    if (handle_ != nullptr && !::ClearCommError(handleOf(handle_), &errors, nullptr))
        closePort();
}

size_t WindowsSerialPort::queryStatus() {
    if (handle_ == nullptr)
        return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(handleOf(handle_), &errors, &status)) {
        closePort();
        return 0;
    }
    return std::min<size_t>(status.cbInQue, kPortQueueBytes);
}

bool WindowsSerialPort::writeBytes(std::span<const uint8_t> bytes) {
    if (handle_ == nullptr)
        return false;
    DWORD written = 0;
    if (!::WriteFile(handleOf(handle_), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr)) {
        recover();
        return false;
    }
    return written == bytes.size();
}

size_t WindowsSerialPort::readBytes(std::span<uint8_t> buffer) {
    if (handle_ == nullptr || buffer.empty())
        return 0;
    DWORD got = 0;
    if (!::ReadFile(handleOf(handle_), buffer.data(), static_cast<DWORD>(buffer.size()), &got,
                    nullptr)) {
        recover();
        return 0;
    }
    return got;
}

PortOpenResult WindowsPortOpener::open(const std::string& portName, const LineSettings& line) {
    // 1. The device for reading and writing, shared with nobody, never
    // created, synchronous.
    const HANDLE handle =
        ::CreateFileW(nativePath(devicePathOf(portName)).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return openFailure(::GetLastError());

    // 2. The driver's queues.
    ::SetupComm(handle, kPortQueueBytes, kPortQueueBytes);

    // 3. The device-control block as the driver has it.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(handle, &dcb))
        return failed(handle, PortOpenError::ReadSettingsFailed);

    // 4. The line settings over it; every other field stays as it was read.
    // Parity checking is on whatever the parity, None included, and the
    // parity codes are the program's own (0 None to 4 Space).
    dcb.fBinary = TRUE;
    dcb.fParity = TRUE;
    dcb.BaudRate = static_cast<DWORD>(line.baudRate);
    dcb.ByteSize = static_cast<BYTE>(line.dataBits);
    dcb.Parity = static_cast<BYTE>(line.parity);
    dcb.StopBits = line.stopBits == 1 ? ONESTOPBIT : TWOSTOPBITS;
    if (!::SetCommState(handle, &dcb))
        return failed(handle, PortOpenError::WriteSettingsFailed);

    // 5. Whatever was still going out or waiting to be read belongs to an
    // earlier conversation.
    ::PurgeComm(handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);

    // No time-outs are set: reads ask only for what the status query
    // reported waiting.
    return {std::make_unique<WindowsSerialPort>(handle), PortOpenError::None};
}

} // namespace brenmoor::port
