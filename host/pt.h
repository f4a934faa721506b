// The host's point value: three coordinates. The library only stores and
// restores its 24 bytes.
#pragma once

#pragma pack(push, 1)
struct PT {
    double x;
    double y;
    double z;
    PT() : x(0.0), y(0.0), z(0.0) {}
    PT(double px, double py, double pz = 0.0) : x(px), y(py), z(pz) {}
};
#pragma pack(pop)

static_assert(sizeof(PT) == 24, "PT is the host's 24-byte point");
