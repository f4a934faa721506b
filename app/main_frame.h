// The host program's main window: the menu, the map, the palette panel and
// the status bar, over one map and one palette box. Every change to a
// palette goes through velmora.dll's exports.
#pragma once

#include "app/box_store.h"
#include "app/app_map.h"
#include "app/map_view.h"
#include "app/palette_panel.h"

#include "afx/afxwin.h"
#include "host/object_wnd_proc.h"
#include "host/zel.h"
#include "model/palette_box.h"

#include <memory>
#include <string>

class MainFrame {
public:
    MainFrame();
    ~MainFrame();
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    HWND Create(int show);
    HWND Hwnd() const { return m_hWnd; }

    // Open a map or a box as the menu does; a failure is shown to the user
    // and leaves what was loaded. True on success.
    bool OpenMap(const std::string& path);
    bool OpenBox(const std::string& path, BoxLayout layout);

private:
    friend LRESULT CALLBACK ObjectWndProc<MainFrame>(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void OnCommand(int id, int code);
    void Layout();

    void ChooseMap();
    void ChooseBox(BoxLayout layout);
    bool SaveBox();
    bool SaveBoxAs();
    // Asks whether to save unsaved palette changes; false when the user cancels.
    bool KeepChanges();

    void NewPalette();
    void EditPalette();
    void DeletePalette();
    void RenamePalette();
    void SelectPalette();
    // Whether the editor ended with OK; tells the user when it could not open.
    bool Edited(int result) const;

    // After a change of the box, its selection or the map.
    void Refresh(bool boxChanged);
    void ShowHover(int parcel);
    void UpdateCommands();
    void UpdateTitle();
    void Warn(const std::string& text) const;

    HWND m_hWnd = nullptr;
    HWND m_status = nullptr;
    HFONT m_font = nullptr;
    CWnd m_wnd; // the main window as the library's dialogs' parent
    ZEL m_drawing;
    std::unique_ptr<AppMap> m_map;
    std::unique_ptr<CVPaletteBox> m_box;
    std::string m_mapPath;
    std::string m_boxPath;
    bool m_dirty = false;
    MapView m_view;
    PalettePanel m_panel;
};
