#pragma once

#include <cstdint>

namespace brenmoor {

// Key of a text in the string table. Texts that the program has always
// numbered keep their number; the rest get numbers from a range reserved
// for their subsystem (see string_fragments.h), so ids never collide.
struct MessageId {
    int32_t value = 0;
    friend constexpr bool operator==(MessageId, MessageId) = default;
};

} // namespace brenmoor
