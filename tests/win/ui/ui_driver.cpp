#include "ui_driver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

const UINT kSyncMessage = WM_APP + 1;
const char kHostClass[] = "VelmoraTestHost";

// What identifies a dialog on screen: its caption and its controls' IDs.
struct TemplateSignature {
    std::wstring caption;
    std::vector<int> ids;
};

// Skips a name-or-ordinal field of a dialog template.
const WORD* SkipSzOrOrd(const WORD* p) {
    if (*p == 0xFFFF)
        return p + 2;
    while (*p)
        ++p;
    return p + 1;
}

const WORD* AlignDword(const WORD* p) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}

// Reads an extended dialog template of velmora.dll or, for the tests' own
// dialogs, of the test program.
TemplateSignature ReadTemplate(int templateId) {
    HMODULE module = ::GetModuleHandleA("velmora.dll");
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (!resource) {
        module = ::GetModuleHandleA(nullptr);
        resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    }
    if (!resource)
        throw UiError("no dialog template " + std::to_string(templateId));
    const WORD* p = static_cast<const WORD*>(::LockResource(::LoadResource(module, resource)));
    if (p[1] != 0xFFFF)
        throw UiError("template " + std::to_string(templateId) + " is not an extended template");
    DWORD style = *reinterpret_cast<const DWORD*>(p + 6);
    WORD count = p[8];
    p = SkipSzOrOrd(SkipSzOrOrd(p + 13)); // menu, class
    TemplateSignature signature;
    signature.caption = reinterpret_cast<const wchar_t*>(p);
    p += signature.caption.size() + 1;
    if (style & (DS_SETFONT | DS_SHELLFONT))
        p = SkipSzOrOrd(p + 3); // size, weight, italic and charset; face name
    for (WORD i = 0; i < count; ++i) {
        p = AlignDword(p);
        int id = *reinterpret_cast<const int*>(p + 10);
        if (id != -1 && id != 0xFFFF)
            signature.ids.push_back(id);
        p = SkipSzOrOrd(SkipSzOrOrd(p + 12)); // class, title
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p + 1) + *p);
    }
    return signature;
}

std::wstring WindowTextW(HWND hWnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hWnd, text, 256);
    return text;
}

bool IsDialogClass(HWND hWnd) {
    char name[16] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    return std::string(name) == "#32770";
}

std::string TextOf(HWND hWnd) {
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

} // namespace

// ------------------------------------------------------------------ UiDialog
HWND UiDialog::Item(int id) const {
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (!item)
        throw UiError("the dialog has no control " + std::to_string(id));
    return item;
}

void UiDialog::Click(int id) {
    HWND button = Item(id);
    if (!::IsWindowEnabled(button) || !::IsWindowVisible(button))
        throw UiError("control " + std::to_string(id) + " cannot be clicked: it is disabled");
    ::PostMessageA(button, BM_CLICK, 0, 0);
    m_host.Sync();
}

void UiDialog::Type(int id, const std::string& text) {
    HWND field = Item(id);
    ::PostMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)field, TRUE); // the user clicks into it
    m_host.Sync();
    ::SendMessageA(field, WM_SETTEXT, 0, (LPARAM)text.c_str());
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // input wakes the dialog's idle handling
    m_host.Sync();
}

void UiDialog::ChooseCombo(int id, int index) {
    HWND combo = Item(id);
    ::PostMessageA(combo, CB_SETCURSEL, index, 0);
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
    m_host.Sync();
}

void UiDialog::ChooseList(int id, int index) {
    HWND list = Item(id);
    ::PostMessageA(list, LB_SETCURSEL, index, 0);
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), (LPARAM)list);
    m_host.Sync();
}

void UiDialog::DoubleClickList(int id, int index) {
    HWND list = Item(id);
    RECT rect = {};
    if (::SendMessageA(list, LB_GETITEMRECT, index, (LPARAM)&rect) == LB_ERR)
        throw UiError("list " + std::to_string(id) + " has no item " + std::to_string(index));
    ::SendMessageA(list, LB_SETTOPINDEX, index, 0);
    ::SendMessageA(list, LB_GETITEMRECT, index, (LPARAM)&rect);
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(list, WM_LBUTTONUP, 0, at);
    ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageA(list, WM_LBUTTONUP, 0, at);
    m_host.Sync();
}

void UiDialog::PostKey(UINT key) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    HWND target = m_hWnd;
    if (::GetGUIThreadInfo(m_host.UiThreadId(), &info) && info.hwndFocus)
        target = info.hwndFocus;
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    m_host.Sync();
}

void UiDialog::PressEnter() {
    PostKey(VK_RETURN);
}

void UiDialog::PressEsc() {
    PostKey(VK_ESCAPE);
}

void UiDialog::PressTab() {
    PostKey(VK_TAB);
}

void UiDialog::CloseBox() {
    ::PostMessageA(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    m_host.Sync();
}

std::string UiDialog::ToolTip(int id) const {
    HWND control = Item(id);
    char text[1024] = {}; // the tool tip copies up to 1024 bytes
    for (HWND tip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip;
         tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof(tool);
        tool.hwnd = m_hWnd;
        tool.uId = (UINT_PTR)control;
        tool.lpszText = text;
        if (::GetWindow(tip, GW_OWNER) == m_hWnd &&
            ::SendMessageA(tip, TTM_GETTOOLINFOA, 0, (LPARAM)&tool)) {
            ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), (LPARAM)&tool);
            return text;
        }
    }
    throw UiError("control " + std::to_string(id) + " has no tool tip");
}

std::string UiDialog::Text(int id) const {
    return TextOf(Item(id));
}

std::string UiDialog::ComboText(int id, int index) const {
    char text[512] = {};
    if (::SendMessageA(Item(id), CB_GETLBTEXT, index, (LPARAM)text) == CB_ERR)
        throw UiError("combo box " + std::to_string(id) + " has no item " + std::to_string(index));
    return text;
}

std::string UiDialog::ListText(int id, int index) const {
    char text[512] = {};
    if (::SendMessageA(Item(id), LB_GETTEXT, index, (LPARAM)text) == LB_ERR)
        throw UiError("list " + std::to_string(id) + " has no item " + std::to_string(index));
    return text;
}

int UiDialog::ComboCount(int id) const {
    return (int)::SendMessageA(Item(id), CB_GETCOUNT, 0, 0);
}

int UiDialog::ComboSel(int id) const {
    return (int)::SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
}

int UiDialog::ListCount(int id) const {
    return (int)::SendMessageA(Item(id), LB_GETCOUNT, 0, 0);
}

int UiDialog::ListSel(int id) const {
    return (int)::SendMessageA(Item(id), LB_GETCURSEL, 0, 0);
}

bool UiDialog::IsEnabled(int id) const {
    return ::IsWindowEnabled(Item(id)) != FALSE;
}

bool UiDialog::IsOpen() const {
    return ::IsWindow(m_hWnd) && ::IsWindowVisible(m_hWnd);
}

std::string UiDialog::AllTexts() const {
    std::string texts = TextOf(m_hWnd);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        texts += "\n" + TextOf(child);
    return texts;
}

void UiDialog::WaitEnabled(int id, bool enabled) {
    m_host.WaitUntil([&] { return IsEnabled(id) == enabled; },
                     "control " + std::to_string(id) + (enabled ? " enabled" : " disabled"));
}

UiDialog UiDialog::WaitForPopup() {
    HWND popup = nullptr;
    m_host.WaitUntil(
        [&] {
            for (HWND hWnd : m_host.VisibleDialogs())
                if (hWnd != m_hWnd && ::GetWindow(hWnd, GW_OWNER) == m_hWnd)
                    popup = hWnd;
            return popup != nullptr;
        },
        "a window over the dialog");
    m_host.Sync();
    return UiDialog(m_host, popup);
}

// -------------------------------------------------------------------- UiHost
UiHost::UiHost() : m_uiThreadId(::GetCurrentThreadId()) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &HostProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    ::RegisterClassA(&windowClass); // fails harmlessly when registered before
    HWND hWnd = ::CreateWindowExA(0, kHostClass, "Velmora test host", WS_OVERLAPPEDWINDOW, 0, 0,
                                  640, 480, nullptr, nullptr, windowClass.hInstance, this);
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, (LONG_PTR)this);
    ::ShowWindow(hWnd, SW_SHOW);
    m_wnd.Attach(hWnd);
}

UiHost::~UiHost() {
    ::DestroyWindow(m_wnd.Detach());
}

LRESULT CALLBACK UiHost::HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSyncMessage) {
        reinterpret_cast<UiHost*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA))->m_taken = (long)wParam;
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

void UiHost::WaitUntil(const std::function<bool()>& cond, const std::string& what) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_waitLimitMs);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw UiError("timed out waiting for " + what);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void UiHost::Sync() {
    long ticket = ++m_posted;
    ::PostMessageA(m_wnd.m_hWnd, kSyncMessage, (WPARAM)ticket, 0);
    WaitUntil([&] { return m_taken >= ticket || m_callReturned; }, "the dialog to take its input");
}

std::set<HWND> UiHost::VisibleDialogs() const {
    std::set<HWND> dialogs;
    ::EnumThreadWindows(
        m_uiThreadId,
        [](HWND hWnd, LPARAM found) {
            if (::IsWindowVisible(hWnd) && IsDialogClass(hWnd))
                reinterpret_cast<std::set<HWND>*>(found)->insert(hWnd);
            return TRUE;
        },
        (LPARAM)&dialogs);
    return dialogs;
}

HWND UiHost::FindDialog(int templateId) const {
    TemplateSignature signature = ReadTemplate(templateId);
    for (HWND hWnd : VisibleDialogs()) {
        if (WindowTextW(hWnd) != signature.caption)
            continue;
        bool all = true;
        for (int id : signature.ids)
            all = all && ::GetDlgItem(hWnd, id) != nullptr;
        if (all)
            return hWnd;
    }
    return nullptr;
}

void UiHost::CloseEverything() {
    for (HWND hWnd : VisibleDialogs())
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    try {
        WaitUntil([&] { return m_callReturned.load(); }, "the dialog to close");
    } catch (const UiError&) {
        // A dialog that refuses to close ends with its message loop.
        ::PostThreadMessageA(m_uiThreadId, WM_QUIT, 0, 0);
    }
}

int UiHost::Run(int templateId, const std::function<int()>& open,
                const std::function<void(UiDialog&)>& script) {
    int result = 0;
    std::string failure = Drive(templateId, open, script, result);
    if (!failure.empty())
        ADD_FAILURE() << failure;
    return result;
}

std::string UiHost::Drive(int templateId, const std::function<int()>& open,
                          const std::function<void(UiDialog&)>& script, int& result) {
    m_callReturned = false;
    std::string failure;
    std::thread driver([&] {
        try {
            HWND dialog = nullptr;
            WaitUntil(
                [&] {
                    if (m_callReturned)
                        throw UiError("the call returned before dialog " +
                                      std::to_string(templateId) + " was shown");
                    dialog = FindDialog(templateId);
                    return dialog != nullptr;
                },
                "dialog " + std::to_string(templateId) + " to be shown");
            Sync(); // the dialog has shown itself and been idle once
            UiDialog ui(*this, dialog);
            script(ui);
            WaitUntil([&] { return m_callReturned.load(); },
                      "dialog " + std::to_string(templateId) + " to close");
        } catch (const std::exception& e) {
            failure = e.what();
            CloseEverything();
        }
    });
    result = open();
    m_callReturned = true;
    driver.join();
    MSG quit;
    while (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return failure;
}

// ---------------------------------------------------------------- GuiObjects
std::string GuiObjects::Text() const {
    return "GDI " + std::to_string(gdi) + ", USER " + std::to_string(user);
}

namespace {
BOOL CALLBACK CountWindow(HWND hWnd, LPARAM count) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == ::GetCurrentProcessId()) {
        ++*reinterpret_cast<DWORD*>(count);
        ::EnumChildWindows(hWnd, &CountWindow, count);
    }
    return TRUE;
}
} // namespace

GuiObjects CountGuiObjects() {
    GuiObjects counts;
    counts.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    counts.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (counts.gdi == 0) // a handle without its generation names whatever holds its slot
        for (ULONG_PTR slot = 0x10; slot < 0x10000; ++slot)
            counts.gdi += ::GetObjectType((HGDIOBJ)slot) != 0;
    if (counts.user == 0)
        ::EnumWindows(&CountWindow, (LPARAM)&counts.user);
    return counts;
}
