#include "core/resources/string_fragments.h"
#include "core/resources/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brenmoor {
namespace {

// Several subsystems quote the same download texts; each id must still have
// exactly one entry in the merged table, or the lookup picks one at random.
TEST(MappingStrings, EveryIdHasExactlyOneText) {
    const auto all = allStrings();
    for (const StringEntry& entry : mappingStrings()) {
        const auto count = std::count_if(
            all.begin(), all.end(), [&](const StringEntry& other) { return other.id == entry.id; });
        EXPECT_EQ(count, 1) << entry.id.value;
        EXPECT_FALSE(entry.text.empty()) << entry.id.value;
    }
}

TEST(MappingStrings, FormatsInsertTheNodeAndSubnetAsGiven) {
    EXPECT_EQ(formatMessage(MessageId{64721}, "12"),
              "Node-12 input commands mapped address out of range!");
    EXPECT_EQ(formatMessage(MessageId{61679}, 1), "Subnet 1 response wait time Unfilled");
}

} // namespace
} // namespace brenmoor
