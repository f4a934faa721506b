#include "tests/native/temp_dir.h"
#include "parcels/text/read_file.h"
#include "parcels/text/text_codec.h"
#include "tools/map_input/map_set.h"

#include <gtest/gtest.h>
#include <zip.h>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;
using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Zip(const TempDir& dir, const std::string& name, const Entries& entries,
                bool stored = false) {
    zip_t* zip = zip_open(dir.File(name).c_str(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    for (const auto& [entry, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        zip_int64_t index = zip_file_add(zip, entry.c_str(), source, ZIP_FL_ENC_UTF_8);
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index),
                                 stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 9);
    }
    EXPECT_EQ(zip_close(zip), 0);
    return dir.File(name);
}

MapSet Read(const std::vector<std::string>& inputs, const MapBounds* keep = nullptr,
            const ZipLimits& limits = {}) {
    MapSources sources(inputs, limits);
    Progress progress;
    return ReadMapSet(sources, keep, progress);
}

// The small map again, in another 大字.
std::string OtherOaza(std::string map) {
    for (size_t at; (at = map.find(u8"<大字コード>015<")) != std::string::npos;)
        map.replace(at, std::string(u8"<大字コード>015<").size(), u8"<大字コード>016<");
    return map;
}

TEST(MapSources, FoldersAndArchivesHoldTheSameMaps) {
    TempDir dir;
    std::string small = ReadWholeFile(kData + "/small_map.xml");
    std::filesystem::create_directories(dir.File("maps/sub"));
    dir.Write("maps/b.xml", OtherOaza(small));
    dir.Write("maps/sub/a.xml", small);
    dir.Write("maps/notes.txt", "not a map");
    std::string flatZip =
        Zip(dir, "flat.zip", {{"b.xml", OtherOaza(small)}, {"readme.txt", "x"}, {"a.xml", small}});
    // As the registry publishes a municipality: an archive of archives.
    std::string outerZip =
        Zip(dir, "city.zip",
            {{"0001.zip", ReadWholeFile(Zip(dir, "1.zip", {{"a.xml", small}}))},
             {"0002.zip", ReadWholeFile(Zip(dir, "2.zip", {{"b.xml", OtherOaza(small)}}, true))}},
            true);
    std::string shiftJis;
    ASSERT_TRUE(Utf8ToCp932(small, shiftJis));
    shiftJis.replace(shiftJis.find("UTF-8"), 5, "Shift_JIS");
    dir.Write("sjis.xml", shiftJis);

    for (const std::vector<std::string>& inputs :
         {std::vector<std::string>{dir.File("maps")},
          {flatZip},
          {outerZip},
          {dir.File("maps/sub/a.xml"), dir.File("maps/b.xml")},
          {dir.File("sjis.xml"), dir.File("maps/b.xml")}}) {
        MapSet set = Read(inputs);
        ASSERT_EQ(set.parcels.size(), 8u) << inputs[0];
        ASSERT_EQ(set.maps.size(), 2u);
        // Each parcel keeps its own map's 大字 and 地番.
        for (size_t i = 0; i < set.parcels.size(); ++i)
            EXPECT_EQ(set.parcels[i].oaza,
                      set.maps[set.mapOf[i]].path.find("b.xml") != std::string::npos ? 16u : 15u);
        EXPECT_EQ(set.parcels[0].chiban, Read({kData + "/small_map.xml"}).parcels[0].chiban);
    }
    EXPECT_EQ(Read({outerZip}).maps[0].path, outerZip + "/0001.zip/a.xml");
    // Every limit met exactly: entries, depth, archive and map bytes, and the total.
    std::string inner = ReadWholeFile(Zip(dir, "in.zip", {{"a.xml", small}}));
    std::string limits = Zip(dir, "out.zip", {{"in.zip", inner}, {"b.xml", OtherOaza(small)}});
    EXPECT_EQ(
        Read({limits}, nullptr, {small.size(), inner.size(), inner.size() + 2 * small.size(), 2, 2})
            .parcels.size(),
        8u);
}

// A file given twice is read once, an empty map is left out, and both are told.
TEST(MapSources, RepeatedAndEmptyMapsAreToldAndReadOnce) {
    TempDir dir;
    std::string small = dir.Write("a.xml", ReadWholeFile(kData + "/small_map.xml"));
    std::string empty = dir.Write("empty.xml", u8"<?xml version=\"1.0\"?><地図></地図>");
    std::filesystem::create_symlink(small, dir.File("link.xml"));
    testing::internal::CaptureStderr();
    MapSet set = Read({small, dir.File("./a.xml"), dir.File("link.xml"), empty, dir.File("")});
    std::string told = testing::internal::GetCapturedStderr();
    EXPECT_EQ(set.parcels.size(), 4u);
    EXPECT_EQ(set.maps.size(), 1u);
    for (const std::string& note : std::vector<std::string>{
             dir.File("./a.xml") + ": the same file as " + small + "; read once",
             dir.File("link.xml") + ": the same file as " + small,
             u8"empty.xml: the map has no parcels"})
        EXPECT_NE(told.find(note), std::string::npos) << told;
}

TEST(MapSources, BadInputsNameWhatIsWrong) {
    TempDir dir;
    std::string small = ReadWholeFile(kData + "/small_map.xml");
    std::string tokyo = small;
    tokyo.replace(tokyo.find(u8"公共座標9系"), std::string(u8"公共座標9系").size(),
                  u8"公共座標6系");
    std::string damaged = ReadWholeFile(Zip(dir, "d.zip", {{"a.xml", small}}));
    damaged[80] = static_cast<char>(damaged[80] ^ 0x55);
    const std::string zeros(600 << 10, ' '); // deflates about a thousandfold
    std::string twoDeep =
        Zip(dir, "2.zip", {{"in.zip", ReadWholeFile(Zip(dir, "1.zip", {{"x", "x"}}))}});
    const ZipLimits mb{1 << 20, 1 << 20, 1 << 20, 100000, 3}, two{1 << 20, 1 << 20, 1 << 20, 2, 2};
    std::filesystem::create_directories(dir.File("none"));
    struct Case {
        std::vector<std::string> inputs;
        std::string message;
        ZipLimits limits = {};
    } cases[] = {
        {{kData + "/small_map.xml", dir.Write("tokyo.xml", tokyo)},
         u8"tokyo.xml: its 座標系 '公共座標6系' differs from '公共座標9系'"},
        {{dir.Write("damaged.zip", damaged)}, "damaged.zip/a.xml"},
        {{Zip(dir, "empty.zip", {{"readme.txt", "x"}})}, "empty.zip: the archive holds no map"},
        {{dir.Write("fake.zip", "PK not really")}, "fake.zip: not a zip archive"},
        {{dir.File("none")}, "none: the folder holds no map files"},
        {{dir.File("missing.xml")}, "missing.xml: no such map file or folder"},
        {{dir.Write("e.xml", u8"<地図/>"), dir.Write("f.xml", u8"<地図/>")},
         u8"e.xml: none of the 2 maps has parcels (筆)"},
        {{dir.Write("euc.xml", "<?xml version='1.0' encoding='EUC-JP'?><a/>")},
         "euc.xml:1: the file declares the encoding 'EUC-JP'; maps are read in UTF-8 or Shift_JIS"},
        {{dir.Write("bad-sjis.xml", "<?xml version='1.0' encoding='sjis'?><a>\x81")},
         "bad-sjis.xml: the file declares Shift_JIS but holds bytes that form no"},
        // Archives that unpack without bound, each caught by one limit.
        {{Zip(dir, "bomb.zip", {{"bomb.xml", zeros + zeros}})},
         "bomb.zip/bomb.xml: unpacks to more than 1 MB; refused",
         mb},
        {{Zip(dir, "bombs.zip", {{"a.xml", small + zeros}, {"b.xml", small + zeros}})},
         "bombs.zip/b.xml: the archives unpack to more than 1 MB; refused",
         mb},
        {{Zip(dir, "inner.zip",
              {{"in.zip", ReadWholeFile(Zip(dir, "3.zip", {{"a", zeros + zeros}}, true))}})},
         "inner.zip/in.zip: unpacks to more than 1 MB; refused",
         mb},
        {{Zip(dir, "many.zip", {{"a.xml", small}, {"b.xml", small}, {"c.xml", small}})},
         "many.zip: holds 3 entries, more than the 2 read; refused",
         two},
        {{Zip(dir, "deep.zip", {{"2.zip", ReadWholeFile(twoDeep)}})},
         "deep.zip/2.zip/in.zip: archives nest more than 2 deep; refused",
         two},
    };
    for (const Case& c : cases) {
        std::string message = InputErrorOf([&] { Read(c.inputs, nullptr, c.limits); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

// The corner all four parcels share; an area that meets 1-1 at its corner only.
TEST(MapSet, KeepsParcelsThatReachIntoTheArea) {
    const std::pair<MapBounds, size_t> cases[] = {{{-999.0, 2001.0, -990.0, 2010.0}, 1},
                                                  {{-981.0, 2019.0, -979.0, 2021.0}, 4},
                                                  {{-1010.0, 1990.0, -1000.0, 2000.0}, 1}};
    for (const auto& [area, kept] : cases)
        EXPECT_EQ(Read({kData + "/small_map.xml"}, &area).parcels.size(), kept) << area.minX;
    EXPECT_EQ(Read({kData + "/small_map.xml"}, &cases[0].first).parcels[0].chiban, "1-1");
}
} // namespace
