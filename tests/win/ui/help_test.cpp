// The help table as the host's help manager reads it through the exports.
#include "ui/help_table.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpTable, EntriesInOrderAndABadIndexLeavesTheTarget) {
    const char* titles[] = {
        "ペイント設定ライブラリ-メインヘルプ", "ペイント設定ライブラリ-メイン画面",
        "ペイント設定ライブラリ-属性選択画面", "ペイント設定ライブラリ-ブラシの作成画面",
        "ペイント設定ライブラリ-ブラシの設定画面"};
    ASSERT_EQ(___OSTINHELP_NUM(), 5);
    TOstinHelpContext entry(0, "", -1, "");
    // Backwards, so that each copy overwrites a longer or shorter title.
    for (int index = 4; index >= 0; --index) {
        EXPECT_EQ(___OSTINHELP_CONTEXT(index, &entry), &entry);
        EXPECT_STREQ(entry.GetTitle(), titles[index]);
        EXPECT_EQ(entry.GetIndex(), index);
        EXPECT_EQ(entry.GetKind(), 4);
        EXPECT_STREQ(entry.GetModule(), "velmora.dll");
    }
    ___OSTINHELP_CONTEXT(5, &entry);
    ___OSTINHELP_CONTEXT(-1, &entry);
    EXPECT_EQ(entry.GetIndex(), 0);
    EXPECT_STREQ(entry.GetTitle(), titles[0]);
    EXPECT_EQ(___OSTINHELP_CONTEXT(0, nullptr), nullptr);
}

} // namespace
