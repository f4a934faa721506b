// Readers of brush and palette records, for either item source
// (storage/record_items.h); both sources give the same results.
#pragma once

#include "model/plt.h"
#include "model/zok_catalogue.h"
#include "storage/record_items.h"

// A brush record's head (in-use flag, colour, hatch, name, condition): the
// whole record in the older layout. The condition's items follow the kind of
// the owning palette's attribute.
template <class Items> int ReadBrsHead(CVObjBrs& brs, Items& items, VelmoraZokKind kind);
// A brush record in the current layout: the head, the tail mark and the tail.
template <class Items> int ReadBrsWhole(CVObjBrs& brs, Items& items, VelmoraZokKind kind);
// A palette record whose brushes are in the older or in the current layout.
template <class Items> int ReadPltRecord(CVObjPlt& plt, Items& items, bool olderLayout);
