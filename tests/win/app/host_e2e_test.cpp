// velmora-host.exe driven as a user does, in the folder that host_e2e_check.sh fills.
#include "host_process.h"

#include "app/app_resource.h"
#include "tests/win/ui/dib_picture.h"
#include "ui/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

class Host : public HostProcess {
public:
    using HostProcess::HostProcess;

    HWND Map() const { return Item(Frame(), IDC_MAP_VIEW); }
    void Ok(HWND dialog) {
        Click(dialog, IDOK);
        WaitClosed(dialog);
    }
    std::vector<std::string> Palettes() const { return ListTexts(Item(Frame(), IDC_PLT_LIST)); }
    std::vector<std::string> Legend() const { return ListTexts(Item(Frame(), IDC_LEGEND_LIST)); }

    std::string Hover(POINT at) {
        MoveMouse(Map(), at.x, at.y);
        return Text(Item(Frame(), IDC_STATUS_BAR));
    }

    // A point of the map over a parcel of the brush, amid 9 × 9 pixels of the colour.
    POINT FindParcel(COLORREF colour, const std::string& brush) {
        RECT client;
        ::GetClientRect(Map(), &client);
        POINT origin{0, 0}, at{};
        ::ClientToScreen(Map(), &origin);
        DibPicture shot(client.right, client.bottom);
        auto plain = [&] {
            for (int y = at.y - 4; y <= at.y + 4; ++y)
                for (int x = at.x - 4; x <= at.x + 4; ++x)
                    if (shot.At(x, y) != colour)
                        return false;
            return true;
        };
        auto found = [&] {
            HDC screen = ::GetDC(nullptr);
            ::BitBlt(shot.Dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y,
                     SRCCOPY);
            ::ReleaseDC(nullptr, screen);
            for (at.y = 13; at.y < client.bottom - 13; at.y += 13)
                for (at.x = 13; at.x < client.right - 13; at.x += 13)
                    if (plain() && Hover(at).find("ブラシ: " + brush) != std::string::npos)
                        return true;
            return false;
        };
        WaitUntil(found, "a parcel of the brush " + brush + " drawn");
        return at;
    }

    void AddCategory(HWND editor, const std::string& category) {
        Click(editor, IDC_BRS_ADD);
        HWND condition = WaitPopup(editor);
        ChooseCombo(condition, IDC_ONLY_COMBO, category);
        Ok(condition);
    }

    // Types the path into the file dialog's name field (cmb13), with backslashes.
    void Open(int command, std::string path) {
        std::replace(path.begin(), path.end(), '/', '\\');
        Command(command);
        HWND dialog = WaitPopup(Frame());
        SetText(dialog, 1148, path);
        Ok(dialog);
    }
};

TEST(HostProgramTest, PaletteMadeInTheDialogsPaintsTheMapIsSavedAndComesBack) {
    const char* work = std::getenv("VELMORA_HOST_WORK");
    ASSERT_NE(work, nullptr);
    const std::string folder = work, map = "\"" VELMORA_SAMPLE_DIR "/town.xml\"";
    {
        Host host(map + " \"" + folder + "/box.dat\"");
        host.Click(host.Frame(), ID_PLT_NEW);
        HWND zok = host.WaitPopup(host.Frame());
        host.ChooseCombo(zok, IDC_ZOK_COMBO, "現況地目");
        host.Ok(zok);
        HWND editor = host.WaitPopup(host.Frame());
        host.SetText(editor, IDC_PLT_NAME, "地目テスト");
        host.AddCategory(editor, "田");
        host.AddCategory(editor, "宅地");
        // The brush added last is the selected row: its fill becomes grey.
        host.Click(editor, IDC_BRS_CHANGE);
        HWND fill = host.WaitPopup(editor);
        host.SetText(fill, IDC_FILL_DEPTH, "50");
        host.Ok(fill);
        host.Ok(editor);

        host.WaitUntil([&] { return host.Palettes().size() == 7; }, "the new palette listed");
        EXPECT_EQ(host.Palettes()[6], "● 地目テスト\t現況地目");
        std::vector<std::string> legend = host.Legend();
        ASSERT_EQ(legend.size(), 3u);
        EXPECT_EQ(legend[0].substr(0, legend[0].find('\t')) + "|" +
                      legend[1].substr(0, legend[1].find('\t')),
                  "田|宅地");
        host.FindParcel(RGB(0, 0, 0), "田");
        // Black at a density of 50 %: half way to white, cut towards zero.
        POINT residence = host.FindParcel(RGB(128, 128, 128), "宅地");

        // Zoomed in, the 宅地 parcel leaves the cursor; Home fits the map again.
        std::string atResidence = host.Hover(residence);
        host.Command(ID_VIEW_ZOOM_IN);
        EXPECT_NE(host.Hover(residence), atResidence);
        ::PostMessageA(host.Map(), WM_KEYDOWN, VK_HOME, 1); // the loop makes it a command
        ::PostMessageA(host.Map(), WM_KEYUP, VK_HOME, 0xC0000001);
        host.WaitUntil([&] { return host.Hover(residence) == atResidence; }, "Home to fit");

        host.Command(ID_FILE_SAVE_BOX);
        host.WaitUntil([&] { return host.Text(host.Frame()).back() != '*'; }, "the box saved");
        EXPECT_EQ(host.Close(), 0u);
    }
    Host host(map);
    EXPECT_TRUE(host.Palettes().empty());
    host.Open(ID_FILE_OPEN_BOX, folder + "/box.dat");
    const std::vector<std::string> palettes = host.Palettes(), legend = host.Legend();
    ASSERT_EQ(palettes.size(), 7u);
    EXPECT_EQ(palettes[6], "● 地目テスト\t現況地目");

    // The map whose CSV has a bad row opens without the row; the others are refused.
    const struct {
        int command;
        const char* file;
        const char* names;
        const char* says;
        bool opens;
    } files[] = {{ID_FILE_OPEN_BOX, "truncated.dat", "truncated.dat", "結果コード", false},
                 {ID_FILE_OPEN_MAP, "notamap.xml", "notamap.xml", "", false},
                 {ID_FILE_OPEN_MAP, "badrows.xml", "badrows.csv:", "2001-02-30", true}};
    for (const auto& c : files) {
        host.Open(c.command, folder + "/" + c.file);
        HWND box = host.WaitPopup(host.Frame());
        std::string message = host.Text(host.Item(box, 0xFFFF));
        host.Ok(box);
        EXPECT_TRUE(message.find(c.names) != std::string::npos &&
                    message.find(c.says) != std::string::npos)
            << message;
        EXPECT_EQ(host.Palettes(), palettes);
        EXPECT_EQ(host.Text(host.Frame()).find(c.file) != std::string::npos, c.opens) << c.file;
        EXPECT_TRUE(c.opens || host.Legend() == legend) << c.file;
    }
    EXPECT_EQ(host.Close(), 0u);
}

} // namespace
