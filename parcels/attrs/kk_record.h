// The host parcel record of a map parcel, as a host would hand it to the
// library: number, name (地番), boundary, codes from the map and the
// attributes of the CSV.
#pragma once

#include "parcels/attrs/kk_attr.h"
#include "parcels/map/kk_map.h"

#include "host/svy_kk_data.h"

// `attr` is null for a parcel without a CSV row: only the map's codes are set.
// Throws InputError at the parcel's line when its 地番 has no code page 932 form.
void FillKkRecord(const KkMap& map, const MapParcel& parcel, DWORD no, const KkAttr* attr,
                  SvyKkData& kk);
