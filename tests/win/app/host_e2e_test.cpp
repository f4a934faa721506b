// velmora-host.exe driven from outside, as a user drives it: a palette made
// in the library's dialogs paints the map, is saved, and comes back after a
// restart; the wheel and Home move the map; bad files are refused with a
// message and cost nothing loaded. Finer points of drawing, zooming and the
// files lie in host_app_tests.
//
// The wrapper script puts the sample box in the work folder named by
// VELMORA_HOST_WORK (a Wine path) and reads the saved box natively afterwards.
#include "host_process.h"
#include "test_files.h"

#include "app/app_resource.h"
#include "tests/win/ui/dib_picture.h"
#include "ui/resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const std::string kSample = VELMORA_SAMPLE_DIR;

std::string WorkFolder() {
    const char* work = std::getenv("VELMORA_HOST_WORK");
    return work ? work : "";
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// What the status bar says about the parcel under the cursor.
struct Hovered {
    std::string chiban;
    std::string brush; // empty off the parcels
};

Hovered HoverAt(HostProcess& host, HWND map, int x, int y) {
    host.MoveMouse(map, x, y);
    std::string text = host.Text(host.Item(host.Frame(), IDC_STATUS_BAR));
    Hovered hovered;
    const std::string chiban = "地番 ";
    const std::string brush = " ｜ ブラシ: ";
    size_t at = text.find(brush);
    if (text.compare(0, chiban.size(), chiban) != 0 || at == std::string::npos)
        return hovered;
    hovered.chiban = text.substr(chiban.size(), text.find(" ｜ ") - chiban.size());
    hovered.brush = text.substr(at + brush.size());
    return hovered;
}

// Whether the parcel `chiban` lies at the points around `at` too.
bool WellInside(HostProcess& host, HWND map, POINT at, const std::string& chiban,
                std::initializer_list<POINT> around) {
    for (POINT d : around)
        if (HoverAt(host, map, at.x + d.x, at.y + d.y).chiban != chiban)
            return false;
    return true;
}

// A point of the map window well inside a parcel whose brush is `brush`.
POINT FindParcelOfBrush(HostProcess& host, const std::string& brush) {
    HWND map = host.Item(host.Frame(), IDC_MAP_VIEW);
    RECT client;
    ::GetClientRect(map, &client);
    constexpr int kStep = 13;
    for (int y = kStep; y < client.bottom - kStep; y += kStep)
        for (int x = kStep; x < client.right - kStep; x += kStep) {
            Hovered here = HoverAt(host, map, x, y);
            if (here.brush == brush && WellInside(host, map, POINT{x, y}, here.chiban,
                                                  {{-5, -5}, {5, -5}, {-5, 5}, {5, 5}}))
                return POINT{x, y};
        }
    throw HostError("no parcel of the brush \"" + brush + "\" on the map");
}

// Waits until most of the pixels around a point of the map show the colour;
// a parcel's label may cover some.
void ExpectMapColour(HostProcess& host, POINT at, COLORREF colour, const std::string& what) {
    HWND map = host.Item(host.Frame(), IDC_MAP_VIEW);
    ::ClientToScreen(map, &at);
    constexpr int kSide = 11;
    constexpr int kEnough = 75; // of 121
    int count = 0;
    try {
        host.WaitUntil(
            [&] {
                DibPicture around(kSide, kSide);
                HDC screen = ::GetDC(nullptr);
                ::BitBlt(around.Dc(), 0, 0, kSide, kSide, screen, at.x - kSide / 2,
                         at.y - kSide / 2, SRCCOPY);
                ::ReleaseDC(nullptr, screen);
                count = 0;
                for (int y = 0; y < kSide; ++y)
                    for (int x = 0; x < kSide; ++x)
                        count += around.At(x, y) == colour;
                return count >= kEnough;
            },
            what + " drawn");
    } catch (const HostError&) {
        ADD_FAILURE() << what << ": only " << count << " of 121 pixels have colour 0x" << std::hex
                      << colour;
    }
}

// Adds a brush for one land category in the open palette editor.
void AddCategory(HostProcess& host, HWND editor, const std::string& category) {
    host.Click(editor, IDC_BRS_ADD);
    HWND condition = host.WaitPopup(editor);
    host.ChooseCombo(condition, IDC_ONLY_COMBO, category);
    host.Click(condition, IDOK);
    host.WaitClosed(condition);
}

// Opens a file through a dialog of File, typing its path as a user does.
void OpenThroughDialog(HostProcess& host, int command, const std::string& path) {
    host.Command(command);
    HWND dialog = host.WaitPopup(host.Frame());
    // The file name field of the common dialog, cmb13.
    // The field takes a path with backslashes only.
    std::string typed = path;
    std::replace(typed.begin(), typed.end(), '/', '\\');
    host.SetText(dialog, 1148, typed);
    host.Click(dialog, IDOK);
    host.WaitClosed(dialog);
}

// Confirms the message box over the main window and returns its text.
std::string AnswerMessage(HostProcess& host) {
    HWND box = host.WaitPopup(host.Frame());
    std::string text = host.Text(host.Item(box, 0xFFFF));
    host.Click(box, IDOK);
    host.WaitClosed(box);
    return text;
}

// Black paint lightened half way to white by a density of 50 %: each
// component 255 - 255 × 0.5, cut towards zero.
const COLORREF kHalfBlack = RGB(128, 128, 128);

class HostProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(WorkFolder().empty()) << "VELMORA_HOST_WORK is not set"; }

    const std::string m_box = WorkFolder() + "\\box.dat";
    const std::string m_map = kSample + "/town.xml";
};

TEST_F(HostProgramTest, PaletteFromTheEditorPaintsTheMapAndComesBackAfterARestart) {
    POINT paddy, residence, other;
    {
        HostProcess host(Quoted(m_map) + " " + Quoted(m_box));
        HWND palettes = host.Item(host.Frame(), IDC_PLT_LIST);
        ASSERT_EQ(host.ListTexts(palettes).size(), 6u);

        host.Click(host.Frame(), ID_PLT_NEW);
        HWND zok = host.WaitPopup(host.Frame());
        host.ChooseCombo(zok, IDC_ZOK_COMBO, "現況地目");
        host.Click(zok, IDOK);
        host.WaitClosed(zok);
        HWND editor = host.WaitPopup(host.Frame());
        EXPECT_EQ(host.Text(editor), "ペイント凡例設定");
        EXPECT_EQ(host.Text(host.Item(editor, IDC_PLT_ZOK)), "現況地目");
        host.SetText(editor, IDC_PLT_NAME, "地目テスト");
        AddCategory(host, editor, "田");
        AddCategory(host, editor, "宅地");
        // The brush added last is the selected row: its fill becomes grey.
        host.Click(editor, IDC_BRS_CHANGE);
        HWND fill = host.WaitPopup(editor);
        host.SetText(fill, IDC_FILL_DEPTH, "50");
        host.Click(fill, IDOK);
        host.WaitClosed(fill);
        host.Click(editor, IDOK);
        host.WaitClosed(editor);

        std::vector<std::string> rows;
        host.WaitUntil(
            [&] {
                rows = host.ListTexts(palettes);
                return rows.size() == 7;
            },
            "the new palette in the list");
        EXPECT_EQ(rows[6], "● 地目テスト\t現況地目");
        EXPECT_EQ(rows[0], "現況地目別\t現況地目");
        std::vector<std::string> legend = host.ListTexts(host.Item(host.Frame(), IDC_LEGEND_LIST));
        ASSERT_EQ(legend.size(), 3u);
        EXPECT_EQ(legend[0].substr(0, legend[0].find('\t')), "田");
        EXPECT_EQ(legend[1].substr(0, legend[1].find('\t')), "宅地");

        paddy = FindParcelOfBrush(host, "田");
        residence = FindParcelOfBrush(host, "宅地");
        other = FindParcelOfBrush(host, "該当なし");
        ExpectMapColour(host, paddy, RGB(0, 0, 0), "a 田 parcel in black");
        ExpectMapColour(host, residence, kHalfBlack, "a 宅地 parcel in grey");
        ExpectMapColour(host, other, RGB(255, 255, 255), "an unmatched parcel left white");

        // Four notches in around the 田 parcel keep it under the cursor and
        // move the 宅地 one away; Home fits the map again.
        HWND map = host.Item(host.Frame(), IDC_MAP_VIEW);
        std::string atPaddy = HoverAt(host, map, paddy.x, paddy.y).chiban;
        std::string atResidence = HoverAt(host, map, residence.x, residence.y).chiban;
        host.Wheel(map, paddy.x, paddy.y, 4);
        EXPECT_EQ(HoverAt(host, map, paddy.x, paddy.y).chiban, atPaddy);
        EXPECT_NE(HoverAt(host, map, residence.x, residence.y).chiban, atResidence);
        host.Key(map, VK_HOME);
        host.WaitUntil(
            [&] { return HoverAt(host, map, residence.x, residence.y).chiban == atResidence; },
            "Home to fit the map again");

        host.Command(ID_FILE_SAVE_BOX);
        host.WaitUntil([&] { return host.Text(host.Frame()).back() != '*'; }, "the box saved");
        EXPECT_EQ(host.Close(), 0u);
    }
    HostProcess host(Quoted(m_map));
    HWND palettes = host.Item(host.Frame(), IDC_PLT_LIST);
    EXPECT_TRUE(host.ListTexts(palettes).empty());
    OpenThroughDialog(host, ID_FILE_OPEN_BOX, m_box);
    std::vector<std::string> rows;
    host.WaitUntil(
        [&] {
            rows = host.ListTexts(palettes);
            return rows.size() == 7;
        },
        "the saved palettes in the list");
    EXPECT_EQ(rows[6], "● 地目テスト\t現況地目");
    ExpectMapColour(host, paddy, RGB(0, 0, 0), "after the restart, the 田 parcel in black");
    ExpectMapColour(host, residence, kHalfBlack, "after the restart, the 宅地 parcel in grey");
    EXPECT_EQ(host.Close(), 0u);
}

TEST_F(HostProgramTest, BadFilesAreRefusedWithAMessageAndCostNothingLoaded) {
    const std::string work = WorkFolder();
    std::string good = ReadBytes(m_box);
    ASSERT_GT(good.size(), 4000u);
    WriteBytes(work + "\\truncated.dat", good.substr(0, good.size() / 2));
    WriteBytes(work + "\\notamap.xml", "<?xml version=\"1.0\"?><html><body/></html>\n");
    // A copy of the town whose CSV has one bad date.
    WriteBytes(work + "\\badrows.xml", ReadBytes(m_map));
    std::string csv = ReadBytes(kSample + "/town.csv");
    size_t row = csv.find("\n1-3,");
    ASSERT_NE(row, std::string::npos);
    csv.replace(row + 1, csv.find('\n', row + 1) - row - 1,
                "1-3,1,2,2,9003,9003,1,1,2001-02-30,1998-09-09,399.42,9999000000003");
    WriteBytes(work + "\\badrows.csv", csv);

    HostProcess host(Quoted(m_map) + " " + Quoted(m_box));
    HWND palettes = host.Item(host.Frame(), IDC_PLT_LIST);
    HWND legend = host.Item(host.Frame(), IDC_LEGEND_LIST);
    std::vector<std::string> paletteRows = host.ListTexts(palettes);
    std::vector<std::string> legendRows = host.ListTexts(legend);
    ASSERT_FALSE(paletteRows.empty());

    OpenThroughDialog(host, ID_FILE_OPEN_BOX, work + "\\truncated.dat");
    std::string message = AnswerMessage(host);
    EXPECT_NE(message.find("truncated.dat"), std::string::npos) << message;
    EXPECT_NE(message.find("結果コード"), std::string::npos) << message;
    EXPECT_EQ(host.ListTexts(palettes), paletteRows);

    OpenThroughDialog(host, ID_FILE_OPEN_MAP, work + "\\notamap.xml");
    message = AnswerMessage(host);
    EXPECT_NE(message.find("notamap.xml"), std::string::npos) << message;
    EXPECT_EQ(host.ListTexts(legend), legendRows);

    OpenThroughDialog(host, ID_FILE_OPEN_MAP, work + "\\badrows.xml");
    message = AnswerMessage(host);
    EXPECT_NE(message.find("badrows.csv:"), std::string::npos) << message;
    EXPECT_NE(message.find("2001-02-30"), std::string::npos) << message;
    EXPECT_NE(host.Text(host.Frame()).find("badrows.xml"), std::string::npos);
    EXPECT_EQ(host.ListTexts(palettes), paletteRows);
    EXPECT_EQ(host.Close(), 0u);
}

} // namespace
