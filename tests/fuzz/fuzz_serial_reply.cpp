// Both reply checks over arbitrary bytes: whatever arrives on the line, a
// check reads only the bytes it was given and stores only whole blocks.
#include "core/serial/reply_parser.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the flag; the rest is the reply, in a buffer of
    // its exact size so any read past it is caught.
    const bool doubleFault = (data[0] & 1) != 0;
    const std::span<const uint8_t> reply(data + 1, size - 1);
    brenmoor::ReceivedData received;
    const uint8_t download = brenmoor::parseReplyDownload(reply, received);
    const uint8_t upload = brenmoor::parseReplyUpload(reply, received, doubleFault);
    if ((download != 0 || upload != 0) && reply.empty())
        __builtin_trap();
    if (download != 0 && download != reply[0])
        __builtin_trap();
    if (upload != 0 && upload != reply[0])
        __builtin_trap();
    return 0;
}
