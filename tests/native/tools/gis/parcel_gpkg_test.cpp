// velmora export read back with GDAL: the parcels, their attributes as the
// attribute CSV gives them, the coordinate system and the stored style.
#include "tests/native/tools/tool_run.h"
#include "tools/gis/plane_crs.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;
const std::string kMap = Quoted(kData + "/small_map.xml");
const std::string kAttrs = Quoted(kData + "/small_map.csv");
const std::string kBox = Quoted(kData + "/small_box.json");

GDALDatasetUniquePtr Open(const std::string& path) {
    GDALAllRegister();
    return GDALDatasetUniquePtr(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
}

std::string Field(OGRFeature& feature, const char* name) {
    return feature.IsFieldSetAndNotNull(feature.GetFieldIndex(name))
               ? feature.GetFieldAsString(name)
               : "NULL";
}

TEST(ParcelGpkg, EveryParcelCarriesItsKeysAttributesAndBrush) {
    TempDir dir;
    std::string out = dir.File("parcels.gpkg");
    ToolRun run = RunVelmora(dir, "export " + kMap + " --attrs " + kAttrs + " --box " + kBox +
                                      " -o " + Quoted(out));
    ASSERT_EQ(run.status, 0) << run.err;
    GDALDatasetUniquePtr dataset = Open(out);
    ASSERT_TRUE(dataset);
    OGRLayer* layer = dataset->GetLayerByName(u8"筆");
    ASSERT_NE(layer, nullptr);
    ASSERT_EQ(layer->GetFeatureCount(), 4);
    ASSERT_EQ(layer->GetGeomType(), wkbPolygon);

    // The rows of small_map.csv (a date before 1970 kept), and 2-2, which has
    // none; brushes of 地目.
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
        ASSERT_TRUE(feature);
        for (size_t c = 0; c < std::size(columns); ++c)
            EXPECT_EQ(Field(*feature, columns[c]), expected[fid - 1][c])
                << "parcel " << fid << ", " << columns[c];
        EXPECT_EQ(feature->GetFieldAsInteger64(u8"画地No"), fid);
        EXPECT_GT(feature->GetFieldAsDouble(u8"座標面積"), 0.0);
    }

    // Holes are kept (2-2 has one); points put the easting first.
    OGRFeatureUniquePtr holed(layer->GetFeature(4));
    EXPECT_EQ(holed->GetGeometryRef()->toPolygon()->getNumInteriorRings(), 1);
    OGRFeatureUniquePtr plain(layer->GetFeature(1));
    OGRPoint first;
    plain->GetGeometryRef()->toPolygon()->getExteriorRing()->getPoint(0, &first);
    EXPECT_EQ(first.getX(), 2000.0);
    EXPECT_EQ(first.getY(), -1000.0);

    // Zone IX of JGD2011.
    const OGRSpatialReference* srs = layer->GetSpatialRef();
    ASSERT_NE(srs, nullptr);
    EXPECT_STREQ(srs->GetAuthorityCode(nullptr), "6677");

    OGRLayer* styles = dataset->GetLayerByName("layer_styles");
    ASSERT_NE(styles, nullptr);
    ASSERT_EQ(styles->GetFeatureCount(), 1);
    styles->ResetReading();
    OGRFeatureUniquePtr style(styles->GetNextFeature());
    EXPECT_STREQ(style->GetFieldAsString("f_table_name"), u8"筆");
    EXPECT_STREQ(style->GetFieldAsString("f_geometry_column"), "geom");
    EXPECT_STREQ(style->GetFieldAsString("styleName"), u8"地目");
    EXPECT_EQ(style->GetFieldAsInteger("useAsDefault"), 1);
    EXPECT_NE(std::string(style->GetFieldAsString("styleQML"))
                  .find(u8"filter=\"&quot;ブラシ番号&quot; = 3\""),
              std::string::npos);
    EXPECT_NE(std::string(style->GetFieldAsString("styleSLD")).find("<se:ElseFilter/>"),
              std::string::npos);
}

// Writes a copy of the small map whose 座標系 is `crs`.
std::string MapIn(const TempDir& dir, const std::string& crs) {
    std::string xml = ReadWholeFile(kData + "/small_map.xml");
    std::string from = u8"<座標系>公共座標9系</座標系>";
    xml.replace(xml.find(from), from.size(), u8"<座標系>" + crs + u8"</座標系>");
    return dir.Write("map.xml", xml);
}

TEST(ParcelGpkg, ALocalSystemHasNoCoordinateSystemAndAnUnknownOrMissingOneIsRefused) {
    TempDir dir;
    std::string out = dir.File("local.gpkg");
    ToolRun run = RunVelmora(dir, "export " + Quoted(MapIn(dir, u8"任意座標系")) + " --box " +
                                      kBox + " --palette-no 2 -o " + Quoted(out));
    ASSERT_EQ(run.status, 0) << run.err;
    // The undefined Cartesian system of GeoPackages, -1.
    GDALDatasetUniquePtr dataset = Open(out);
    ASSERT_TRUE(dataset);
    OGRLayer* systems =
        dataset->ExecuteSQL("SELECT srs_id FROM gpkg_geometry_columns", nullptr, nullptr);
    ASSERT_NE(systems, nullptr);
    OGRFeatureUniquePtr system(systems->GetNextFeature());
    EXPECT_EQ(system->GetFieldAsInteger(0), -1);
    system.reset();
    dataset->ReleaseResultSet(systems);
    EXPECT_FALSE(dataset->GetLayerByName(u8"筆")->GetSpatialRef()->IsGeographic());

    for (auto [crs, message] :
         {std::pair<std::string, std::string>{u8"公共座標20系", u8"unknown 座標系 '公共座標20系'"},
          {"", u8"map.xml: the map names no 座標系"}}) {
        run = RunVelmora(dir, "export " + Quoted(MapIn(dir, crs)) + " --box " + kBox +
                                  " --palette-no 2 -o " + Quoted(dir.File("bad.gpkg")));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("bad.gpkg")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("bad.gpkg.part")));
    }
}

TEST(ParcelGpkg, BadInputWritesNothing) {
    TempDir dir;
    std::string empty = dir.Write("empty.json", u8R"({"selected": 0, "palettes": [
        {"name": "空", "attribute": "現況地目", "brushes": []},
        {"name": "日付", "attribute": "立会日付", "brushes": [
            {"condition": {"value": "2001-01-01"}, "paint": {"color": "#ff0000"}}]},
        {"name": "自由", "attribute": 0, "brushes": [{"name": "x"}]}]})");
    std::string out = Quoted(dir.File("out.gpkg"));
    struct Case {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {"--box " + Quoted(empty) + " --attrs " + kAttrs + " -o " + out, 1,
         u8"palette '空' has no brush"},
        {"--box " + Quoted(empty) + " --palette-no 2 --attrs " + kAttrs + " -o " + out, 1,
         u8"small_map.csv:1: no column 立会日付, by which palette '日付' colours"},
        {"--box " + Quoted(empty) + " --palette-no 2 -o " + out, 1,
         u8"palette '日付' colours by 立会日付, which the maps do not give; add --attrs"},
        {"--box " + Quoted(empty) + " --palette-no 3 -o " + out, 1,
         u8"palette '自由' is a free palette"},
        {"--box " + kBox + " -o " + Quoted(dir.File("out.shp")), 2, "-o names a .gpkg file"},
    };
    for (const Case& c : cases) {
        ToolRun run = RunVelmora(dir, "export " + kMap + " " + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.gpkg"))) << c.args;
    }
}

TEST(PlaneCrs, RegistryNamesOfTheNineteenZones) {
    EXPECT_EQ(PlaneCrsEpsg(u8"公共座標1系"), 6669);
    EXPECT_EQ(PlaneCrsEpsg(u8"公共座標9系"), 6677);
    EXPECT_EQ(PlaneCrsEpsg(u8"公共座標19系"), 6687);
    EXPECT_EQ(PlaneCrsEpsg(u8"任意座標系"), 0);
    for (const char* other : {u8"公共座標0系", u8"公共座標20系", u8"公共座標09系", u8"公共座標系",
                              u8"公共座標 9系", u8"公共座標９系", "", "JGD2011"})
        EXPECT_EQ(PlaneCrsEpsg(other), -1) << other;
}
} // namespace
