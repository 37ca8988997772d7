#include "core/model/function_code.h"

#include "core/model/number_text.h"

namespace brenmoor {

int functionCodeOf(std::string_view text) {
    return leadingInt(text);
}

} // namespace brenmoor
