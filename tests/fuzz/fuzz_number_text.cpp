// The program reads numbers out of store texts in several places: the
// editor, the function code, the mapping tools, the encoders of a download
// and the Profibus identifier bytes; and it hands every stored text on as
// UTF-8. Every text a file, an upload or the user brings goes through them.
// Each reader is held to what its header promises, and the readers are held
// to each other where their promises overlap, so a change to one of them
// shows where behaviour moved. One section per header.
#include "fuzz_support.h"

#include "core/mapping/mapping_numbers.h"
#include "core/mapping/mapping_state.h"
#include "core/mapping/profibus_config.h"
#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/model/text_encoding.h"
#include "core/serial/image_codec.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace brenmoor;
using fuzz::check;

namespace {

constexpr int64_t kInt32Min = INT32_MIN;
constexpr int64_t kInt32Max = INT32_MAX;

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// After the blanks and the sign the C library skips: where the digits start.
size_t afterBlanksAndSign(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    return i;
}

// "0x" that the C library takes as a prefix: a hexadecimal digit follows it.
bool hasHexPrefix(std::string_view text, size_t at) {
    return at + 2 < text.size() && text[at] == '0' &&
           (text[at + 1] == 'x' || text[at + 1] == 'X') && isHexDigit(text[at + 2]);
}

// The C library's reading of the text, clamped to 32 bits: what number_text.h
// promises. The text stops at a NUL for the C library, and so it does for
// the reader (a NUL is neither blank, sign nor digit).
int64_t libraryReading(const std::string& text, int base) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, base);
    return std::clamp<int64_t>(value, kInt32Min, kInt32Max);
}

// ---- core/model/number_text.h --------------------------------------------

void checkNumberText(std::string_view text) {
    const std::string copy(text);
    const int32_t decimal = leadingInt(text);
    const int32_t hex = leadingHex(text);
    check(decimal == libraryReading(copy, 10));
    check(hex == libraryReading(copy, 16));

    // Canonical means: the text is its own value's rendering, and every
    // value's rendering is canonical and reads back as the value.
    const std::string rendered = std::to_string(decimal);
    check(isCanonicalDecimal(text) == (text == rendered));
    check(isCanonicalDecimal(rendered));
    check(leadingInt(rendered) == decimal);

    const std::string lower = lowerHex(hex);
    check(!lower.empty() && lower.size() <= 8);
    check(lower.size() == 1 || lower[0] != '0');
    for (char c : lower)
        check(isDecimalDigit(c) || (c >= 'a' && c <= 'f'));
    if (hex >= 0)
        check(leadingHex(lower) == hex);

    // The function code is the decimal reading, for every part of the program.
    check(functionCodeOf(text) == decimal);
}

// ---- core/mapping/mapping_numbers.h ---------------------------------------

constexpr int64_t kMappingSaturation = int64_t{1} << 40;

void checkMappingNumbers(std::string_view text) {
    const int64_t decimal = leadingDecimal(text);
    const int64_t hex = leadingHexDigits(text);
    check(decimal >= 0 && decimal <= kMappingSaturation);
    check(hex >= 0 && hex <= kMappingSaturation);

    // No blanks, no sign: digits from the first character on, which is what
    // the editor's reader makes of a text that starts with one.
    if (text.empty() || !isDecimalDigit(text[0])) {
        check(decimal == 0);
    } else {
        const int32_t editor = leadingInt(text);
        check(editor < kInt32Max ? decimal == editor : decimal >= kInt32Max);
    }
    if (text.empty() || !isHexDigit(text[0])) {
        check(hex == 0);
    } else if (hasHexPrefix(text, 0)) {
        check(hex == 0); // the "0" before the x, nothing after it
    } else {
        const int32_t editor = leadingHex(text);
        check(editor < kInt32Max ? hex == editor : hex >= kInt32Max);
    }
    check(leadingDecimal(std::to_string(decimal)) == decimal);
    const std::string upper = upperHex(hex);
    for (char c : upper)
        check(isDecimalDigit(c) || (c >= 'A' && c <= 'F'));
    check(leadingHexDigits(upper) == hex);

    const auto address = parseMapAddress(text);
    check(address.has_value() == (text != text::NotSet));
    if (address)
        check(*address == hex);
}

// ---- core/serial/image_codec.h --------------------------------------------

void checkEncodedNumbers(std::string_view text) {
    // The encoders read decimals as the editor does; their hexadecimal stops
    // at plus or minus 0x7fffffff and knows no "0x" prefix.
    const int32_t decimal = encodedDecimal(text);
    const int32_t hex = encodedHex(text);
    check(decimal == leadingInt(text));
    if (hasHexPrefix(text, afterBlanksAndSign(text)))
        check(hex == 0);
    else
        check(hex == std::clamp<int64_t>(leadingHex(text), -kInt32Max, kInt32Max));
}

// ---- core/mapping/profibus_config.h ---------------------------------------

void checkProfibusConfig(std::string_view text) {
    const std::vector<uint8_t> bytes = profibusConfigBytes(text);
    // Two characters and a separator a byte; a lone last character is dropped.
    check(bytes.size() == (text.size() + 1) / 3);
    // The texts the program writes (an upload, the editor) read back as
    // the bytes they came from.
    std::string written;
    for (uint8_t b : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02x ", b);
        written += pair;
    }
    check(profibusConfigBytes(written) == bytes);

    MappingState state;
    state.profibusInputLength = 7;
    state.profibusOutputLength = 9;
    const ProfibusConfigResult result = evaluateProfibusConfig(text, state);
    check(evaluateProfibusConfig(written, state) == result);
    if (bytes.empty()) {
        check(result == ProfibusConfigResult::Valid);
        check(state.profibusInputLength == 7 && state.profibusOutputLength == 9);
    } else if (result == ProfibusConfigResult::Valid) {
        check(bytes.size() <= 8);
        check(state.profibusInputLength <= 112 && state.profibusOutputLength <= 112);
    } else {
        check(state.profibusInputLength == 255 && state.profibusOutputLength == 255);
    }
}

// ---- core/model/text_encoding.h ------------------------------------------

void checkTextEncoding(std::string_view text) {
    const std::string shown = utf8Text(text);
    check(isValidUtf8(shown));
    check(utf8Text(shown) == shown);
    if (isValidUtf8(text))
        check(shown == text);
    else
        check(utf8Length(shown) == text.size()); // one character a byte
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkNumberText(text);
    checkMappingNumbers(text);
    checkEncodedNumbers(text);
    checkProfibusConfig(text);
    checkTextEncoding(text);
    return 0;
}
