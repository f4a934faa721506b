// Opening a map: the registry map, the code book and the attribute CSV
// beside it. The attribute CSV is checked against the code book, so the
// book is loaded first, and put back as it was when anything fails.
#include "app/code_book_keep.h"
#include "app/app_map.h"
#include "app/app_text.h"

#include "host/code_book.h"
#include "parcels/attrs/code_book_file.h"
#include "parcels/attrs/kk_attr.h"
#include "parcels/text/text_codec.h"
#include "parcels/attrs/kk_record.h"
#include "parcels/map/map_xml.h"

#include <windows.h>

namespace {
bool FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Folder(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithExtension(const std::string& path, const char* extension) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + extension;
    return path.substr(0, dot) + extension;
}

// Runs one reader; its fault becomes a MapLoadError naming the file.
template <class Read> auto Reading(const std::string& path, Read read) -> decltype(read()) {
    try {
        return read();
    } catch (const MapLoadError&) {
        throw;
    } catch (const std::exception& e) {
        throw MapLoadError(path, ReaderMessage(path, e.what()));
    }
}

// A 大字 that the code book does not name takes its name from the map.
void NameOazaFromMap(const KkMap& map) {
    for (const MapParcel& parcel : map.parcels) {
        CString known;
        std::string name;
        if (parcel.oazaName.empty() ||
            CCodeBook::GetName(CODE_TBL_OAZA, 0, (WORD)parcel.oaza, known) ||
            !Utf8ToCp932(parcel.oazaName, name))
            continue;
        CCodeBook::SetName(CODE_TBL_OAZA, (WORD)parcel.oaza, name.c_str());
    }
}

// The code book and the attribute rows; changes the host's code names.
KkAttrTable ReadBeside(const std::string& xmlPath, AppMap& host) {
    std::string codesPath = Folder(xmlPath) + "codes.csv";
    CCodeBook::Clear();
    if (FileExists(codesPath)) {
        Reading(codesPath, [&] {
            ReadCodeBookFile(codesPath);
            return 0;
        });
    }
    NameOazaFromMap(host.map);
    std::string csvPath = WithExtension(xmlPath, ".csv");
    if (!FileExists(csvPath))
        return KkAttrTable();
    KkParcelKeys keys;
    for (const MapParcel& parcel : host.map.parcels)
        keys.Add(parcel.oaza, parcel.chiban);
    KkAttrOptions options;
    options.skipBadRows = true;
    KkAttrReport report;
    KkAttrTable attrs =
        Reading(csvPath, [&] { return ReadKkAttrCsv(csvPath, keys, options, report); });
    for (const std::string& message : report.skipped)
        host.skippedRows.push_back(ReaderMessage(csvPath, message));
    return attrs;
}
} // namespace

void MeasureAppMap(AppMap& host) {
    host.extents.clear();
    std::vector<const MapParcel*> all;
    for (const MapParcel& parcel : host.map.parcels) {
        host.extents.push_back(Bounds({&parcel}));
        all.push_back(&parcel);
    }
    host.bounds = Bounds(all);
}

std::unique_ptr<AppMap> LoadAppMap(const std::string& xmlPath) {
    auto host = std::make_unique<AppMap>();
    host->map = Reading(xmlPath, [&] { return ReadMapXml(xmlPath); });
    if (host->map.parcels.empty())
        throw MapLoadError(xmlPath, xmlPath + ": 筆が一つもありません。登記所備付地図の地図XMLでは"
                                              "ないか、空の地図です。");
    CodeBookKeep before;
    try {
        KkAttrTable attrs = ReadBeside(xmlPath, *host);
        host->records.reserve(host->map.parcels.size());
        Reading(xmlPath, [&] {
            for (size_t i = 0; i < host->map.parcels.size(); ++i) {
                const MapParcel& parcel = host->map.parcels[i];
                auto attr = attrs.find(KkParcelKey{parcel.oaza, parcel.chiban});
                host->records.emplace_back();
                FillKkRecord(host->map, parcel, (DWORD)(i + 1),
                             attr == attrs.end() ? nullptr : &attr->second, host->records.back());
            }
            return 0;
        });
    } catch (...) {
        before.Restore();
        throw;
    }
    MeasureAppMap(*host);
    return host;
}
