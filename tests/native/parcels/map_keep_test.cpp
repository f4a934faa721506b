#include "parcels/map/kk_geometry.h"
#include "parcels/map/map_xml.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {
const std::string kMoj = VELMORA_MOJ_DIR;

// Given an area to keep, the reader puts together only the parcels that reach
// into it, so that a small part of a large map costs little; the others come
// without rings, but with their 地番 still.
TEST(MapKeep, OnlyParcelsReachingTheAreaComeWithRings) {
    std::string path = kMoj + "/46505-3411-102.xml";
    KkMap whole = ReadMapXml(path);
    MapBounds all = Bounds({&whole.parcels[0]});
    MapBounds area{all.minX, all.minY, all.minX + 1.0, all.minY + 1.0};
    std::ifstream in(path, std::ios::binary);
    MapXmlReader reader(in, path, &area);
    MapParcel parcel;
    size_t read = 0, kept = 0;
    while (reader.Next(parcel)) {
        const MapParcel& full = whole.parcels[read++];
        MapBounds extent = Bounds({&full});
        bool reaches = extent.minX <= area.maxX && extent.maxX >= area.minX &&
                       extent.minY <= area.maxY && extent.maxY >= area.minY;
        EXPECT_EQ(parcel.chiban, full.chiban);
        EXPECT_EQ(parcel.rings.empty(), !reaches) << parcel.chiban;
        kept += reaches ? 1 : 0;
    }
    EXPECT_EQ(read, whole.parcels.size());
    EXPECT_GE(kept, 1u);
    EXPECT_LT(kept * 10, read);
}
} // namespace
