// velmora export read back with GDAL; qgis_check.py covers the sample town.
#include "tests/native/tools/tool_run.h"
#include "tools/gis/plane_crs.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;
const std::string kBox = Quoted(kData + "/small_box.json");
const std::string kAttrs = Quoted(kData + "/small_map.csv");

GDALDatasetUniquePtr Open(const std::string& path) {
    GDALAllRegister();
    return GDALDatasetUniquePtr(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

std::string Field(OGRFeature& feature, const char* name) {
    return feature.IsFieldSetAndNotNull(feature.GetFieldIndex(name))
               ? feature.GetFieldAsString(name)
               : "NULL";
}

// The rows of small_map.csv, a date before 1970 kept, and 2-2, which has none.
TEST(ParcelGpkg, EveryParcelCarriesItsKeysAttributesAndBrush) {
    TempDir dir;
    std::string out = dir.File("parcels.gpkg");
    ToolRun run = RunVelmora(dir, "export " + Quoted(kData + "/small_map.xml") + " --attrs " +
                                      kAttrs + " --box " + kBox + " -o " + Quoted(out));
    ASSERT_EQ(run.status, 0) << run.err;
    GDALDatasetUniquePtr dataset = Open(out);
    OGRLayer* layer = dataset->GetLayerByName(u8"筆");
    ASSERT_EQ(layer->GetFeatureCount(), 4);
    const char* const columns[] = {u8"地番",       u8"現況地目",   u8"公簿面積",   u8"登記日付",
                                   u8"所有者",     u8"所有者一覧", u8"大字コード", u8"小字コード",
                                   u8"ブラシ番号", u8"ブラシ名",   u8"塗り色"};
    const std::vector<std::vector<std::string>> expected = {
        {"1-1", "3", "400.5", "2013/04/05", "9001", "9001", "15", "1", "1", u8"宅地", "#ff8080"},
        {"1-2", "1", "0", "2001/12/31", "9002", "9002;9001", "15", "1", "2", u8"田", "#2b83ba"},
        {"2-1", "2", "12.25", "1965/09/30", "0", "", "15", "2", "3", u8"畑", "#d7191c"},
        {"2-2", "0", "0", "NULL", "0", "", "15", "2", "NULL", "NULL", "NULL"}};
    for (GIntBig fid = 1; fid <= 4; ++fid) {
        OGRFeatureUniquePtr feature(layer->GetFeature(fid));
        for (size_t c = 0; c < std::size(columns); ++c)
            EXPECT_EQ(Field(*feature, columns[c]), expected[fid - 1][c]) << fid << columns[c];
        EXPECT_EQ(feature->GetFieldAsInteger64(u8"画地No"), fid);
    }
    // Holes are kept (2-2 has one); points put the easting first.
    OGRFeatureUniquePtr holed(layer->GetFeature(4)), plain(layer->GetFeature(1));
    EXPECT_EQ(holed->GetGeometryRef()->toPolygon()->getNumInteriorRings(), 1);
    OGRPoint first;
    plain->GetGeometryRef()->toPolygon()->getExteriorRing()->getPoint(0, &first);
    EXPECT_EQ(std::make_pair(first.getX(), first.getY()), std::make_pair(2000.0, -1000.0));
    EXPECT_STREQ(layer->GetSpatialRef()->GetAuthorityCode(nullptr), "6677"); // zone IX, JGD2011

    OGRLayer* styles = dataset->GetLayerByName("layer_styles");
    ASSERT_EQ(styles->GetFeatureCount(), 1);
    OGRFeatureUniquePtr style(styles->GetNextFeature());
    std::string row;
    for (const char* field : {"f_table_name", "f_geometry_column", "styleName", "useAsDefault"})
        row += std::string(style->GetFieldAsString(field)) + "|";
    EXPECT_EQ(row, u8"筆|geom|地目|1|");
}

// A map in a local system is written in the undefined Cartesian system, -1.
TEST(ParcelGpkg, ALocalSystemHasNoCoordinateSystem) {
    TempDir dir;
    std::string map = ReadWholeFile(kData + "/small_map.xml"), local = dir.File("local.gpkg");
    map.replace(map.find(u8"公共座標9系"), std::string(u8"公共座標9系").size(), u8"任意座標系");
    ToolRun run = RunVelmora(dir, "export " + Quoted(dir.Write("local.xml", map)) + " --box " +
                                      kBox + " --palette-no 2 -o " + Quoted(local));
    ASSERT_EQ(run.status, 0) << run.err;
    GDALDatasetUniquePtr dataset = Open(local);
    OGRLayer* systems =
        dataset->ExecuteSQL("SELECT srs_id FROM gpkg_geometry_columns", nullptr, nullptr);
    EXPECT_EQ(OGRFeatureUniquePtr(systems->GetNextFeature())->GetFieldAsInteger(0), -1);
    dataset->ReleaseResultSet(systems);
}

TEST(PlaneCrs, RegistryNamesOfTheNineteenZones) {
    const std::pair<const char*, int> zones[] = {{u8"公共座標1系", 6669},
                                                 {u8"公共座標9系", 6677},
                                                 {u8"公共座標19系", 6687},
                                                 {u8"任意座標系", 0},
                                                 {u8"公共座標0系", -1},
                                                 {u8"公共座標20系", -1},
                                                 {u8"公共座標09系", -1},
                                                 {u8"公共座標系", -1},
                                                 {u8"公共座標 9系", -1},
                                                 {u8"公共座標９系", -1},
                                                 {"", -1},
                                                 {"JGD2011", -1}};
    for (const auto& [name, epsg] : zones)
        EXPECT_EQ(PlaneCrsEpsg(name), epsg) << name;
}
} // namespace
