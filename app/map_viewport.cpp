#include "app/map_viewport.h"

#include <algorithm>

namespace {
// Zooming stops where a parcel of a few metres fills the screen, or the
// town becomes a dot.
constexpr double kMostPixelsPerMetre = 200.0;
constexpr double kFewestPixelsPerMetre = 1e-4;
constexpr double kFitMargin = 0.95;
} // namespace

MapViewport MapViewport::Fit(const MapBounds& bounds, int width, int height) {
    MapViewport view;
    double groundWidth = std::max(bounds.maxY - bounds.minY, 1.0);
    double groundHeight = std::max(bounds.maxX - bounds.minX, 1.0);
    double fit = std::min(std::max(width, 1) / groundWidth, std::max(height, 1) / groundHeight);
    view.pixelsPerMetre = std::clamp(fit * kFitMargin, kFewestPixelsPerMetre, kMostPixelsPerMetre);
    double centreY = (bounds.minY + bounds.maxY) / 2.0;
    double centreX = (bounds.minX + bounds.maxX) / 2.0;
    view.west = centreY - width / 2.0 / view.pixelsPerMetre;
    view.north = centreX + height / 2.0 / view.pixelsPerMetre;
    return view;
}

void MapViewport::ZoomAt(double x, double y, double factor) {
    MapPoint fixed = Ground(x, y);
    pixelsPerMetre =
        std::clamp(pixelsPerMetre * factor, kFewestPixelsPerMetre, kMostPixelsPerMetre);
    west = fixed.y - x / pixelsPerMetre;
    north = fixed.x + y / pixelsPerMetre;
}

void MapViewport::Pan(double dx, double dy) {
    west -= dx / pixelsPerMetre;
    north += dy / pixelsPerMetre;
}
