// velmora-host.exe driven from outside with messages; a wait that runs out throws.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class HostError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HostProcess {
public:
    // Starts the program beside this one; returns once it waits for input.
    explicit HostProcess(const std::string& arguments);
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    HWND Frame() const { return m_frame; }
    HWND Item(HWND window, int id) const { return ::GetDlgItem(window, id); }

    void Command(int id);            // as the menu sends it
    void Click(HWND window, int id); // returns at once, even if a dialog opens
    void SetText(HWND window, int id, const std::string& text);
    void ChooseCombo(HWND dialog, int id, const std::string& text);
    void MoveMouse(HWND window, int x, int y);

    std::string Text(HWND window) const;
    std::vector<std::string> ListTexts(HWND list) const;

    HWND WaitPopup(HWND owner); // a dialog or message box that owner owns
    void WaitClosed(HWND window);
    void WaitUntil(const std::function<bool()>& cond, const std::string& what) const;
    void Sync() const; // returns once the program has taken every message sent so far
    DWORD Close();     // as the user closes the main window; the exit code

private:
    HWND Shown(const char* className, HWND owner) const; // owned by owner, if any

    PROCESS_INFORMATION m_process{};
    HWND m_frame = nullptr;
};
