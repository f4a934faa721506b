// Times the brush list under Wine: rebuilding the rows of a full palette and
// repainting the rows in view, against a list of one brush. The two lists
// take turns in every run, so that a busy machine slows both alike; prints
// the median of the runs in milliseconds.
#include "host/sample_drawing.h"
#include "ui/svy_list_crl.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kWarmUpRuns = 3;
const int kRuns = 31;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The list as the editor shows it: six columns, 32-pixel rows, about 18
// rows in view, over a palette of paint and hatch brushes in turn, the
// hatches through all six patterns.
class BenchList {
public:
    explicit BenchList(int brushes) {
        FillSampleDrawing(m_drawing.Attr());
        for (int i = 0; i < brushes; ++i) {
            FACEZSKPAINT_DATA paint = {RGB(i, 255 - i, 128), double(i % 101)};
            FACEZSKHATCH_DATA hatch = {};
            hatch.Type = (WORD)(i / 2 % 6);
            hatch.Color[0] = (BYTE)(i % 16);
            hatch.Space[0] = 1.5 + i % 4;
            CString name;
            name.Format("ブラシ%d", i);
            m_plt.AddBrs((BYTE)i, name, 0, 1, VELMORA_Z_TYPE(), (DWORD)(i % 8), (WORD)(i % 2),
                         paint, hatch);
        }
        m_parent.SubclassWindow(CreateWindowExA(WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP, 0, 0, 540,
                                                620, nullptr, nullptr, nullptr, nullptr));
        m_list.SubclassWindow(CreateWindowExA(
            0, WC_LISTVIEWA, "",
            WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
            0, 0, 540, 620, m_parent, (HMENU)20003, nullptr, nullptr));
        m_parent.ShowWindow(SW_SHOWNOACTIVATE);
        m_images.Create(1, 32, ILC_COLOR24 | ILC_MASK, 1, 1);
        m_list.SetImageList(&m_images, LVSIL_SMALL);
        const char* headings[] = {"ブラシ名", "レイヤNO", "描画色",
                                  "パターン", "濃度(%)",  "間隔(mm)"};
        const int widths[] = {130, 130, 60, 60, 70, 80};
        for (int col = 0; col < 6; ++col)
            m_list.InsertColumn(col, headings[col], LVCFMT_LEFT, widths[col]);
        m_list.SetData(&m_drawing, &m_plt);
    }
    ~BenchList() { m_parent.DestroyWindow(); }

    // One run: FillList, then (untimed) the paint it asks for, then a
    // repaint of everything in view.
    void Run(bool record) {
        double fill = Time([this] { m_list.FillList(); });
        m_list.UpdateWindow();
        double repaint = Time([this] {
            RedrawWindow(m_list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        });
        if (record) {
            m_fills.push_back(fill);
            m_repaints.push_back(repaint);
        }
    }
    double Fill() const { return Median(m_fills); }
    double Repaint() const { return Median(m_repaints); }
    int RowsInView() const { return (int)m_list.SendMessage(LVM_GETCOUNTPERPAGE); }

private:
    template <class F> static double Time(F work) {
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        work();
        QueryPerformanceCounter(&end);
        return 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    }

    ZEL m_drawing;
    CVObjPlt m_plt;
    CWnd m_parent;
    CSvyListCrl m_list;
    CImageList m_images;
    std::vector<double> m_fills;
    std::vector<double> m_repaints;
};

} // namespace

int main() {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    BenchList one(1);
    BenchList full(255);
    for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
        one.Run(run >= kWarmUpRuns);
        full.Run(run >= kWarmUpRuns);
    }
    std::printf("brush list, median of %d runs (ms)\n", kRuns);
    std::printf("%-28s %10s %12s %8s\n", "", "1 brush", "255 brushes", "ratio");
    std::printf("%-28s %10.3f %12.3f %8.1f\n", "FillList", one.Fill(), full.Fill(),
                full.Fill() / one.Fill());
    std::printf("%-28s %10.3f %12.3f %8.1f\n", "repaint of the rows in view", one.Repaint(),
                full.Repaint(), full.Repaint() / one.Repaint());
    std::printf("rows in view: %d; goals: FillList of 255 under 50 ms (%s), repaint under 16 ms "
                "(%s)\n",
                full.RowsInView(), full.Fill() < 50 ? "met" : "missed",
                full.Repaint() < 16 ? "met" : "missed");
    return 0;
}
