// Timing of the map window's full repaint under Wine; not a test.
//   map_paint_bench.exe BOX.dat
// Repaints the sample town, and the town tiled to 10,000 parcels, fitted in
// a map window of the program's size, painted by the box's selected palette:
// every parcel asked of the library and drawn into the window's buffer,
// which then goes to the screen. Prints the median and the fastest of the
// repaints in milliseconds.
#include "app/box_store.h"
#include "app/app_map.h"
#include "app/map_view.h"

#include "host/sample_drawing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRepaints = 30;
constexpr size_t kTiledParcels = 10000;
// The map window of the program's main window at its first size.
constexpr int kMapWidth = 870;
constexpr int kMapHeight = 770;

// The town repeated in a grid of copies side by side, cut to `count` parcels.
std::unique_ptr<AppMap> Tiled(const AppMap& town, size_t count) {
    auto tiled = std::make_unique<AppMap>();
    tiled->map.scale = town.map.scale;
    double width = (town.bounds.maxY - town.bounds.minY) * 1.05;
    double height = (town.bounds.maxX - town.bounds.minX) * 1.05;
    size_t tiles = (count + town.map.parcels.size() - 1) / town.map.parcels.size();
    size_t columns = 1;
    while (columns * columns < tiles)
        ++columns;
    for (size_t t = 0; t < tiles; ++t)
        for (size_t i = 0; i < town.map.parcels.size() && tiled->map.parcels.size() < count; ++i) {
            double north = -(double)(t / columns) * height;
            double east = (double)(t % columns) * width;
            MapParcel parcel = town.map.parcels[i];
            for (MapRing& ring : parcel.rings)
                for (MapPoint& p : ring)
                    p = MapPoint{p.x + north, p.y + east};
            SvyKkData kk = town.records[i];
            std::vector<PT> boundary;
            for (const MapPoint& p : parcel.rings.front())
                boundary.push_back(PT(p.x, p.y));
            kk.SetBoundary(boundary);
            tiled->map.parcels.push_back(parcel);
            tiled->records.push_back(kk);
        }
    MeasureAppMap(*tiled);
    return tiled;
}

void Time(const char* what, AppMap& map, CVPaletteBox& box, const ZelAttr& colors, HWND frame) {
    MapView view;
    view.Create(frame, 1);
    ::MoveWindow(view.Hwnd(), 0, 0, kMapWidth, kMapHeight, TRUE);
    view.SetContent(&map, &box, &colors);
    ::UpdateWindow(view.Hwnd());
    std::vector<double> times;
    for (int i = 0; i < kRepaints; ++i) {
        auto start = std::chrono::steady_clock::now();
        view.Redraw();
        ::UpdateWindow(view.Hwnd());
        ::GdiFlush();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-36s %6zu parcels  median %7.2f ms  fastest %7.2f ms\n", what,
                map.map.parcels.size(), times[times.size() / 2], times.front());
    ::DestroyWindow(view.Hwnd());
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: map_paint_bench BOX.dat\n");
        return 2;
    }
    std::string error;
    std::unique_ptr<CVPaletteBox> box = ReadBoxFile(argv[1], BoxLayout::CURRENT, error);
    if (!box) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<AppMap> town;
    try {
        town = LoadAppMap(VELMORA_SAMPLE_DIR "/town.xml");
    } catch (const MapLoadError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::unique_ptr<AppMap> tiled = Tiled(*town, kTiledParcels);
    ZEL drawing;
    FillSampleDrawing(drawing.Attr());
    HWND frame = ::CreateWindowExA(0, "STATIC", "map_paint_bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   0, 0, kMapWidth + 40, kMapHeight + 60, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    CVObjPlt* plt = box->GetSelPlt();
    std::printf("Full repaint of the map window (%dx%d), palette #%d of the box (%d brushes):\n",
                kMapWidth, kMapHeight, box->GetSelPNo() + 1, plt ? (int)plt->CountBrs() : 0);
    Time("sample town", *town, *box, drawing.Attr(), frame);
    Time("sample town tiled", *tiled, *box, drawing.Attr(), frame);
    ::DestroyWindow(frame);
    return 0;
}
