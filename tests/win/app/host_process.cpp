#include "host_process.h"

#include <commctrl.h>

#include <chrono>
#include <cstring>
#include <cwchar>
#include <thread>

namespace {
constexpr DWORD kWaitLimitMs = 20000;

// A program that hangs fails the test. Wine carries texts between processes in UTF-16 only.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kWaitLimitMs, &result))
        throw HostError("velmora-host.exe does not answer message " + std::to_string(message));
    return (LRESULT)result;
}

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], (int)wide.size()) - 1);
    return wide;
}

std::string Narrow(const wchar_t* wide) {
    std::string text(std::wcslen(wide) * 2 + 1, '\0');
    int size = ::WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], (int)text.size(), 0, 0);
    return text.substr(0, size - 1);
}

} // namespace

HostProcess::HostProcess(const std::string& arguments) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    *std::strrchr(path, '\\') = '\0';
    std::string command = "\"" + std::string(path) + "\\velmora-host.exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &m_process))
        throw HostError("cannot start " + command);
    WaitUntil([&] { return (m_frame = Shown("VelmoraHostFrame", nullptr)) != nullptr; },
              "the main window of velmora-host.exe");
    // The program opens the files it was given after it shows its window.
    if (::WaitForInputIdle(m_process.hProcess, kWaitLimitMs) != 0)
        throw HostError("velmora-host.exe did not come idle");
    Sync();
}

HostProcess::~HostProcess() {
    ::TerminateProcess(m_process.hProcess, 1); // fails harmlessly once it has ended
    ::WaitForSingleObject(m_process.hProcess, kWaitLimitMs);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

// SendNotifyMessage does not wait for a handler that opens a dialog.
void HostProcess::Command(int id) {
    ::SendNotifyMessageA(m_frame, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Sync();
}

void HostProcess::Click(HWND window, int id) {
    HWND button = Item(window, id);
    WaitUntil([&] { return ::IsWindowEnabled(button) != FALSE; },
              "button " + std::to_string(id) + " to be enabled");
    ::SendNotifyMessageA(button, BM_CLICK, 0, 0);
    Sync();
}

void HostProcess::SetText(HWND window, int id, const std::string& text) {
    HWND field = Item(window, id);
    // An extended combo box keeps its text in an edit control of its own.
    if (HWND edit = (HWND)Send(field, CBEM_GETEDITCONTROL, 0, 0))
        field = edit;
    Send(field, WM_SETTEXT, 0, (LPARAM)Wide(text).c_str());
}

void HostProcess::ChooseCombo(HWND dialog, int id, const std::string& text) {
    HWND combo = Item(dialog, id);
    Send(combo, CB_SETCURSEL,
         Send(combo, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)Wide(text).c_str()), 0);
    ::SendNotifyMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)combo);
    Sync();
}

void HostProcess::MoveMouse(HWND window, int x, int y) {
    // The pointer moves too, so that the window does not see it leave.
    POINT at{x, y};
    ::ClientToScreen(window, &at);
    ::SetCursorPos(at.x, at.y);
    Send(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

std::string HostProcess::Text(HWND window) const {
    wchar_t text[2048] = {};
    Send(window, WM_GETTEXT, 2048, (LPARAM)text);
    return Narrow(text);
}

std::vector<std::string> HostProcess::ListTexts(HWND list) const {
    std::vector<std::string> texts((size_t)Send(list, LB_GETCOUNT, 0, 0));
    for (size_t i = 0; i < texts.size(); ++i) {
        std::wstring wide(Send(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
        Send(list, LB_GETTEXT, i, (LPARAM)&wide[0]);
        texts[i] = Narrow(wide.c_str());
    }
    return texts;
}

HWND HostProcess::Shown(const char* className, HWND owner) const {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = ::FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == m_process.dwProcessId && ::IsWindowVisible(window) &&
            (!owner || ::GetWindow(window, GW_OWNER) == owner))
            return window;
    }
    return nullptr;
}

HWND HostProcess::WaitPopup(HWND owner) {
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = Shown("#32770", owner)) != nullptr; }, "a dialog to open");
    Sync();
    return popup;
}

// Until gone, not only hidden: a click sent into an ending dialog's loop runs there.
void HostProcess::WaitClosed(HWND window) {
    WaitUntil([&] { return !::IsWindow(window); }, "a window to close");
    Sync();
}

void HostProcess::WaitUntil(const std::function<bool()>& cond, const std::string& what) const {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitLimitMs);
    while (!cond()) {
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0)
            throw HostError("velmora-host.exe ended while waiting for " + what);
        if (std::chrono::steady_clock::now() > deadline)
            throw HostError("timed out waiting for " + what);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void HostProcess::Sync() const {
    // A posted message wakes a dialog's idle pass, which enables its buttons.
    ::PostMessageA(m_frame, WM_NULL, 0, 0);
    Send(m_frame, WM_NULL, 0, 0);
}

DWORD HostProcess::Close() {
    ::PostMessageA(m_frame, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_process.hProcess, kWaitLimitMs) != WAIT_OBJECT_0)
        throw HostError("velmora-host.exe did not end");
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}
