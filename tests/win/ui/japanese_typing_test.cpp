// Japanese typed key by key into the editor's name field (a bound field in
// the library's modal loop): as SendInput's Unicode keys and as the
// WM_IME_CHAR that an input method sends; the field must hold what was typed.
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t kTyped[] = L"地番ｶﾅa";

std::wstring TextW(HWND hWnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

void Key(wchar_t c, DWORD up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE | up;
    ::SendInput(1, &input, sizeof(input));
}

// Empties the field, gives it the focus and types kTyped, as keys or as
// input method characters, then waits for the closing 'a' to arrive;
// returns what the field holds.
std::wstring TypeInto(UiHost& host, UiDialog& dlg, int id, bool keys) {
    HWND field = dlg.Item(id);
    ::SendMessageW(field, WM_SETTEXT, 0, (LPARAM)L"");
    ::SetForegroundWindow(dlg.Hwnd());
    ::PostMessageA(dlg.Hwnd(), WM_NEXTDLGCTL, (WPARAM)field, TRUE);
    host.Sync();
    for (const wchar_t* c = kTyped; *c; ++c) {
        if (keys) {
            Key(*c, 0);
            Key(*c, KEYEVENTF_KEYUP);
        } else {
            ::PostMessageW(field, WM_IME_CHAR, *c, 1);
        }
    }
    host.WaitUntil([&] { return !TextW(field).empty() && TextW(field).back() == L'a'; },
                   "the typing to arrive");
    return TextW(field);
}

TEST(JapaneseTypingTest, EditorNameField) {
    UiHost host;
    ZEL drawing;
    CVObjPlt plt;
    int sel = 0;
    host.Run([&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, 1); },
             [&](UiDialog& dlg) {
                 for (bool keys : {true, false})
                     EXPECT_EQ(TypeInto(host, dlg, IDC_PLT_NAME, keys), kTyped) << keys;
                 dlg.Click(IDCANCEL);
             });
}

} // namespace
