// The registry map's 座標系 as a coordinate reference system: 公共座標1系 to
// 19系 are the plane rectangular systems of JGD2011 (EPSG 6669 to 6687);
// 任意座標系, a local system, has none.
#pragma once

#include <string>

// The EPSG code of a 座標系 name (UTF-8); 0 for 任意座標系; -1 for a name
// that is neither.
int PlaneCrsEpsg(const std::string& crs);
