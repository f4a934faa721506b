// Palettes built from data: one brush per value of a code or text
// attribute, or ranges of a number or date attribute, coloured along a ramp.
#pragma once

#include "parcels/attrs/kk_attr.h"

#include "model/plt.h"

#include <string>

enum class ClassMethod { UNIQUE, QUANTILE, EQUAL, JENKS };

struct ClassifyRequest {
    WORD zty = 0; // a code or text attribute for UNIQUE, else an integer, date or real one
    ClassMethod method = ClassMethod::UNIQUE;
    int classes = 5;  // ranges to aim for
    std::string ramp; // a ramp of color_ramps.h
};

struct ClassifyReport {
    int valuesLeft = 0;  // UNIQUE: values past the palette's last brush
    int parcelsLeft = 0; // the parcels that have them
};

// Fills the empty palette `plt` with paint brushes named as the editor names
// them. The values are those the library reads from the parcels' records:
// the first person of 所有者 and 納税者, 0 for 無し of 所有権. Parcels without
// a value (code 0, an empty text, no date) count for nothing. UNIQUE gives a
// brush to each value, the most frequent first, up to the palette's 255;
// ranges include both ends and leave no value between them: whole numbers
// and days follow on, areas share their ends, where the earlier brush wins.
// All dates before 1970 stay in one range, since the library matches them
// as one day. Returns false, filling nothing, when no parcel has a value.
bool ClassifyPalette(const KkAttrTable& attrs, const ClassifyRequest& request, CVObjPlt& plt,
                     ClassifyReport& report);
