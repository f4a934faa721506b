// Times the palette editor under Wine: opening it on a full palette of 255
// brushes until its first full paint, and deleting 254 of the 255 rows until
// the editor shows the result. The end of each is the modal loop's next idle
// pass, which comes only once nothing is left to paint. Prints the median of
// the runs in milliseconds.
#include "host/sample_drawing.h"
#include "ui/palette_set.h"
#include "ui/resource.h"
#include "tests/win/ui/ui_driver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

namespace {

const int kRuns = 9;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * (double)counter.QuadPart / (double)frequency.QuadPart;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The moment of the first idle pass after the clock was armed; the hook runs
// on the editor's thread, the clock is armed from either thread.
std::atomic<bool> g_armed{false};
std::atomic<double> g_idleAt{0.0};

LRESULT CALLBACK OnSentMessage(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_KICKIDLE && g_armed.exchange(false))
        g_idleAt = Now();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void FillPalette(CVObjPlt& plt) {
    plt.SetZkCode(13); // 公簿面積
    plt.SetPNm("公簿面積別");
    for (int i = 0; i < 255; ++i) {
        FACEZSKPAINT_DATA paint = {RGB(i, 255 - i, 128), double(i % 101)};
        FACEZSKHATCH_DATA hatch = {};
        hatch.Type = (WORD)(i / 2 % 6);
        hatch.Color[0] = (BYTE)(i % 16);
        hatch.Space[0] = 1.5 + i % 4;
        CString name;
        name.Format("%d.0000000～%d.9999999", i * 100, i * 100 + 99);
        VELMORA_Z_TYPE cond = {};
        cond.ZReal.Zty = plt.GetZty();
        plt.AddBrs((BYTE)i, name, 0, 1, cond, (DWORD)(i % 8), (WORD)(i % 2), paint, hatch);
    }
}

} // namespace

int main() {
    UiHost host;
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &OnSentMessage, nullptr, GetCurrentThreadId());
    std::vector<double> opens, emptyOpens, deletes;
    for (int run = 0; run < 2 * kRuns; ++run) {
        // Runs on an empty palette take turns with full ones: the fixed cost
        // of a dialog under Wine, beside the cost of the brushes.
        bool full = run % 2 == 0;
        CVObjPlt plt;
        if (full)
            FillPalette(plt);
        else
            plt.SetZkCode(13);
        int sel = 0;
        int result = 0;
        double start = 0.0;
        std::string failure = host.Drive(
            [&] {
                g_armed = true;
                start = Now();
                return Velmora_PaletteSet(host.Wnd(), &drawing, &plt, &sel, 0);
            },
            [&](UiDialog& dlg) {
                host.WaitUntil([] { return !g_armed; }, "the first idle pass");
                (full ? opens : emptyOpens).push_back(g_idleAt - start);
                if (!full) {
                    dlg.Click(IDCANCEL);
                    return;
                }

                HWND list = dlg.Item(IDC_BRS_LIST);
                // Rows 1 to 254 are selected before row 0 is let go, so that
                // Delete stays enabled all along.
                LVITEMA item = {};
                item.stateMask = item.state = LVIS_SELECTED;
                for (int row = 1; row < 255; ++row)
                    SendMessageA(list, LVM_SETITEMSTATE, row, (LPARAM)&item);
                item.state = 0;
                SendMessageA(list, LVM_SETITEMSTATE, 0, (LPARAM)&item);
                // The idle pass after this input enables Delete; the clock
                // starts once it is over.
                g_armed = true;
                host.Sync();
                host.WaitUntil([] { return !g_armed; }, "the idle pass after selecting");
                dlg.WaitEnabled(IDC_BRS_DELETE, true);
                g_armed = true;
                double clicked = Now();
                PostMessageA(dlg.Item(IDC_BRS_DELETE), BM_CLICK, 0, 0);
                host.WaitUntil([] { return !g_armed; }, "the idle pass after deleting");
                deletes.push_back(g_idleAt - clicked);
                if (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) != 1)
                    throw UiError("the delete left more than one row");
                dlg.Click(IDCANCEL);
            },
            result);
        if (!failure.empty()) {
            std::fprintf(stderr, "editor_bench: %s\n", failure.c_str());
            return 1;
        }
    }
    UnhookWindowsHookEx(hook);
    std::printf("palette editor, median of %d runs (ms)\n"
                "open to first full paint, empty palette  %7.1f\n"
                "open to first full paint, 255 brushes    %7.1f  (goal: under 100)\n"
                "delete 254 of 255 rows                   %7.1f\n",
                kRuns, Median(emptyOpens), Median(opens), Median(deletes));
    return 0;
}
