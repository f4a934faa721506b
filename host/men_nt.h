// TMen_Nt: the host's area calculator over a parcel's boundary ring.
#pragma once

#include "afx/afx.h"
#include "host/pt.h"
#include "host/svy_kk_data.h"
#include "velmora_api.h"

#include <vector>

class VELMORA_API TMen_Nt {
public:
    // Mode 0 measures the ring on the plane of its x and y; no other mode is known,
    // and with another mode both areas fail.
    TMen_Nt(const SvyKkData& kk, WORD mode);

    // 座標面積: the area enclosed by the ring, from its coordinates (shoelace).
    // Fails, writing nothing, for fewer than three points or a non-finite result.
    int ZM_Men_Nt(double* area);

    // 三斜面積: the sum of the triangles of a triangulation of the ring, each
    // measured from its three sides. Fails, writing nothing, when the ring has
    // fewer than three points or cannot be cut into triangles (it crosses itself).
    int S3T_Men_Nt(double* area);

private:
    const std::vector<PT>& m_ring;
    WORD m_mode;
};
