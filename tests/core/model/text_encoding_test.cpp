#include "core/model/text_encoding.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

TEST(TextEncoding, OtherCodePagesReachUtf8ReadersReadably) {
    // What this program writes passes unchanged, CJK and all.
    EXPECT_EQ(utf8Text("Modbus\xE5\x91\xBD\xE4\xBB\xA4"), "Modbus\xE5\x91\xBD\xE4\xBB\xA4");
    EXPECT_EQ(utf8Text(""), "");
    // A Windows-1252 name of another edition.
    EXPECT_EQ(utf8Text("Pumpe S\xFC"
                       "d"),
              "Pumpe S\xC3\xBC"
              "d");
    EXPECT_EQ(utf8Text("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8");
    // The unassigned bytes become the controls Windows maps them to.
    EXPECT_EQ(utf8Text("\x81"), "\xC2\x81");
    // One stray byte makes the whole text a Windows-1252 one: "Ã¼" and the
    // stray byte both show as what those bytes were typed as.
    EXPECT_EQ(utf8Text("\xC3\xBC\xFC"), "\xC3\x83\xC2\xBC\xC3\xBC");
    // Overlong forms and surrogates are not UTF-8.
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));
    EXPECT_TRUE(isValidUtf8(utf8Text("\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82")));
    EXPECT_EQ(utf8Length(utf8Text("S\xFC\x80")), 3u);
}

} // namespace
} // namespace brenmoor
