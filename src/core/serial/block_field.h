#pragma once

#include "core/model/device_settings.h"
#include "core/resources/message_id.h"
#include "core/serial/code_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace brenmoor {

// How a field's text becomes its bytes, how the bytes read back as a text,
// and how the read-back check shows them. Numbers are read out of the texts
// with encodedDecimal, hexadecimal ones with encodedHex.
enum class Encoding : uint8_t {
    Number,       // one byte, decimal
    Word,         // two bytes, high byte first, decimal
    Tens,         // one byte holding a tenth of the value; reads back ten times the byte
    HexWord,      // two bytes, high byte first; reads back lower case, no leading zeros
    FunctionCode, // one byte, read out of the text by functionCodeOf
    Table,        // the text's code in `table` (else `fallback`); an unknown code
                  // leaves the text alone and shows as its number
    TwoCodes,     // a two-row table whose second row any non-zero byte reads as;
                  // a byte of neither code still shows as its number
    Switch,       // a two-row table whose second row any non-zero byte reads and shows as
    SwapMode,     // sent by swapCodeOf, which takes either family of swap texts; read
                  // back by `table`
    StatusBytes,  // decimal; reads back "Close" for 0, "<n>Bytes" for 1 to 6, else
                  // leaves the text alone
    CountOrKeep,  // 0 while the paired action is "Keep", else the count; a non-zero
                  // byte reads back as the count with inputs cleared
    CountedBytes, // a count, then that many bytes typed as hexadecimal pairs; the
                  // paired mode takes `table`'s first row for none, its second else
    Implied,      // no bytes: an upload sets the text to the one row of `table`
};

// Where one field lies in a gateway block, under the label the grid gives
// it, and how its bytes read.
struct ByteField {
    size_t first;
    size_t size;
    MessageId label;
    Encoding encoding;
    std::span<const CodeText> table = {};
    uint8_t fallback = 0; // the code of a text the table does not hold
};

// Which way a field travels: most go out with a download and come back with
// an upload; some come back only now and then, one is only ever read.
enum class Travel : uint8_t {
    Both,
    ReadOnly,              // another field's bytes, read into a second text
    ReadWithCommandStatus, // read back only under the command-status flag
    ReadForPulseOutput,    // read back only while the block's output mode is pulse output
};

// The flags under which a field is part of its block at all, in both
// directions and in the read-back check.
enum class Under : uint8_t { Always, DataFilter, NoDataFilter, DoubleFault, NoDoubleFault };

constexpr bool holds(Under under, const DeviceSettings& device) {
    switch (under) {
    case Under::Always:
        return true;
    case Under::DataFilter:
        return device.dataFilter;
    case Under::NoDataFilter:
        return !device.dataFilter;
    case Under::DoubleFault:
        return device.doubleFault;
    case Under::NoDoubleFault:
        return !device.doubleFault;
    }
    return true;
}

// One text of a store record, to read when encoding and to set when decoding.
template <typename Record> struct TextRef {
    std::string& (*edit)(Record&) = nullptr;
    const std::string& (*read)(const Record&) = nullptr;
    constexpr explicit operator bool() const { return edit != nullptr; }
};

namespace detail {
template <typename Member> struct ClassOf;
template <typename Class, typename Type> struct ClassOf<Type Class::*> { using type = Class; };

template <typename T> T& follow(T& t) {
    return t;
}
template <typename T, typename Member, typename... Members>
auto& follow(T& t, Member member, Members... members) {
    return follow(t.*member, members...);
}

template <auto First, auto... Rest> struct MemberPath {
    using Record = typename ClassOf<decltype(First)>::type;
    static std::string& edit(Record& r) { return follow(r, First, Rest...); }
    static const std::string& read(const Record& r) { return follow(r, First, Rest...); }
};
} // namespace detail

// The text reached by a chain of members: at<&FIELDBUS::inputSize>,
// at<&CONFIG::master, &MASTERPARAM::scanRate>.
template <auto... Path>
inline constexpr TextRef<typename detail::MemberPath<Path...>::Record> at{
    &detail::MemberPath<Path...>::edit, &detail::MemberPath<Path...>::read};

// A field of a block together with the store text it comes from and goes to.
template <typename Record> struct Field {
    ByteField bytes;
    TextRef<Record> text;
    TextRef<Record> paired = {}; // the second text of CountOrKeep and CountedBytes
    Travel travel = Travel::Both;
    Under under = Under::Always;
};

// No two fields that go out under the same flags share a byte, and every
// field lies inside its block; checked where each layout is written.
template <typename Record, size_t N>
constexpr bool apart(const std::array<Field<Record>, N>& fields) {
    auto together = [](Under a, Under b) {
        return a == b || a == Under::Always || b == Under::Always;
    };
    for (size_t i = 0; i < N; ++i)
        for (size_t j = i + 1; j < N; ++j) {
            const ByteField& a = fields[i].bytes;
            const ByteField& b = fields[j].bytes;
            if (fields[i].travel != Travel::ReadOnly && fields[j].travel != Travel::ReadOnly &&
                together(fields[i].under, fields[j].under) && a.first < b.first + b.size &&
                b.first < a.first + a.size)
                return false;
        }
    return true;
}

template <typename Record, size_t N>
constexpr bool fitsIn(const std::array<Field<Record>, N>& fields, size_t blockSize) {
    for (const Field<Record>& f : fields)
        if (f.bytes.first + f.bytes.size > blockSize)
            return false;
    return true;
}

} // namespace brenmoor
