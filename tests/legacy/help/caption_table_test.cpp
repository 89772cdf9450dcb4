// The keyed table behind default help and picture names: case-blind keys, first item stays.
#include <gtest/gtest.h>

#include "help/caption_table.h"
#include "help/help_test_support.h"

using brocade::CaptionTable;

TEST(CaptionTable, KeysCompareWithoutRegardToCase) {
    CaptionTable table;
    EXPECT_TRUE(table.Add("Save As", "first"));
    EXPECT_EQ(table.Find("SAVE AS"), "first");
    EXPECT_EQ(table.Find("save as"), "first");
    EXPECT_FALSE(table.Add("SAVE AS", "second"));
    EXPECT_EQ(table.Find("Save As"), "first");
    EXPECT_EQ(table.Size(), 1u);
}

TEST(CaptionTable, AccentedKeysFoldInTheSystemCodePage) {
    std::string lower = help_test::ToCodePage(L"propri\u00e9t\u00e9s", CP_ACP);
    if (help_test::FromCodePage(lower, CP_ACP) != L"propri\u00e9t\u00e9s")
        GTEST_SKIP() << "the system code page " << GetACP() << " has no accented Latin letters";
    CaptionTable table;
    table.Add(help_test::ToCodePage(L"PROPRI\u00c9T\u00c9S", CP_ACP), "found");
    EXPECT_EQ(table.Find(lower), "found");
}

TEST(CaptionTable, MissingKeysGiveAnEmptyText) {
    CaptionTable table;
    EXPECT_TRUE(table.Empty());
    EXPECT_EQ(table.Find("NEW"), "");
    table.Add("NEW", "");
    EXPECT_FALSE(table.Empty());
    EXPECT_EQ(table.Find("OPEN"), "");
}
