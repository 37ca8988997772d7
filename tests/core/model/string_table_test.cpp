// The string table: one text per id across every subsystem's fragment, and
// the C formatting the texts were written for.
#include "core/resources/messages_model.h"
#include "core/resources/string_fragments.h"
#include "core/resources/string_table.h"

#include <gtest/gtest.h>

#include <set>

namespace brenmoor {
namespace {

TEST(StringTable, IdsAreUniqueAndTextsPresent) {
    std::set<int32_t> seen;
    for (const StringEntry& entry : allStrings()) {
        EXPECT_TRUE(seen.insert(entry.id.value).second) << "duplicate id " << entry.id.value;
        EXPECT_FALSE(entry.text.empty()) << "empty text for id " << entry.id.value;
    }
    EXPECT_EQ(loadString(MessageId{-12345}), "");
}

TEST(StringTable, PrintfSemanticsAreKept) {
    EXPECT_EQ(replacePlaceholder(loadString(msg::FileNotFound), "a.chg"), "a.chg was not found.");
    EXPECT_EQ(formatMessage(msg::NodeNamePrefix, 3), "Node-");
}

} // namespace
} // namespace brenmoor
