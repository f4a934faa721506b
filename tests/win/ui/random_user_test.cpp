// A random user of the palette editor, checked after each action; scripts/random-user
// sets VELMORA_RANDOM_SEED, _ACTIONS and _OPENS for a long run.
#include "host/sample_drawing.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "ui_driver.h"
#include "model/zok_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

const WORD kZties[] = {0, 100, 106, 300, 200, 201, 500, 401, 999}; // every attribute kind
// What a user types: numbers in and out of range, words, Japanese, a format.
const char* const kTexts[] = {"",     "7",    "65535", "65536", "-1",  "abc",
                              "12.5", "1e3",  "0.0",   "地番",  " 3 ", "9999999.99999999",
                              "%s%d", "ｶﾅ名", "1,2",   "99.99", "100", "0.05"};
// Buttons that open windows of their own (the colour dialog, the pickers' grids).
const int kNotPlayed[] = {
    IDOK, IDCANCEL, IDC_KESH_HELP, IDC_FILL_PAINT_COLOR, IDC_FILL_HATCH_COLOR, IDC_FILL_HATCH_TYPE};

class RandomUser {
public:
    RandomUser(int seed, int actions) : m_seed(seed), m_left(actions), m_rng(seed) {
        FillSampleDrawing(m_drawing.Attr());
        m_host.SetWaitLimit(30000); // a loaded machine, not a broken editor, is slow
    }

    std::string Play() {
        while (m_left > 0) {
            if (m_plt.CountBrs() == 0 && Pick(3) == 0)
                m_plt.SetZty(kZties[Pick(std::size(kZties))]);
            Log("open zty " + std::to_string(m_plt.GetZty()));
            int result = 0, sel = 0;
            std::string failure = m_host.Drive(
                [&] { return Velmora_PaletteSet(m_host.Wnd(), &m_drawing, &m_plt, &sel, 1); },
                [&](UiDialog& dlg) { Session(dlg); }, result);
            if (!failure.empty()) {
                failure += "\nseed " + std::to_string(m_seed) + "; actions:";
                for (size_t i = 0; i < m_log.size(); ++i)
                    failure += "\n  " + std::to_string(i) + " " + m_log[i];
                return failure;
            }
        }
        return "";
    }

private:
    using Action = bool (RandomUser::*)(UiDialog&);

    void Log(const std::string& what) { m_log.push_back(what); }
    int Pick(int n) { return n > 0 ? int(m_rng() % unsigned(n)) : 0; }
    std::string AnyText() { // or one longer than any field takes
        size_t i = Pick(std::size(kTexts) + 1);
        return i < std::size(kTexts) ? kTexts[i] : std::string(70, 'x');
    }
    HWND List(UiDialog& dlg) { return dlg.Item(IDC_BRS_LIST); }
    int Selected(UiDialog& dlg) { return ListView_GetSelectedCount(List(dlg)); }

    // Each action says whether it opened a dialog over the editor.
    void Session(UiDialog& dlg) {
        static const Action kActions[] = {&RandomUser::Add,    &RandomUser::Add,
                                          &RandomUser::Select, &RandomUser::Delete,
                                          &RandomUser::Change, &RandomUser::DoubleClick,
                                          &RandomUser::Menu,   &RandomUser::TypeName};
        Check(dlg); // once the idle pass has set the buttons
        while (m_left-- > 0) {
            if (Pick(20) == 0) { // the user closes the editor
                int how = Pick(3);
                Log(how == 0 ? "OK" : how == 1 ? "Cancel" : "Esc");
                if (how == 0 && dlg.IsEnabled(IDOK))
                    return dlg.Click(IDOK);
                return how == 1 ? dlg.Click(IDCANCEL) : dlg.PressKey(VK_ESCAPE);
            }
            GuiObjects before = Counts(dlg);
            int count = m_plt.CountBrs();
            m_adding = false;
            if ((this->*kActions[Pick(std::size(kActions))])(dlg))
                InPopup(dlg, before, count);
            Check(dlg);
        }
        dlg.Click(IDCANCEL);
    }

    // Row i shows brush i; the editor's controls follow their rules.
    void Check(UiDialog& dlg) {
        int count = m_plt.CountBrs();
        if (ListView_GetItemCount(List(dlg)) != count)
            throw UiError("the list has not one row per brush");
        for (int i = 0; i < count; ++i) {
            bool paint = m_plt.GetPaintFlg(BYTE(i)) == 0;
            std::string name = dlg.RowText(IDC_BRS_LIST, i, 0),
                        layer = dlg.RowText(IDC_BRS_LIST, i, 1);
            if (name != m_plt.GetBNm(BYTE(i)) ||
                layer != m_drawing.Attr().GetLayerLabel(int(m_plt.GetLayerNo(BYTE(i)))) ||
                (dlg.RowText(IDC_BRS_LIST, i, 4) == "----") == paint ||
                (dlg.RowText(IDC_BRS_LIST, i, 5) == "----") != paint)
                throw UiError("row " + std::to_string(i) + " shows " + name + " | " + layer);
        }
        // Read on each try: the editor may still be taking the last input.
        m_host.WaitUntil(
            [&] {
                bool selected = Selected(dlg) > 0;
                return dlg.IsEnabled(IDC_BRS_LIST) == (count > 0) &&
                       dlg.IsEnabled(IDC_BRS_ADD) == (count < 255) &&
                       dlg.IsEnabled(IDC_BRS_DELETE) == (count > 0 && selected) &&
                       dlg.IsEnabled(IDC_BRS_CHANGE) == (count > 0 && selected) &&
                       dlg.IsEnabled(IDOK) == (::GetWindowTextLengthA(dlg.Item(IDC_PLT_NAME)) > 0);
            },
            "the editor's controls to follow " + std::to_string(count) + " brushes");
    }

    // Once the editor has painted; a message after the paint wakes its idle pass.
    GuiObjects Counts(UiDialog& dlg) {
        m_host.Sync();
        ::RedrawWindow(dlg.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GuiObjects counts = CountGuiObjects();
        ::PostMessageA(dlg.Hwnd(), WM_NULL, 0, 0);
        m_host.Sync();
        return counts;
    }

    // Plays the dialog opened over the editor, ends it as a user can, and checks.
    void InPopup(UiDialog& dlg, const GuiObjects& before, int count) {
        UiDialog popup = dlg.WaitForPopup();
        std::string texts = popup.AllTexts(), kind = texts.substr(0, texts.find('\n'));
        for (HWND item = ::GetWindow(popup.Hwnd(), GW_CHILD); item;
             item = ::GetWindow(item, GW_HWNDNEXT))
            if (::IsWindowVisible(item) && ::IsWindowEnabled(item) && Pick(2))
                PlayControl(popup, item);
        static const char* const kEnds[] = {"OK", "Enter", "Cancel", "Esc", "close box"};
        int end = Pick(5);
        Log(std::string("  end ") + kEnds[end]);
        bool ok = end < 2;
        if (end == 0 && popup.IsEnabled(IDOK))
            popup.Click(IDOK);
        else if (end < 2)
            popup.PressKey(VK_RETURN);
        else if (end == 2 && ::GetDlgItem(popup.Hwnd(), IDCANCEL))
            popup.Click(IDCANCEL);
        else if (end == 4)
            ::PostMessageA(popup.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            popup.PressKey(VK_ESCAPE);
        if (ok && popup.IsOpen()) { // Enter while the dialog cannot confirm keeps it open
            popup.Click(IDCANCEL);
            ok = false;
        }
        m_host.WaitUntil([&] { return !popup.IsOpen(); }, "the dialog to close");
        ok = ok && kind != "属性ペイント"; // the message box of an unknown attribute
        if (m_adding && m_plt.CountBrs() != count + (ok ? 1 : 0))
            throw UiError("adding left a wrong number of brushes");
        // Wine remakes some objects, but a leaking dialog leaves more at every closing.
        GuiObjects after = Counts(dlg);
        if (after > before)
            Log("  left " + after.Text() + " after " + before.Text());
        if (!ok && ++m_closes[kind] > 2 &&
            (m_growths[kind] = after > before ? m_growths[kind] + 1 : 0) == 5)
            throw UiError("the dialog left more objects five times running");
    }

    void PlayControl(UiDialog& popup, HWND item) {
        int id = ::GetDlgCtrlID(item);
        char kind[32] = {};
        ::GetClassNameA(item, kind, sizeof(kind));
        if (std::find(std::begin(kNotPlayed), std::end(kNotPlayed), id) != std::end(kNotPlayed))
            return;
        if (!std::strcmp(kind, "Edit")) {
            std::string text = AnyText();
            Log("  type '" + text + "' into " + std::to_string(id));
            popup.Type(id, text);
        } else if (!std::strcmp(kind, "ComboBox")) {
            int index = Pick(popup.Count(id) + 1) - 1;
            Log("  choose " + std::to_string(index) + " in " + std::to_string(id));
            popup.ChooseCombo(id, index);
        } else if (!std::strcmp(kind, DATETIMEPICK_CLASSA)) {
            SYSTEMTIME day = {
                WORD(1971 + Pick(66)), WORD(1 + Pick(12)), 0, WORD(1 + Pick(28)), 12, 0, 0, 0};
            Log("  date " + std::to_string(day.wYear) + "-" + std::to_string(day.wMonth));
            ::SendMessageA(item, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&day);
        } else if (!std::strcmp(kind, "Button") &&
                   (::GetWindowLongA(item, GWL_STYLE) & 0xF) != BS_GROUPBOX) {
            Log("  click " + std::to_string(id));
            popup.Click(id);
        }
    }

    bool Press(UiDialog& dlg, int id, const char* name) {
        if (!dlg.IsEnabled(id))
            return false;
        Log(name);
        int left = m_plt.CountBrs() - Selected(dlg);
        dlg.Click(id);
        if (id == IDC_BRS_DELETE && m_plt.CountBrs() != left)
            throw UiError("deleting left a wrong number of brushes");
        m_adding = id == IDC_BRS_ADD;
        return id != IDC_BRS_DELETE;
    }
    bool Add(UiDialog& dlg) { return Press(dlg, IDC_BRS_ADD, "add"); }
    bool Delete(UiDialog& dlg) { return Press(dlg, IDC_BRS_DELETE, "delete"); }
    bool Change(UiDialog& dlg) { return Press(dlg, IDC_BRS_CHANGE, "change"); }

    bool Select(UiDialog& dlg) {
        std::string rows;
        ListView_SetItemState(List(dlg), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int i = 0; i < m_plt.CountBrs(); ++i)
            if (Pick(3) == 0) {
                ListView_SetItemState(List(dlg), i, LVIS_SELECTED, LVIS_SELECTED);
                rows += " " + std::to_string(i);
            }
        Log("select" + rows);
        ::PostMessageA(dlg.Hwnd(), WM_NULL, 0, 0); // input wakes the idle pass
        m_host.Sync();
        return false;
    }

    bool DoubleClick(UiDialog& dlg) {
        if (m_plt.CountBrs() == 0)
            return false;
        int row = Pick(m_plt.CountBrs());
        Log("double-click " + std::to_string(row));
        ListView_EnsureVisible(List(dlg), row, FALSE);
        dlg.ClickRow(IDC_BRS_LIST, row, true);
        return true;
    }

    // The context menu, below the rows: its greyed items, then Esc or an item.
    bool Menu(UiDialog& dlg) {
        if (!::IsWindowEnabled(List(dlg)))
            return false;
        int item = Pick(4);
        Log("menu item " + std::to_string(item));
        dlg.ClickRow(IDC_BRS_LIST, 0, false, 300);
        HWND menu = dlg.WaitForWindow("#32768");
        HMENU items = (HMENU)::SendMessageA(menu, MN_GETHMENU, 0, 0);
        bool none = Selected(dlg) == 0, full = m_plt.CountBrs() >= 255;
        for (int id : {IDC_BRS_ADD, IDC_BRS_CHANGE, IDC_BRS_DELETE})
            if (bool(::GetMenuState(items, id, MF_BYCOMMAND) & MF_GRAYED) !=
                (id == IDC_BRS_ADD ? full : none))
                throw UiError("the menu's item " + std::to_string(id) + " is wrongly greyed");
        bool esc = item == 3 || (item > 0 && none) || full;
        for (int down = 0; down <= item && !esc; ++down)
            ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(menu, WM_KEYDOWN, esc ? VK_ESCAPE : VK_RETURN, 0);
        if (!esc && item != 2)
            return m_adding = item == 0, true;
        m_host.WaitUntil([&] { return !::IsWindowVisible(menu); }, "the menu to close");
        m_host.Sync();
        return false;
    }

    bool TypeName(UiDialog& dlg) {
        std::string text = AnyText();
        Log("name '" + text + "'");
        dlg.Type(IDC_PLT_NAME, text);
        return false;
    }

    int m_seed;
    int m_left;
    std::mt19937 m_rng;
    UiHost m_host;
    ZEL m_drawing;
    CVObjPlt m_plt;
    std::vector<std::string> m_log;
    std::map<std::string, int> m_growths;
    bool m_adding = false;
    std::map<std::string, int> m_closes;
};

TEST(RandomUserTest, SeededActionsKeepTheListTheButtonsAndTheObjects) {
    RandomUser user(EnvInt("VELMORA_RANDOM_SEED", 22), EnvInt("VELMORA_RANDOM_ACTIONS", 200));
    EXPECT_EQ(user.Play(), "");
}

TEST(RandomUserTest, OpeningAndClosingTheEditorGrowsNoObjects) {
    UiHost host;
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    CVObjPlt plt; // enough rows for a scroll bar, in every colour and pattern
    plt.SetZty(ZOK_KYOYU_NINZU);
    for (int i = 0; i < 40; ++i) {
        FACEZSKHATCH_DATA hatch = {};
        hatch.Type = i % 6;
        hatch.Color[0] = BYTE(i % 16);
        plt.AddBrs(BYTE(i), std::to_string(i).c_str(), 0, 1, VELMORA_Z_TYPE{}, i % 8, i % 2,
                   {RGB(i * 6, 0, 0), 100}, hatch);
    }
    int sel = 0;
    int opens = EnvInt("VELMORA_RANDOM_OPENS", 20);
    std::vector<GuiObjects> counts;
    for (int i = 0; i < opens; ++i) {
        host.Run([&] { return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, 0); },
                 [&](UiDialog& dlg) {
                     ::SendMessageA(dlg.Item(IDC_BRS_LIST), WM_VSCROLL, SB_BOTTOM, 0);
                     i % 2 ? dlg.PressKey(VK_ESCAPE) : dlg.Click(IDCANCEL);
                 });
        counts.push_back(CountGuiObjects());
    }
    // Wine's caches grow now and then; a leak grows at every opening of the later half.
    const GuiObjects& half = counts[opens / 2 - 1];
    EXPECT_LT(counts.back().gdi, half.gdi + opens / 2);
    EXPECT_LE(counts.back().user, half.user);
}

} // namespace
