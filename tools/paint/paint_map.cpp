#include "tools/paint/paint_map.h"
#include "parcels/fill/brush_map_fill.h"
#include "parcels/fill/sel_brs_position.h"
#include "parcels/attrs/kk_record.h"
#include "parcels/text/text_codec.h"

#include "host/men_nt.h"
#include "model/zok_catalogue.h"

const char* const kMojAttribution = u8"出典：「登記所備付地図データ」（法務省）を加工して作成";

namespace {
std::string AttributeName(WORD zty) {
    CString name;
    if (zty == 0)
        return u8"フリー";
    return Velmora_GetZokNameFromID(zty, name) ? Cp932ToUtf8(name.GetString())
                                               : "ID " + std::to_string(zty);
}
} // namespace

namespace {
// Where the parcels come from, under the title.
std::string Where(const MapSet& set) {
    const KkMap& first = set.maps.front();
    std::string where =
        first.municipality.empty() ? first.name : first.municipality + " " + first.name;
    if (set.maps.size() > 1)
        where = (first.municipality.empty() ? std::string() : first.municipality + " ") +
                u8"地図 " + std::to_string(set.maps.size()) + u8" 枚";
    return where + (first.crs.empty() ? "" : u8" ・ " + first.crs) + u8" ・ 縮尺 1/" +
           std::to_string(first.scale);
}
} // namespace

MapPicture PaintMap(const MapSet& set, const KkAttrTable& attrs, CVPaletteBox& box,
                    const ZelAttr& colors, Progress& progress) {
    CVObjPlt& plt = *box.GetSelPlt();
    MapPicture picture;
    picture.scale = set.maps.empty() ? 500 : set.maps.front().scale;
    picture.attribution = kMojAttribution;
    for (int b = 0; b < plt.CountBrs(); ++b) {
        const CVObjBrs& brs = *plt.GetObjBrs(static_cast<BYTE>(b));
        picture.fills.push_back(BrushMapFill(brs, colors));
        MapLegendRow row;
        row.name = Cp932ToUtf8(brs.BNm.GetString());
        row.fill = picture.fills.back();
        picture.legend.push_back(row);
    }
    MapLegendRow unmatched;
    unmatched.name = u8"該当なし（輪郭のみ）";
    int matched = 0;
    picture.parcels.reserve(set.parcels.size());
    picture.fillOfParcel.reserve(set.parcels.size());
    for (size_t i = 0; i < set.parcels.size(); ++i) {
        if (progress.Due())
            progress.Show("painting: " + std::to_string(i) + " of " +
                          std::to_string(set.parcels.size()) + " parcels");
        const MapParcel& parcel = set.parcels[i];
        auto attr = attrs.find(KkParcelKey{parcel.oaza, parcel.chiban});
        SvyKkData kk;
        FillKkRecord(set.maps[set.mapOf[i]], parcel, static_cast<DWORD>(i + 1),
                     attr == attrs.end() ? nullptr : &attr->second, kk);
        double area = 0.0;
        TMen_Nt(kk, 0).ZM_Men_Nt(&area);
        int position = SelBrsPosition(box, kk);
        MapLegendRow& row = position < 0 ? unmatched : picture.legend[position];
        row.count += 1;
        row.area += area;
        matched += position < 0 ? 0 : 1;
        picture.parcels.push_back(&parcel);
        picture.fillOfParcel.push_back(position);
    }
    picture.legend.push_back(unmatched);

    picture.title = Cp932ToUtf8(plt.GetPNm()) + u8"（" + AttributeName(plt.GetZty()) + u8"）";
    if (!set.maps.empty())
        picture.notes.push_back(Where(set));
    picture.notes.push_back(u8"筆数 " + std::to_string(set.parcels.size()) + u8" ・ 該当 " +
                            std::to_string(matched) + u8" ・ 該当なし " +
                            std::to_string(set.parcels.size() - static_cast<size_t>(matched)));
    return picture;
}
