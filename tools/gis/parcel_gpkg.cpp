#include "tools/gis/parcel_gpkg.h"
#include "tools/gis/local_days.h"
#include "parcels/text/read_file.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <stdexcept>

namespace {
enum Field {
    F_KK_NO,
    F_MAP,
    F_PARCEL_ID,
    F_OAZA,
    F_CHOME,
    F_KOAZA,
    F_OAZA_NAME,
    F_CHIBAN,
    F_TOCHI_SHUBETSU,
    F_GENKYO_CHIMOKU,
    F_KOBO_CHIMOKU,
    F_OWNER,
    F_OWNERS,
    F_TAXPAYER,
    F_TAXPAYERS,
    F_KYOYU_NINZU,
    F_SHOYUKEN,
    F_TACHIAI_DATE,
    F_TOKI_DATE,
    F_KOBO_AREA,
    F_FUDOSAN_NO,
    F_ZAHYO_AREA,
    F_SANSYA_AREA,
    F_BRUSH_NO,
    F_BRUSH_NAME,
    F_FILL_COLOR,
    F_COUNT
};

struct FieldSpec {
    const char* name;
    OGRFieldType type;
};

// Columns of attributes carry the names that styles of the palette box read.
const FieldSpec kFields[F_COUNT] = {
    {u8"画地No", OFTInteger64},   {u8"地図名", OFTString},      {u8"筆ID", OFTString},
    {u8"大字コード", OFTInteger}, {u8"丁目コード", OFTInteger}, {u8"小字コード", OFTInteger},
    {u8"大字名", OFTString},      {u8"地番", OFTString},        {u8"土地種別", OFTInteger},
    {u8"現況地目", OFTInteger},   {u8"公簿地目", OFTInteger},   {u8"所有者", OFTInteger},
    {u8"所有者一覧", OFTString},  {u8"納税者", OFTInteger},     {u8"納税者一覧", OFTString},
    {u8"共有人数", OFTInteger},   {u8"所有権", OFTInteger},     {u8"立会日付", OFTDate},
    {u8"登記日付", OFTDate},      {u8"公簿面積", OFTReal},      {u8"不動産番号", OFTString},
    {u8"座標面積", OFTReal},      {u8"三斜面積", OFTReal},      {kBrushNoField, OFTInteger},
    {u8"ブラシ名", OFTString},    {u8"塗り色", OFTString},
};

struct DatasetCloser {
    void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using Dataset = std::unique_ptr<GDALDataset, DatasetCloser>;

struct FeatureDeleter {
    void operator()(OGRFeature* feature) const { OGRFeature::DestroyFeature(feature); }
};
using Feature = std::unique_ptr<OGRFeature, FeatureDeleter>;

// GDAL reports through its error handler; the tool reports the last message.
class GdalErrors {
public:
    GdalErrors() {
        CPLPushErrorHandler(CPLQuietErrorHandler);
        CPLErrorReset();
    }
    ~GdalErrors() { CPLPopErrorHandler(); }
    GdalErrors(const GdalErrors&) = delete;
    GdalErrors& operator=(const GdalErrors&) = delete;

    [[noreturn]] static void Fail(const std::string& path, const std::string& what) {
        std::string detail = CPLGetLastErrorMsg();
        throw std::runtime_error(path + ": " + what + (detail.empty() ? "" : ": " + detail));
    }
};

std::string CodeList(const std::vector<WORD>& codes) {
    std::string list;
    for (WORD code : codes)
        list += (list.empty() ? "" : ";") + std::to_string(code);
    return list;
}

// A date of 0 is an empty field of the attribute CSV.
void SetDate(OGRFeature& feature, int field, std::int32_t time) {
    if (time == 0)
        feature.SetFieldNull(field);
    else
        feature.SetField(field, DayText(LocalDayOf(time)).c_str());
}

void SetAttributes(OGRFeature& feature, const KkAttr& attr) {
    feature.SetField(F_TOCHI_SHUBETSU, attr.tochiShubetsu);
    feature.SetField(F_GENKYO_CHIMOKU, attr.genkyoChimoku);
    feature.SetField(F_KOBO_CHIMOKU, attr.koboChimoku);
    feature.SetField(F_OWNER, attr.owners.empty() ? 0 : attr.owners[0]);
    feature.SetField(F_OWNERS, CodeList(attr.owners).c_str());
    feature.SetField(F_TAXPAYER, attr.taxpayers.empty() ? 0 : attr.taxpayers[0]);
    feature.SetField(F_TAXPAYERS, CodeList(attr.taxpayers).c_str());
    feature.SetField(F_KYOYU_NINZU, attr.kyoyuNinzu);
    feature.SetField(F_SHOYUKEN, attr.shoyuken);
    SetDate(feature, F_TACHIAI_DATE, attr.tachiaiDate);
    SetDate(feature, F_TOKI_DATE, attr.tokiDate);
    feature.SetField(F_KOBO_AREA, attr.koboArea);
    feature.SetField(F_FUDOSAN_NO, attr.fudosanNo.c_str());
}

// X is the northing and Y the easting; GIS coordinates put the easting first.
OGRPolygon* Outline(const MapParcel& parcel) {
    OGRPolygon* polygon = new OGRPolygon;
    for (const MapRing& ring : parcel.rings) {
        OGRLinearRing* linear = new OGRLinearRing;
        for (const MapPoint& p : ring)
            linear->addPoint(p.y, p.x);
        polygon->addRingDirectly(linear);
    }
    return polygon;
}

void WriteFeature(OGRLayer& layer, const ParcelFeature& in, GIntBig number,
                  const std::string& path) {
    Feature feature(OGRFeature::CreateFeature(layer.GetLayerDefn()));
    feature->SetFID(number);
    feature->SetField(F_KK_NO, number);
    feature->SetField(F_MAP, in.map->name.c_str());
    feature->SetField(F_PARCEL_ID, in.parcel->id.c_str());
    feature->SetField(F_OAZA, static_cast<int>(in.parcel->oaza));
    feature->SetField(F_CHOME, static_cast<int>(in.parcel->chome));
    feature->SetField(F_KOAZA, static_cast<int>(in.parcel->koaza));
    feature->SetField(F_OAZA_NAME, in.parcel->oazaName.c_str());
    feature->SetField(F_CHIBAN, in.parcel->chiban.c_str());
    SetAttributes(*feature, in.attr ? *in.attr : KkAttr());
    feature->SetField(F_ZAHYO_AREA, in.zahyoArea);
    feature->SetField(F_SANSYA_AREA, in.sansyaArea);
    if (in.brush > 0) {
        feature->SetField(F_BRUSH_NO, in.brush);
        feature->SetField(F_BRUSH_NAME, in.brushName.c_str());
        feature->SetField(F_FILL_COLOR, in.fillColor.c_str());
    } else {
        feature->SetFieldNull(F_BRUSH_NO);
        feature->SetFieldNull(F_BRUSH_NAME);
        feature->SetFieldNull(F_FILL_COLOR);
    }
    feature->SetGeometryDirectly(Outline(*in.parcel));
    if (layer.CreateFeature(feature.get()) != OGRERR_NONE)
        GdalErrors::Fail(path, u8"cannot write the parcel 地番 '" + in.parcel->chiban + "'");
}

std::string UtcNow() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}

// QGIS keeps layer styles in this table and opens a layer with its default one.
void WriteStyle(GDALDataset& dataset, const GpkgStyle& style, const std::string& path) {
    const char* options[] = {"FID=id", nullptr};
    OGRLayer* table =
        dataset.CreateLayer("layer_styles", nullptr, wkbNone, const_cast<char**>(options));
    if (!table)
        GdalErrors::Fail(path, "cannot create the table of layer styles");
    const char* const texts[] = {"f_table_catalog",   "f_table_schema", "f_table_name",
                                 "f_geometry_column", "styleName",      "styleQML",
                                 "styleSLD"};
    for (const char* name : texts) {
        OGRFieldDefn field(name, OFTString);
        table->CreateField(&field);
    }
    OGRFieldDefn useAsDefault("useAsDefault", OFTInteger);
    useAsDefault.SetSubType(OFSTBoolean);
    table->CreateField(&useAsDefault);
    for (const char* name : {"description", "owner", "ui"}) {
        OGRFieldDefn field(name, OFTString);
        table->CreateField(&field);
    }
    OGRFieldDefn updateTime("update_time", OFTDateTime);
    table->CreateField(&updateTime);

    Feature row(OGRFeature::CreateFeature(table->GetLayerDefn()));
    row->SetField("f_table_catalog", "");
    row->SetField("f_table_schema", "");
    row->SetField("f_table_name", kParcelLayer);
    row->SetField("f_geometry_column", "geom");
    row->SetField("styleName", style.name.c_str());
    row->SetField("styleQML", style.qml.c_str());
    row->SetField("styleSLD", style.sld.c_str());
    row->SetField("useAsDefault", 1);
    row->SetField("description", u8"velmora のパレットによる塗り分け");
    row->SetField("owner", "");
    row->SetField("update_time", UtcNow().c_str());
    if (table->CreateFeature(row.get()) != OGRERR_NONE)
        GdalErrors::Fail(path, "cannot write the layer style");
}

// A GeoPackage names a plane system it does not know with the undefined
// Cartesian system, -1; GDAL gives a layer without one the undefined
// geographic system, 0.
void MarkLocalSystem(GDALDataset& dataset, const std::string& path) {
    for (const char* table : {"gpkg_geometry_columns", "gpkg_contents"}) {
        std::string sql = std::string("UPDATE ") + table + " SET srs_id = -1 WHERE table_name = '" +
                          kParcelLayer + "'";
        CPLErrorReset();
        dataset.ExecuteSQL(sql.c_str(), nullptr, nullptr);
        if (CPLGetLastErrorType() == CE_Failure)
            GdalErrors::Fail(path, "cannot mark the layer's coordinate system as undefined");
    }
}

void WriteDataset(const std::string& file, const std::vector<ParcelFeature>& features, int epsg,
                  const GpkgStyle& style, const std::string& path) {
    GDALAllRegister();
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GPKG");
    if (!driver)
        GdalErrors::Fail(path, "GDAL has no GeoPackage driver");
    Dataset dataset(driver->Create(file.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!dataset)
        GdalErrors::Fail(path, "cannot create the GeoPackage");
    OGRSpatialReference srs;
    if (epsg != 0) {
        if (srs.importFromEPSG(epsg) != OGRERR_NONE)
            GdalErrors::Fail(path, "no coordinate system EPSG:" + std::to_string(epsg));
        srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    }
    const char* options[] = {"GEOMETRY_NAME=geom", "FID=fid", nullptr};
    OGRLayer* layer = dataset->CreateLayer(kParcelLayer, epsg != 0 ? &srs : nullptr, wkbPolygon,
                                           const_cast<char**>(options));
    if (!layer)
        GdalErrors::Fail(path, "cannot create the parcel layer");
    for (const FieldSpec& spec : kFields) {
        OGRFieldDefn field(spec.name, spec.type);
        if (layer->CreateField(&field) != OGRERR_NONE)
            GdalErrors::Fail(path, std::string("cannot create the column ") + spec.name);
    }
    if (dataset->StartTransaction() != OGRERR_NONE)
        GdalErrors::Fail(path, "cannot start writing");
    for (size_t i = 0; i < features.size(); ++i)
        WriteFeature(*layer, features[i], static_cast<GIntBig>(i + 1), path);
    WriteStyle(*dataset, style, path);
    if (epsg == 0)
        MarkLocalSystem(*dataset, path);
    if (dataset->CommitTransaction() != OGRERR_NONE)
        GdalErrors::Fail(path, "cannot finish writing");
    // Closing writes what GDAL still holds; it reports a failure only as an error.
    CPLErrorReset();
    dataset.reset();
    if (CPLGetLastErrorType() == CE_Failure)
        GdalErrors::Fail(path, "cannot finish writing");
}
} // namespace

void WriteParcelGpkg(const std::string& path, const std::vector<ParcelFeature>& features, int epsg,
                     const GpkgStyle& style) {
    GdalErrors errors;
    std::string temporary = PartFileOf(path);
    std::remove(temporary.c_str());
    try {
        WriteDataset(temporary, features, epsg, style, path);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error(path + ": cannot write the file");
    }
}
