// velmora-host.exe as a user meets it: a process of its own with its own
// windows. A test starts it, finds its windows and acts on them with
// messages, as input reaches a program; it reads back what the windows show.
// Every wait has a time limit and throws HostError when it runs out; the
// program is ended when the test is done with it.
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
    // Starts the program beside this test with the command-line arguments
    // and waits until its main window has shown itself and it waits for input.
    explicit HostProcess(const std::string& arguments);
    ~HostProcess();
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    HWND Frame() const { return m_frame; }
    HWND Item(HWND window, int id) const;

    // A menu command, as choosing it from the menu sends it.
    void Command(int id);
    // Clicks a button of a window; returns at once, even if a dialog opens.
    void Click(HWND window, int id);
    void SetText(HWND window, int id, const std::string& text);
    // Chooses the combo box item that shows `text`.
    void ChooseCombo(HWND dialog, int id, const std::string& text);
    // Moves the mouse over a point of a window's client area.
    void MoveMouse(HWND window, int x, int y);
    // Turns the wheel by whole notches (positive: away from the user) with
    // the mouse over a point of the window.
    void Wheel(HWND window, int x, int y, int notches);
    // Presses and releases a key, as typed into the window.
    void Key(HWND window, UINT key);

    std::string Text(HWND window) const;
    std::vector<std::string> ListTexts(HWND list) const;

    // Waits for a dialog (or message box) that `owner` owns, and returns it
    // once it has shown itself.
    HWND WaitPopup(HWND owner);
    void WaitClosed(HWND window);
    void WaitUntil(const std::function<bool()>& cond, const std::string& what) const;
    // Returns once the program has taken every message sent to it so far.
    void Sync() const;

    // Closes the main window as the user would and returns the exit code.
    DWORD Close();

private:
    std::vector<HWND> VisibleDialogs() const;

    PROCESS_INFORMATION m_process{};
    HWND m_frame = nullptr;
};

// The folder of the running test program, where velmora-host.exe lies too.
std::string ProgramFolder();
