// Drives a modal dialog as a user does: a driver thread acts through posted messages.
#pragma once

#include "afx/afxwin.h"

#include <atomic>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// A wait that ran out, or an action the user could not do.
class UiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class UiHost;

class UiDialog {
public:
    UiDialog(UiHost& host, HWND hWnd) : m_host(host), m_hWnd(hWnd) {}

    HWND Hwnd() const { return m_hWnd; }
    HWND Item(int id) const;

    // Each returns once the dialog has taken it. Type picks "Y/M/D h:mm:ss" in a date picker.
    void Click(int id);
    void Type(int id, const std::string& text);
    void ChooseCombo(int id, int index) { Choose(id, index, CB_SETCURSEL, CBN_SELCHANGE); }
    void ChooseList(int id, int index) { Choose(id, index, LB_SETCURSEL, LBN_SELCHANGE); }
    // A right click or a double-click on a list's row, at height y if given.
    void ClickRow(int id, int row, bool twice, int y = -1);
    void PressKey(UINT key); // to the control with the focus

    // Texts in code page 932.
    std::string Text(int id) const;
    std::string ToolTip(int id) const;
    std::string ItemText(int id, int index) const;
    std::string RowText(int id, int row, int column) const;
    int Count(int id) const { return Send(id, IsList(id) ? LB_GETCOUNT : CB_GETCOUNT); }
    int Sel(int id) const { return Send(id, IsList(id) ? LB_GETCURSEL : CB_GETCURSEL); }
    bool IsEnabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }
    std::string Enabled(std::initializer_list<int> ids) const; // as 0s and 1s
    bool IsShown(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }
    bool IsOpen() const { return ::IsWindow(m_hWnd) && ::IsWindowVisible(m_hWnd); }
    std::string AllTexts() const; // the window's and its children's, one per line

    void WaitEnabled(int id, bool enabled);
    UiDialog WaitForPopup();                   // a message box or dialog opened over this one
    HWND WaitForWindow(const char* className); // a menu (#32768), a picker's popup

private:
    void Choose(int id, int index, UINT set, WORD notice);
    bool IsList(int id) const;
    int Send(int id, UINT message) const { return (int)::SendMessageA(Item(id), message, 0, 0); }

    UiHost& m_host;
    HWND m_hWnd;
};

class UiHost {
public:
    UiHost();
    ~UiHost() { ::DestroyWindow(m_wnd.Detach()); }
    UiHost(const UiHost&) = delete;
    UiHost& operator=(const UiHost&) = delete;

    CWnd* Wnd() { return &m_wnd; } // the parent to pass to a dialog

    // open() shows a modal dialog over Wnd(), script acts on it; Drive returns the failure.
    int Run(const std::function<int()>& open, const std::function<void(UiDialog&)>& script);
    std::string Drive(const std::function<int()>& open,
                      const std::function<void(UiDialog&)>& script, int& result);

    void SetWaitLimit(DWORD ms) { m_waitLimitMs = ms; }
    void WaitUntil(const std::function<bool()>& cond, const std::string& what);
    void Sync(); // returns once the dialog's thread has taken every message posted so far
    DWORD UiThreadId() const { return m_uiThreadId; }
    std::vector<HWND> VisibleDialogs() const; // of the host's thread
    HWND OwnedDialog(HWND owner) const;       // a visible one that owner owns

private:
    static LRESULT CALLBACK HostProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd m_wnd;
    DWORD m_uiThreadId;
    DWORD m_waitLimitMs = 10000;
    std::atomic<bool> m_callReturned{false};
    std::atomic<long> m_posted{0};
    std::atomic<long> m_taken{0};
};

// The process's GDI and USER objects, to tell a leak.
struct GuiObjects {
    DWORD gdi = 0, user = 0;
    bool operator>(const GuiObjects& other) const { return gdi > other.gdi || user > other.user; }
    std::string Text() const {
        return "GDI " + std::to_string(gdi) + ", USER " + std::to_string(user);
    }
};
GuiObjects CountGuiObjects();
