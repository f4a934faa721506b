// Help texts that both attribute selection dialogs register.
#pragma once

constexpr const char* kZokListHelp = "塗潰ブラシが塗潰の対象とする属性を選択します。";
constexpr const char* kZokOkHelp =
    "上記の設定でペイントブラシを新規作成し、ペイント設定ダイアログに戻ります。";
constexpr const char* kZokCancelHelp = "設定を破棄しペイント設定ダイアログに戻ります。";
