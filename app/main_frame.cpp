#include "app/main_frame.h"
#include "app/app_resource.h"
#include "app/app_text.h"
#include "app/kk_value_text.h"
#include "app/legend.h"
#include "app/rename_dlg.h"
#include "parcels/fill/sel_brs_position.h"

#include "afx/afxexcept.h"
#include "host/sample_drawing.h"
#include "model/zok_catalogue.h"
#include "ui/palette_set.h"
#include "ui/zok_type.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

namespace {
const char kClassName[] = "VelmoraHostFrame";
const char kCaption[] = "ペイント設定ホスト";
constexpr int kPanelWidth = 300;
constexpr int kMargin = 6;
constexpr int kMapInfoWidth = 300;
constexpr double kZoomStep = 1.5;

const char kMapFilter[] = "地図XML (*.xml)\0*.xml\0すべてのファイル (*.*)\0*.*\0";
const char kBoxFilter[] = "パレットボックス (*.dat)\0*.dat\0";

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Folder(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The common file dialog; true with the chosen path.
bool AskPath(HWND owner, bool save, const char* title, const char* filter, const char* extension,
             const std::string& start, std::string& path) {
    char file[MAX_PATH] = {};
    lstrcpynA(file, FileName(start).c_str(), MAX_PATH);
    std::string folder = Folder(start);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog)))
        return false;
    path = file;
    return true;
}

// The rows of the attribute CSV that were left out, the first few in full.
std::string SkippedRowsText(const AppMap& map) {
    constexpr size_t kShown = 8;
    std::string text = Format("属性CSVの %d 行を読み飛ばしました。これらの筆には地図の大字・小字"
                              "だけがあります。\n",
                              (int)map.skippedRows.size());
    for (size_t i = 0; i < map.skippedRows.size() && i < kShown; ++i)
        text += "\n" + map.skippedRows[i];
    if (map.skippedRows.size() > kShown)
        text += "\n...";
    return text;
}

std::string AttributeName(WORD zty) {
    if (zty == 0)
        return "フリー";
    CString name;
    Velmora_GetZokNameFromID(zty, name);
    return name.GetString();
}
} // namespace

MainFrame::MainFrame() : m_box(std::make_unique<CVPaletteBox>()) {
    FillSampleDrawing(m_drawing.Attr());
}

MainFrame::~MainFrame() {
    m_wnd.Detach();
    if (m_font)
        ::DeleteObject(m_font);
}

HWND MainFrame::Create(int show) {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &ObjectWndProc<MainFrame>;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_HOST));
    windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_HOST_MENU);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
    ::CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1200,
                      860, nullptr, nullptr, instance, this);
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, show);
        ::UpdateWindow(m_hWnd);
    }
    return m_hWnd;
}

LRESULT MainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A command that fails tells the user, and the program goes on with what
    // it holds.
    try {
        return OnMessage(message, wParam, lParam);
    } catch (CException* e) {
        char text[256] = {};
        e->GetErrorMessage(text, sizeof text);
        e->Delete();
        Warn(Format("操作を続けられませんでした。\n\n%s", text));
    } catch (const std::exception& e) {
        Warn(Format("操作を続けられませんでした。\n\n%s", Utf8ToAnsi(e.what()).c_str()));
    } catch (...) {
        Warn("操作を続けられませんでした。");
    }
    return 0;
}

LRESULT MainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MEASUREITEM:
        return m_panel.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return m_panel.DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_INITMENUPOPUP:
        UpdateCommands();
        return 0;
    case WM_MAP_HOVER:
        ShowHover((int)wParam);
        return 0;
    case WM_CLOSE:
        if (KeepChanges())
            ::DestroyWindow(m_hWnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
    }
}

void MainFrame::OnCreate() {
    m_wnd.Attach(m_hWnd);
    m_font = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           "ＭＳ ゴシック");
    m_view.Create(m_hWnd, IDC_MAP_VIEW);
    m_panel.Create(m_hWnd, m_font);
    m_status = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                                 0, 0, 0, m_hWnd, (HMENU)(INT_PTR)IDC_STATUS_BAR,
                                 ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(m_status, WM_SETFONT, (WPARAM)m_font, FALSE);
    m_view.SetContent(nullptr, m_box.get(), &m_drawing.Attr());
    Refresh(false);
}

void MainFrame::Layout() {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    ::SendMessageA(m_status, WM_SIZE, 0, 0);
    RECT status;
    ::GetWindowRect(m_status, &status);
    int statusHeight = status.bottom - status.top;
    int parts[] = {std::max((int)client.right - kMapInfoWidth, 0), -1};
    ::SendMessageA(m_status, SB_SETPARTS, 2, (LPARAM)parts);
    int bottom = client.bottom - statusHeight - kMargin;
    int panelLeft = client.right - kPanelWidth - kMargin;
    ::MoveWindow(m_view.Hwnd(), kMargin, kMargin, std::max(panelLeft - 2 * kMargin, 1),
                 std::max(bottom - kMargin, 1), TRUE);
    m_panel.Layout(RECT{panelLeft, kMargin, client.right - kMargin, bottom});
}

void MainFrame::OnCommand(int id, int code) {
    switch (id) {
    case ID_FILE_OPEN_MAP:
        ChooseMap();
        break;
    case ID_FILE_OPEN_BOX:
        ChooseBox(BoxLayout::CURRENT);
        break;
    case ID_FILE_OPEN_BOX_OLD:
        ChooseBox(BoxLayout::OLD);
        break;
    case ID_FILE_SAVE_BOX:
        SaveBox();
        break;
    case ID_FILE_SAVE_BOX_AS:
        SaveBoxAs();
        break;
    case ID_FILE_EXIT:
        ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    case ID_VIEW_FIT:
        m_view.Fit();
        break;
    case ID_VIEW_ZOOM_IN:
        m_view.Zoom(kZoomStep);
        break;
    case ID_VIEW_ZOOM_OUT:
        m_view.Zoom(1.0 / kZoomStep);
        break;
    case ID_PLT_NEW:
        NewPalette();
        break;
    case ID_PLT_EDIT:
        EditPalette();
        break;
    case ID_PLT_DELETE:
        DeletePalette();
        break;
    case ID_PLT_RENAME:
        RenamePalette();
        break;
    case ID_PLT_SELECT:
        SelectPalette();
        break;
    case IDC_PLT_LIST:
        if (code == LBN_DBLCLK)
            SelectPalette();
        else if (code == LBN_SELCHANGE)
            UpdateCommands();
        break;
    }
}

// ------------------------------------------------------------------ files
bool MainFrame::OpenMap(const std::string& path) {
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    std::unique_ptr<AppMap> map;
    try {
        map = LoadAppMap(path);
    } catch (const MapLoadError& e) {
        Warn(Format(
            "地図を開けませんでした。\n\nファイル: %s\n\n%s\n\n開いている地図はそのままです。",
            e.File().c_str(), e.what()));
        return false;
    }
    m_map = std::move(map);
    m_mapPath = path;
    m_view.SetContent(m_map.get(), m_box.get(), &m_drawing.Attr());
    Refresh(false);
    if (!m_map->skippedRows.empty())
        Warn(SkippedRowsText(*m_map));
    return true;
}

bool MainFrame::OpenBox(const std::string& path, BoxLayout layout) {
    std::string error;
    std::unique_ptr<CVPaletteBox> box = ReadBoxFile(path, layout, error);
    if (!box) {
        Warn(Format(
            "パレットボックスを開けませんでした。\n\n%s\n\n開いているパレットはそのままです。",
            error.c_str()));
        return false;
    }
    m_box = std::move(box);
    m_boxPath = path;
    m_view.SetContent(m_map.get(), m_box.get(), &m_drawing.Attr());
    m_panel.SetCurrentPalette(-1);
    Refresh(false);
    m_dirty = false;
    UpdateTitle();
    return true;
}

void MainFrame::ChooseMap() {
    std::string path;
    if (AskPath(m_hWnd, false, "地図を開く", kMapFilter, "xml", m_mapPath, path))
        OpenMap(path);
}

void MainFrame::ChooseBox(BoxLayout layout) {
    if (!KeepChanges())
        return;
    std::string path;
    const char* title =
        layout == BoxLayout::OLD ? "旧形式のパレットボックスを開く" : "パレットボックスを開く";
    if (AskPath(m_hWnd, false, title, kBoxFilter, "dat", m_boxPath, path))
        OpenBox(path, layout);
}

bool MainFrame::SaveBox() {
    if (m_boxPath.empty())
        return SaveBoxAs();
    std::string error;
    if (!WriteBoxFile(*m_box, m_boxPath, error)) {
        Warn(Format("パレットボックスを保存できませんでした。\n\n%s", error.c_str()));
        return false;
    }
    m_dirty = false;
    UpdateTitle();
    return true;
}

bool MainFrame::SaveBoxAs() {
    std::string path;
    if (!AskPath(m_hWnd, true, "名前を付けてパレットボックスを保存", kBoxFilter, "dat",
                 m_boxPath.empty() ? Folder(m_mapPath) + "\\palettes.dat" : m_boxPath, path))
        return false;
    std::string previous = m_boxPath;
    m_boxPath = path;
    if (SaveBox())
        return true;
    m_boxPath = previous;
    return false;
}

bool MainFrame::KeepChanges() {
    if (!m_dirty)
        return true;
    int answer = ::MessageBoxA(m_hWnd, "パレットボックスの変更を保存しますか？", kCaption,
                               MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    return answer == IDNO || SaveBox();
}

// --------------------------------------------------------------- palettes
void MainFrame::NewPalette() {
    if (m_box->GetPltCount() >= VELMORA_MAX_PLT) {
        Warn(Format("パレットボックスにはパレットを %d 個まで入れられます。", VELMORA_MAX_PLT));
        return;
    }
    BYTE index = 0;
    if (Velmora_GetZokType(&m_wnd, &index) != IDOK)
        return;
    auto plt = std::make_unique<CVObjPlt>();
    plt->SetZkCode(index);
    if (!Edited(Velmora_PaletteSet(&m_wnd, &m_drawing, plt.get(), 1)))
        return;
    if (!m_box->AddPlt(plt.get())) {
        Warn("パレットをパレットボックスに入れられませんでした。");
        return;
    }
    plt.release();
    int position = m_box->GetPltCount() - 1;
    m_box->SetSelPNo(position);
    m_panel.SetCurrentPalette(position);
    Refresh(true);
}

bool MainFrame::Edited(int result) const {
    if (result == -1)
        Warn("パレットの編集画面を開けませんでした。");
    return result == IDOK;
}

void MainFrame::EditPalette() {
    CVObjPlt* original = m_box->GetPlt(m_panel.CurrentPalette());
    if (!original)
        return;
    // The editor changes brushes at once, even when cancelled: it works on a
    // copy that is kept only on OK.
    CVObjPlt work(*original);
    if (!Edited(Velmora_PaletteSet(&m_wnd, &m_drawing, &work, 0)))
        return;
    original->Copy(&work);
    Refresh(true);
}

void MainFrame::DeletePalette() {
    int position = m_panel.CurrentPalette();
    LPCTSTR name = m_box->GetPltName(position);
    if (!name)
        return;
    std::string question = Format("パレット「%s」を削除しますか？", name);
    if (::MessageBoxA(m_hWnd, question.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    int selected = m_box->GetSelPNo();
    if (position == selected) {
        m_box->_RemoveSelPlt();
    } else {
        m_box->_RemovePlt(position);
        if (position < selected)
            m_box->SetSelPNo(selected - 1);
    }
    m_panel.SetCurrentPalette(std::min(position, m_box->GetPltCount() - 1));
    Refresh(true);
}

void MainFrame::RenamePalette() {
    int position = m_panel.CurrentPalette();
    LPCTSTR current = m_box->GetPltName(position);
    if (!current)
        return;
    std::string name = current;
    if (!AskPaletteName(m_hWnd, name) || name == current)
        return;
    m_box->ChgPltNm(position, name.c_str());
    Refresh(true);
}

void MainFrame::SelectPalette() {
    int position = m_panel.CurrentPalette();
    if (!m_box->GetPlt(position) || position == m_box->GetSelPNo())
        return;
    m_box->SetSelPNo(position);
    Refresh(true);
}

// ---------------------------------------------------------------- showing
void MainFrame::Refresh(bool boxChanged) {
    m_dirty = m_dirty || boxChanged;
    m_panel.ShowPalettes(*m_box);
    CVObjPlt* plt = m_box->GetSelPlt();
    std::string title =
        plt ? Format("凡例: %s（%s）", plt->GetPNm(), AttributeName(plt->GetZty()).c_str())
            : std::string("凡例: パレットが選択されていません");
    m_panel.ShowLegend(CountLegend(m_map.get(), *m_box, m_drawing.Attr()), title);
    m_view.Redraw();
    ShowHover(m_view.Hover());
    std::string mapInfo =
        m_map ? Format("縮尺 1/%d ・ %d 筆", m_map->map.scale, (int)m_map->map.parcels.size())
              : std::string("地図なし");
    ::SendMessageA(m_status, SB_SETTEXTA, 1, (LPARAM)mapInfo.c_str());
    UpdateCommands();
    UpdateTitle();
}

void MainFrame::ShowHover(int parcel) {
    std::string text;
    if (m_map && parcel >= 0 && parcel < (int)m_map->records.size()) {
        SvyKkData& kk = m_map->records[parcel];
        text = Format("地番 %s", kk.KkNm);
        CVObjPlt* plt = m_box->GetSelPlt();
        if (plt) {
            int brush = SelBrsPosition(*m_box, kk);
            text += Format(" ｜ %s: %s ｜ ブラシ: %s", AttributeName(plt->GetZty()).c_str(),
                           KkValueText(kk, plt->GetZty()).c_str(),
                           brush < 0 ? "該当なし" : plt->GetBNm((BYTE)brush));
        }
    }
    ::SendMessageA(m_status, SB_SETTEXTA, 0, (LPARAM)text.c_str());
}

void MainFrame::UpdateCommands() {
    bool current = m_box->GetPlt(m_panel.CurrentPalette()) != nullptr;
    bool room = m_box->GetPltCount() < VELMORA_MAX_PLT;
    HMENU menu = ::GetMenu(m_hWnd);
    struct {
        int id;
        bool enabled;
    } states[] = {{ID_PLT_NEW, room},
                  {ID_PLT_EDIT, current},
                  {ID_PLT_DELETE, current},
                  {ID_PLT_RENAME, current},
                  {ID_PLT_SELECT, current}};
    for (const auto& state : states) {
        ::EnableMenuItem(menu, state.id, MF_BYCOMMAND | (state.enabled ? MF_ENABLED : MF_GRAYED));
        ::EnableWindow(::GetDlgItem(m_hWnd, state.id), state.enabled);
    }
}

void MainFrame::UpdateTitle() {
    std::string title = kCaption;
    if (m_map)
        title += " - " + FileName(m_mapPath);
    title += " - " +
             (m_boxPath.empty() ? std::string("（新しいパレットボックス）") : FileName(m_boxPath));
    if (m_dirty)
        title += " *";
    ::SetWindowTextA(m_hWnd, title.c_str());
}

void MainFrame::Warn(const std::string& text) const {
    ::MessageBoxA(m_hWnd, text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
}
