#include "ui/help_table.h"

namespace {
// Built while the library loads and destroyed when it unloads.
const TOstinHelpContext kHelpTable[VELMORA_HELP_CNT] = {
    {4, "velmora.dll", VELMORA_HELP_MAIN, "ペイント設定ライブラリ-メインヘルプ"},
    {4, "velmora.dll", VELMORA_HELP_PALETTE, "ペイント設定ライブラリ-メイン画面"},
    {4, "velmora.dll", VELMORA_HELP_ZOK_SELECT, "ペイント設定ライブラリ-属性選択画面"},
    {4, "velmora.dll", VELMORA_HELP_BRS_MAKE, "ペイント設定ライブラリ-ブラシの作成画面"},
    {4, "velmora.dll", VELMORA_HELP_BRS_SET, "ペイント設定ライブラリ-ブラシの設定画面"},
};
} // namespace

int ___OSTINHELP_NUM() {
    return VELMORA_HELP_CNT;
}

TOstinHelpContext* ___OSTINHELP_CONTEXT(int index, TOstinHelpContext* target) {
    if (target && index >= 0 && index < VELMORA_HELP_CNT)
        *target = kHelpTable[index];
    return target;
}
