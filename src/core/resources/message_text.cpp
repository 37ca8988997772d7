#include "core/resources/message_text.h"

#include "core/resources/string_table.h"

#include <vector>

namespace brenmoor {

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> args(values);
    std::string out;
    out.reserve(text.size() + 32);
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9') {
            const size_t n = static_cast<size_t>(next - '1');
            // A value spliced in is never scanned again, so a "%1" inside a
            // file's text stays as it is.
            if (n < args.size())
                out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string fillIn(MessageId id, std::initializer_list<std::string_view> values) {
    return fillIn(loadString(id), values);
}

} // namespace brenmoor
