#include "core/resources/string_table.h"

#include "core/resources/string_fragments.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <vector>

namespace brenmoor {
namespace {

const std::vector<StringEntry>& mergedTable() {
    static const std::vector<StringEntry> table = [] {
        std::vector<StringEntry> all;
        for (auto fragment :
             {modelStrings(), editorStrings(), mappingStrings(), serialStrings(), monitorStrings(),
              exportStrings(), guiStrings(), serialDialogStrings(), compareStrings(),
              historyStrings(), documentStrings(), desktopStrings(),
              monitorDiagnosticsStrings()})
            all.insert(all.end(), fragment.begin(), fragment.end());
        return all;
    }();
    return table;
}

const std::unordered_map<int32_t, std::string_view>& index() {
    static const std::unordered_map<int32_t, std::string_view> map = [] {
        std::unordered_map<int32_t, std::string_view> m;
        for (const auto& entry : mergedTable())
            m.emplace(entry.id.value, entry.text);
        return m;
    }();
    return map;
}

// The table's format strings are our own, with exactly one conversion each;
// snprintf gives them the C semantics they were written for (the blank flag
// of "% d", "% s" passed through as is).
template <typename T> std::string formatWith(std::string_view format, T value) {
    const std::string fmt(format);
    const int size = std::snprintf(nullptr, 0, fmt.c_str(), value);
    if (size < 0)
        return fmt;
    std::string out(static_cast<size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), fmt.c_str(), value);
    out.resize(static_cast<size_t>(size));
    return out;
}

} // namespace

std::string_view loadString(MessageId id) {
    const auto& map = index();
    const auto it = map.find(id.value);
    return it == map.end() ? std::string_view{} : it->second;
}

std::span<const StringEntry> allStrings() {
    return mergedTable();
}

std::string formatMessage(MessageId id, int value) {
    return formatWith(loadString(id), value);
}

std::string formatMessage(MessageId id, std::string_view value) {
    const std::string text(value);
    return formatWith(loadString(id), text.c_str());
}

std::string replacePlaceholder(std::string_view text, std::string_view value) {
    std::string out(text);
    const auto pos = out.find("%1");
    if (pos != std::string::npos)
        out.replace(pos, 2, value);
    return out;
}

} // namespace brenmoor
