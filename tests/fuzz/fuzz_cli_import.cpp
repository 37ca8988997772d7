// `brenmoor-cli import` from the bytes of the file on: the JSON parse, the
// project built from it, the project file saved. The refusals the command
// is designed for (a parse error, a JsonImportError) end the run as the
// command ends it; any other exception escapes and is a finding. What the
// import accepts it must hold: the JSON form printed back contains every
// field the input gave with the value it gave (a number too is the same
// number), and the saved file opens again as the same project.
#include "fuzz_support.h"

#include "cli/project_json.h"

#include <nlohmann/json.hpp>

using namespace brenmoor;
using fuzz::check;
using nlohmann::json;

namespace {

// A whole number as sign and magnitude: the parser keeps a non-negative one
// as unsigned, the printer as signed, and json's own == converts one to the
// other's type (an unsigned 2^64-1 equals a signed -1 there).
std::pair<bool, uint64_t> signedMagnitude(const json& number) {
    if (number.is_number_unsigned())
        return {false, number.get<uint64_t>()};
    const int64_t value = number.get<int64_t>();
    if (value >= 0)
        return {false, static_cast<uint64_t>(value)};
    return {true, static_cast<uint64_t>(-(value + 1)) + 1};
}

bool sameValue(const json& printed, const json& given) {
    if (given.is_number_integer())
        return printed.is_number_integer() && signedMagnitude(printed) == signedMagnitude(given);
    return printed == given;
}

// Every field of `given` is in `printed` with the same value. The stated
// counts of a subnet are only checked for their type: the arrays decide.
bool holds(const json& printed, const json& given) {
    if (given.is_object()) {
        if (!printed.is_object())
            return false;
        for (const auto& item : given.items()) {
            if (item.key() == "nodeCount" || item.key() == "commandCount")
                continue;
            const auto it = printed.find(item.key());
            if (it == printed.end() || !holds(*it, item.value()))
                return false;
        }
        return true;
    }
    if (given.is_array()) {
        if (!printed.is_array() || printed.size() < given.size())
            return false;
        for (size_t i = 0; i < given.size(); ++i)
            if (!holds(printed[i], given[i]))
                return false;
        return true;
    }
    return sameValue(printed, given);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    json given;
    try {
        given = json::parse(data, data + size);
    } catch (const json::parse_error&) {
        return 0; // "... is not valid JSON (at byte N)."
    } catch (const json::out_of_range&) {
        return 0; // "... is not valid JSON (a number is out of range)."
    }
    Project project;
    try {
        project = cli::projectFromJson(given);
    } catch (const cli::JsonImportError&) {
        return 0; // the reason is printed
    }
    check(holds(cli::projectToJson(project), given));
    fuzz::checkSavesAndReopens(project);
    return 0;
}
