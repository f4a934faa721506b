// Where the map lies in a window: ground metres to client pixels, north up
// and east to the right, and the zoom and pan that move it.
#pragma once

#include "parcels/map/kk_geometry.h"

struct MapViewport {
    double pixelsPerMetre = 1.0;
    double west = 0.0;  // easting (Y) at the left edge
    double north = 0.0; // northing (X) at the top edge

    double PixelX(const MapPoint& p) const { return (p.y - west) * pixelsPerMetre; }
    double PixelY(const MapPoint& p) const { return (north - p.x) * pixelsPerMetre; }
    MapPoint Ground(double x, double y) const {
        return MapPoint{north - y / pixelsPerMetre, west + x / pixelsPerMetre};
    }

    // The whole extent centred in a client area of width × height pixels,
    // with a margin of a few per cent.
    static MapViewport Fit(const MapBounds& bounds, int width, int height);
    // Zooms by factor, keeping the ground under pixel (x, y) where it is.
    void ZoomAt(double x, double y, double factor);
    // Moves the map by (dx, dy) pixels.
    void Pan(double dx, double dy);
};
