#include "core/serial/field_codec.h"

#include "core/mapping/profibus_config.h"
#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/image_codec.h"

#include <algorithm>

namespace brenmoor {

namespace {

// The field's bytes as one number, high byte first (one or two bytes).
int numberIn(const ByteField& f, std::span<const uint8_t> block) {
    int value = 0;
    for (size_t i = 0; i < f.size; ++i)
        value = value * 256 + block[f.first + i];
    return value;
}

// Out of range values keep their low bits; a negative word its two's
// complement low byte under a high byte of the truncated quotient, so "-1"
// goes out as 00 FF.
void putNumber(const ByteField& f, std::span<uint8_t> block, int value) {
    size_t at = f.first;
    if (f.size == 2)
        block[at++] = static_cast<uint8_t>((value / 256) & 0xff);
    block[at] = static_cast<uint8_t>(value & 0xff);
}

std::string_view rowText(const ByteField& f, int code) {
    return textOf(f.table, code).value_or(std::string_view{});
}

std::string tableText(const ByteField& f, int code) {
    if (const auto t = textOf(f.table, code))
        return std::string(*t);
    return std::to_string(code);
}

// The counted bytes (or every byte) as the text types them: "d1 e1 ".
std::string hexPairs(const ByteField& f, std::span<const uint8_t> block, size_t count) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 1; i <= count; ++i) {
        const uint8_t b = block[f.first + i];
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0f];
        out += ' ';
    }
    return out;
}

size_t countOf(const ByteField& f, std::span<const uint8_t> block) {
    return std::min<size_t>(block[f.first], f.size - 1);
}

} // namespace

void encodeField(const ByteField& f, std::string_view text, std::string_view paired,
                 std::span<uint8_t> block) {
    switch (f.encoding) {
    case Encoding::Number:
    case Encoding::Word:
    case Encoding::StatusBytes:
        putNumber(f, block, encodedDecimal(text));
        return;
    case Encoding::Tens:
        putNumber(f, block, encodedDecimal(text) / 10);
        return;
    case Encoding::HexWord:
        putNumber(f, block, encodedHex(text));
        return;
    case Encoding::FunctionCode:
        putNumber(f, block, functionCodeOf(text));
        return;
    case Encoding::Table:
    case Encoding::TwoCodes:
    case Encoding::Switch:
        block[f.first] = codeOf(f.table, text).value_or(f.fallback);
        return;
    case Encoding::SwapMode:
        block[f.first] = swapCodeOf(text);
        return;
    case Encoding::CountOrKeep:
        putNumber(f, block, paired == text::Keep ? 0 : encodedDecimal(text));
        return;
    case Encoding::CountedBytes: {
        if (paired == rowText(f, 0))
            return;
        const std::vector<uint8_t> bytes = profibusConfigBytes(text);
        const size_t n = std::min(bytes.size(), f.size - 1);
        std::copy_n(bytes.begin(), n, block.begin() + static_cast<std::ptrdiff_t>(f.first + 1));
        block[f.first] = static_cast<uint8_t>(n);
        return;
    }
    case Encoding::Implied:
        return;
    }
}

void decodeField(const ByteField& f, std::span<const uint8_t> block, std::string& text,
                 std::string* paired) {
    const int value = f.size <= 2 ? numberIn(f, block) : 0;
    switch (f.encoding) {
    case Encoding::Number:
    case Encoding::Word:
    case Encoding::FunctionCode:
        text = std::to_string(value);
        return;
    case Encoding::Tens:
        text = std::to_string(value * 10);
        return;
    case Encoding::HexWord:
        text = lowerHex(value);
        return;
    case Encoding::Table:
    case Encoding::SwapMode:
        if (const auto t = textOf(f.table, value))
            text = std::string(*t);
        return;
    case Encoding::TwoCodes:
    case Encoding::Switch:
        text = rowText(f, value != 0 ? 1 : 0);
        return;
    case Encoding::StatusBytes:
        if (value == 0)
            text = text::Close;
        else if (value <= 6)
            text = std::to_string(value) + std::string(loadString(msg::BytesSuffix));
        return;
    case Encoding::CountOrKeep:
        if (value != 0) {
            *paired = loadString(msg::TimeoutCleared);
            text = std::to_string(value);
        } else {
            *paired = text::Keep;
        }
        return;
    case Encoding::CountedBytes: {
        const size_t n = countOf(f, block);
        *paired = rowText(f, n != 0 ? 1 : 0);
        text = hexPairs(f, block, n);
        return;
    }
    case Encoding::Implied:
        text = f.table.front().text;
        return;
    }
}

std::string formatField(const ByteField& f, std::span<const uint8_t> block, Shown shown) {
    const int value = f.size <= 2 ? numberIn(f, block) : 0;
    switch (f.encoding) {
    case Encoding::Number:
    case Encoding::Word:
    case Encoding::FunctionCode:
    case Encoding::StatusBytes:
        return std::to_string(value);
    case Encoding::Tens:
        return std::to_string(value * 10);
    case Encoding::HexWord:
        return lowerHex(value);
    case Encoding::Table:
    case Encoding::TwoCodes:
    case Encoding::SwapMode:
        return tableText(f, value);
    case Encoding::Switch:
        return std::string(rowText(f, value != 0 ? 1 : 0));
    case Encoding::CountOrKeep:
        return value != 0 ? std::to_string(value) : std::string(text::Keep);
    case Encoding::CountedBytes:
        return hexPairs(f, block, shown == Shown::EveryByte ? f.size - 1 : countOf(f, block));
    case Encoding::Implied:
        return {};
    }
    return std::to_string(value);
}

} // namespace brenmoor
