// Drawing the map: every parcel outlined and filled with the fill of the
// brush of the box's selected palette that holds for it, asked of the
// library parcel by parcel as the host does while it draws.
#pragma once

#include "app/app_map.h"
#include "app/map_viewport.h"

#include "host/zel.h"
#include "model/palette_box.h"

#include <windows.h>

// Paints the client area `area` of dc: white ground, the parcels that reach
// into it, and the 地番 of parcels wide enough to hold it.
void DrawParcels(HDC dc, const RECT& area, AppMap& map, CVPaletteBox& box, const ZelAttr& colors,
                 const MapViewport& view);
