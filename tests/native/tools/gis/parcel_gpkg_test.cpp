// velmora export read back with GDAL.
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

// The rows of small_map.csv, dates before 1970 kept, and 2-2, which has none.
TEST(ParcelGpkg, EveryParcelCarriesItsKeysAttributesAndBrush) {
    TempDir dir;
    std::string out = dir.File("parcels.gpkg");
    ToolRun run = RunVelmora(dir, "export " + Quoted(kData + "/small_map.xml") + " --attrs " +
                                      kAttrs + " --box " + kBox + " -o " + Quoted(out));
    ASSERT_EQ(run.status, 0) << run.err;
    GDALDatasetUniquePtr dataset = Open(out);
    OGRLayer* layer = dataset->GetLayerByName(u8"筆");
    ASSERT_EQ(layer->GetFeatureCount(), 4);
    // Number, map, id, 大字, 丁目, 小字, 大字名, 地番, the attributes in the CSV's
    // meaning, the two areas and the brush.
    const char* const rows[] = {
        u8"1|試験図|H1|15|0|1|試験|1-1|1|3|2|9001|9001|9001|9001|1|1|2012/11/29|2013/04/05|400.5|"
        u8"9999000000001|400|400|1|宅地|#ff8080|",
        u8"2|試験図|H2|15|0|1|試験|1-2|0|1|1|9002|9002;9001|9003|9003;9002|2|0|1960/01/05|"
        u8"2001/12/31|0||400|400|2|田|#2b83ba|",
        u8"3|試験図|H3|15|0|2|試験|2-1|2|2|4|0||0||0|1|NULL|"
        u8"1965/09/30|12.25|12|400|400|3|畑|#d7191c|",
        u8"4|試験図|H4|15|0|2|試験|2-2|0|0|0|0||0||0|0|NULL|NULL|0||400|400|NULL|NULL|NULL|"};
    for (GIntBig fid = 1; fid <= 4; ++fid) {
        OGRFeatureUniquePtr feature(layer->GetFeature(fid));
        std::string row;
        for (int f = 0; f < feature->GetFieldCount(); ++f)
            row += (feature->IsFieldSetAndNotNull(f) ? feature->GetFieldAsString(f) : "NULL") +
                   std::string("|");
        EXPECT_EQ(row, rows[fid - 1]);
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

    // A map in a local system is written in the undefined Cartesian system, -1.
    std::string map = ReadWholeFile(kData + "/small_map.xml"), local = dir.File("local.gpkg");
    map.replace(map.find(u8"公共座標9系"), std::string(u8"公共座標9系").size(), u8"任意座標系");
    run = RunVelmora(dir, "export " + Quoted(dir.Write("local.xml", map)) + " --box " + kBox +
                              " --palette-no 2 -o " + Quoted(local));
    ASSERT_EQ(run.status, 0) << run.err;
    dataset = Open(local);
    OGRLayer* systems =
        dataset->ExecuteSQL("SELECT srs_id FROM gpkg_geometry_columns", nullptr, nullptr);
    EXPECT_EQ(OGRFeatureUniquePtr(systems->GetNextFeature())->GetFieldAsInteger(0), -1);
    dataset->ReleaseResultSet(systems);
}

// A tool without its GeoPackage module still paints, and says why it cannot export.
TEST(ParcelGpkg, ToolWithoutItsModuleFailsOnlyTheExport) {
    TempDir dir;
    std::string tool = dir.File("velmora"), out = dir.File("parcels.gpkg");
    std::filesystem::copy_file(VELMORA_TOOL, tool);
    std::filesystem::permissions(tool, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    std::string inputs = Quoted(kData + "/small_map.xml") + " --attrs " + kAttrs + " --box " + kBox;
    std::string command = Quoted(tool) + " paint " + inputs + " -o " + Quoted(dir.File("map.svg"));
    EXPECT_EQ(std::system(command.c_str()), 0);
    command = Quoted(tool) + " export " + inputs + " -o " + Quoted(out) + " 2>" +
              Quoted(dir.File("stderr"));
    int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(ReadWholeFile(dir.File("stderr")).find("cannot load the GeoPackage writer"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(PlaneCrs, RegistryNamesOfTheNineteenZones) {
    const std::pair<const char*, int> zones[] = {
        {u8"公共座標1系", 6669}, {u8"公共座標9系", 6677}, {u8"公共座標19系", 6687},
        {u8"任意座標系", 0},     {u8"公共座標0系", -1},   {u8"公共座標20系", -1},
        {u8"公共座標09系", -1},  {u8"公共座標系", -1},    {u8"公共座標 9系", -1},
        {u8"公共座標９系", -1},  {"JGD2011", -1}};
    for (const auto& [name, epsg] : zones)
        EXPECT_EQ(PlaneCrsEpsg(name), epsg) << name;
}
} // namespace
