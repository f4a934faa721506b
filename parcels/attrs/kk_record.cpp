#include "parcels/attrs/kk_record.h"
#include "parcels/text/input_error.h"
#include "parcels/text/text_cut.h"
#include "parcels/text/text_codec.h"

#include <algorithm>
#include <cstring>

void FillKkRecord(const KkMap& map, const MapParcel& parcel, DWORD no, const KkAttr* attr,
                  SvyKkData& kk) {
    std::string name;
    if (!Utf8ToCp932(parcel.chiban, name))
        throw InputError(map.path, parcel.line,
                         u8"地番 " + QuoteValue(parcel.chiban) +
                             " has characters outside code page 932");
    kk.SetNo(no);
    kk.SetName(name.c_str());
    // The host's points keep the registry's axes: x the northing, y the easting.
    std::vector<PT> boundary;
    for (const MapPoint& p : parcel.rings.front())
        boundary.push_back(PT(p.x, p.y));
    kk.SetBoundary(boundary);

    SVY_KKDB_ZOKUSEI zoku;
    std::memset(&zoku, 0, sizeof zoku);
    zoku.Oaza = static_cast<WORD>(parcel.oaza);
    zoku.Koaza = static_cast<WORD>(parcel.koaza);
    if (attr) {
        zoku.KyoyuNinzu = attr->kyoyuNinzu;
        zoku.ShoyukenFlg = attr->shoyuken;
        zoku.Tachiai = attr->tachiaiDate;
        zoku.Toki = attr->tokiDate;
        zoku.KoboMen = attr->koboArea;
        zoku.GenkyoChimoku = attr->genkyoChimoku;
        zoku.KoboChimoku = attr->koboChimoku;
        std::memcpy(zoku.FudosanNo, attr->fudosanNo.c_str(),
                    std::min(attr->fudosanNo.size(), sizeof zoku.FudosanNo - 1));
        kk.SetTk(attr->tochiShubetsu);
        kk.SetShoyusha(attr->owners);
        kk.SetNozeisha(attr->taxpayers);
    }
    kk.SetZoku(zoku);
}
