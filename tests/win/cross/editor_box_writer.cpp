// editor_box_writer.exe FOLDER: a host that builds a palette in the editor, as
// a user does through Velmora_PaletteSet, and saves its box as FOLDER\edited.dat
// with WritePltsBox. The cross-build test reads that file with the native tool.
#include "host/jkn_folder.h"
#include "host/sample_drawing.h"
#include "model/palette_box.h"
#include "../ui/ui_driver.h"
#include "ui/palette_set.h"
#include "ui/resource.h"

#include <cstdio>
#include <string>

namespace {

void AddRange(UiDialog& dlg, const char* from, const char* to) {
    dlg.WaitEnabled(IDC_BRS_ADD, true);
    dlg.Click(IDC_BRS_ADD);
    UiDialog cond = dlg.WaitForPopup();
    if (to) {
        cond.Click(IDC_FRTO_RANGE);
        cond.Type(IDC_FRTO_TO, to);
    }
    cond.Type(IDC_FRTO_FROM, from);
    cond.Click(IDOK);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: editor_box_writer FOLDER\n");
        return 2;
    }
    UiHost host;
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    CVObjPlt* plt = new CVObjPlt;
    plt->SetZkCode(9); // 共有人数
    int sel = 0;
    int result = 0;
    std::string failure = host.Drive(
        IDD_MAKE_PALETE, [&] { return Velmora_PaletteSet(host.Wnd(), &drawing, plt, &sel, 1); },
        [&](UiDialog& dlg) {
            dlg.Type(IDC_PLT_NAME, "共有人数別");
            AddRange(dlg, "2", "4");
            AddRange(dlg, "1", nullptr);
            dlg.WaitEnabled(IDC_BRS_CHANGE, true); // after the idle pass
            dlg.Click(IDC_BRS_CHANGE);
            UiDialog fill = dlg.WaitForPopup();
            fill.Click(IDC_FILL_HATCH);
            fill.Type(IDC_FILL_SPACE, "2.5");
            fill.ChooseCombo(IDC_FILL_LAYER, 4);
            fill.Click(IDOK);
            dlg.Click(IDOK);
        },
        result);
    if (!failure.empty() || result != IDOK) {
        std::fprintf(stderr, "editor_box_writer: %s (result %d)\n", failure.c_str(), result);
        delete plt;
        return 1;
    }
    CVPaletteBox box;
    box.AddPlt(plt);
    box.SetSelPNo(0);
    Halvex_SetJknFolderPath(0, argv[1]);
    int code = box.WritePltsBox("edited", 0);
    if (code != 0) {
        std::fprintf(stderr, "editor_box_writer: WritePltsBox gave %#x\n", code);
        return 1;
    }
    return 0;
}
