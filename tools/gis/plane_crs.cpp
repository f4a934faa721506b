#include "tools/gis/plane_crs.h"

#include <cstdlib>

int PlaneCrsEpsg(const std::string& crs) {
    const std::string prefix = u8"公共座標";
    const std::string suffix = u8"系";
    if (crs == u8"任意座標系")
        return 0;
    if (crs.size() <= prefix.size() + suffix.size() || crs.compare(0, prefix.size(), prefix) != 0 ||
        crs.compare(crs.size() - suffix.size(), suffix.size(), suffix) != 0)
        return -1;
    std::string number = crs.substr(prefix.size(), crs.size() - prefix.size() - suffix.size());
    if (number.size() > 2 || number[0] == '0' ||
        number.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    int zone = std::atoi(number.c_str());
    return zone >= 1 && zone <= 19 ? 6668 + zone : -1;
}
