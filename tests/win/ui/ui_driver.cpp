#include "ui_driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const UINT kSyncMessage = WM_APP + 1;
const char kHostClass[] = "VelmoraTestHost";

std::string ClassOf(HWND hWnd) {
    char name[32] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    return name;
}

std::string TextOf(HWND hWnd) {
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

void PostClick(HWND window, LPARAM at, bool twice) {
    if (twice)
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            ::PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
    else
        for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP})
            ::PostMessageA(window, message, message == WM_RBUTTONUP ? 0 : MK_RBUTTON, at);
}

} // namespace

HWND UiDialog::Item(int id) const {
    if (HWND item = ::GetDlgItem(m_hWnd, id))
        return item;
    throw UiError("the dialog has no control " + std::to_string(id));
}

void UiDialog::Click(int id) {
    HWND button = Item(id);
    WaitEnabled(id, true);
    if (!::IsWindowVisible(button))
        throw UiError("control " + std::to_string(id) + " cannot be clicked: it is hidden");
    ::PostMessageA(button, BM_CLICK, 0, 0);
    m_host.Sync();
}

void UiDialog::Type(int id, const std::string& text) {
    HWND field = Item(id);
    ::PostMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)field, TRUE); // the user clicks into it
    m_host.Sync();
    if (ClassOf(field) == DATETIMEPICK_CLASSA) {
        NMDATETIMECHANGE change = {{field, (UINT_PTR)id, DTN_DATETIMECHANGE}, GDT_VALID, {}};
        SYSTEMTIME& t = change.st;
        std::sscanf(text.c_str(), "%hu/%hu/%hu %hu:%hu:%hu", &t.wYear, &t.wMonth, &t.wDay, &t.wHour,
                    &t.wMinute, &t.wSecond);
        ::SendMessageA(field, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&t);
        ::SendMessageA(m_hWnd, WM_NOTIFY, (WPARAM)id, (LPARAM)&change);
    } else {
        ::SendMessageA(field, WM_SETTEXT, 0, (LPARAM)text.c_str());
    }
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // input wakes the dialog's idle handling
    m_host.Sync();
}

void UiDialog::Choose(int id, int index, UINT set, WORD notice) {
    HWND control = Item(id);
    ::PostMessageA(control, set, index, 0);
    ::PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, notice), (LPARAM)control);
    m_host.Sync();
}

void UiDialog::ClickRow(int id, int row, bool twice, int y) {
    HWND list = Item(id);
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    if (IsList(id))
        ::SendMessageA(list, LB_SETTOPINDEX, row, 0);
    ::SendMessageA(list, IsList(id) ? LB_GETITEMRECT : LVM_GETITEMRECT, row, (LPARAM)&rect);
    PostClick(list, MAKELPARAM(rect.left + 20, y >= 0 ? y : (rect.top + rect.bottom) / 2), twice);
    m_host.Sync();
}

void UiDialog::PressKey(UINT key) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    HWND target =
        ::GetGUIThreadInfo(m_host.UiThreadId(), &info) && info.hwndFocus ? info.hwndFocus : m_hWnd;
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    m_host.Sync();
}

std::string UiDialog::Text(int id) const {
    return TextOf(Item(id));
}

std::string UiDialog::Enabled(std::initializer_list<int> ids) const {
    std::string enabled;
    for (int id : ids)
        enabled += IsEnabled(id) ? '1' : '0';
    return enabled;
}

std::string UiDialog::ToolTip(int id) const {
    char text[1024] = {}; // the tool tip copies up to 1024 bytes
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = m_hWnd;
    tool.uId = (UINT_PTR)Item(id);
    tool.lpszText = text;
    for (HWND tip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip;
         tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr))
        if (::GetWindow(tip, GW_OWNER) == m_hWnd &&
            ::SendMessageA(tip, TTM_GETTOOLINFOA, 0, (LPARAM)&tool)) {
            ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), (LPARAM)&tool);
            return text;
        }
    throw UiError("control " + std::to_string(id) + " has no tool tip");
}

bool UiDialog::IsList(int id) const {
    return ClassOf(Item(id)) == "ListBox";
}

std::string UiDialog::ItemText(int id, int index) const {
    char text[512] = {};
    ::SendMessageA(Item(id), IsList(id) ? LB_GETTEXT : CB_GETLBTEXT, index, (LPARAM)text);
    return text;
}

std::string UiDialog::RowText(int id, int row, int column) const {
    char text[256] = {};
    ListView_GetItemText(Item(id), row, column, text, sizeof(text));
    return text;
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
    m_host.WaitUntil([&] { return (popup = m_host.OwnedDialog(m_hWnd)) != nullptr; },
                     "a window over the dialog");
    m_host.Sync();
    return UiDialog(m_host, popup);
}

HWND UiDialog::WaitForWindow(const char* className) {
    HWND window = nullptr;
    m_host.WaitUntil(
        [&] { return (window = ::FindWindowA(className, nullptr)) && ::IsWindowVisible(window); },
        std::string("a window of class ") + className);
    return window;
}

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

LRESULT CALLBACK UiHost::HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kSyncMessage)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    reinterpret_cast<UiHost*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA))->m_taken = (long)wParam;
    return 0;
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

std::vector<HWND> UiHost::VisibleDialogs() const {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(
        m_uiThreadId,
        [](HWND hWnd, LPARAM found) {
            if (::IsWindowVisible(hWnd) && ClassOf(hWnd) == "#32770")
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(hWnd);
            return TRUE;
        },
        (LPARAM)&dialogs);
    return dialogs;
}

HWND UiHost::OwnedDialog(HWND owner) const {
    for (HWND hWnd : VisibleDialogs())
        if (::GetWindow(hWnd, GW_OWNER) == owner)
            return hWnd;
    return nullptr;
}

int UiHost::Run(const std::function<int()>& open, const std::function<void(UiDialog&)>& script) {
    int result = 0;
    std::string failure = Drive(open, script, result);
    EXPECT_EQ(failure, "");
    return result;
}

std::string UiHost::Drive(const std::function<int()>& open,
                          const std::function<void(UiDialog&)>& script, int& result) {
    m_callReturned = false;
    std::string failure;
    std::thread driver([&] {
        try {
            HWND dialog = nullptr;
            WaitUntil(
                [&] {
                    if (m_callReturned)
                        throw UiError("the call returned before its dialog was shown");
                    return (dialog = OwnedDialog(m_wnd.m_hWnd)) != nullptr;
                },
                "the dialog to be shown");
            Sync(); // the dialog has shown itself and been idle once
            UiDialog ui(*this, dialog);
            script(ui);
            WaitUntil([&] { return m_callReturned.load(); }, "the dialog to close");
        } catch (const std::exception& e) {
            failure = e.what();
            // A menu's own loop holds the thread until the menu ends.
            for (HWND hWnd : VisibleDialogs()) {
                ::PostMessageA(hWnd, WM_CANCELMODE, 0, 0);
                ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
            }
            try {
                WaitUntil([&] { return m_callReturned.load(); }, "the dialog to close");
            } catch (const UiError&) {
                // A dialog that refuses to close ends with its message loop.
                ::PostThreadMessageA(m_uiThreadId, WM_QUIT, 0, 0);
            }
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

// Wine answers GetGuiResources with 0: count the GDI handle table and the windows.
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
