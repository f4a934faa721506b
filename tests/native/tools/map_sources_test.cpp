#include "tests/native/temp_dir.h"
#include "parcels/text/read_file.h"
#include "tools/map_input/map_set.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>

namespace {
const std::string kData = VELMORA_TOOL_TEST_DATA;

// Zip archives made here, so the tests need no zip tool: entries stored or
// deflated, with the local headers and central directory the format asks.
class ZipWriter {
public:
    void Add(const std::string& name, const std::string& bytes, bool packs) {
        std::string packed = bytes;
        if (packs) {
            z_stream zs{};
            deflateInit2(&zs, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            packed.resize(deflateBound(&zs, bytes.size()));
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
            zs.avail_in = static_cast<uInt>(bytes.size());
            zs.next_out = reinterpret_cast<Bytef*>(&packed[0]);
            zs.avail_out = static_cast<uInt>(packed.size());
            deflate(&zs, Z_FINISH);
            packed.resize(zs.total_out);
            deflateEnd(&zs);
        }
        std::uint32_t crc = static_cast<std::uint32_t>(crc32(
            0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
        std::string common;
        Put(common, packs ? 8 : 0, 2); // method
        Put(common, 0, 4);             // time and date
        Put(common, crc, 4);
        Put(common, packed.size(), 4);
        Put(common, bytes.size(), 4);
        Put(common, name.size(), 2);
        Put(common, 0, 2); // extra
        std::string local;
        Put(local, 0x04034b50, 4);
        Put(local, 20, 2);
        Put(local, 0, 2);
        std::string entry;
        Put(entry, 0x02014b50, 4);
        Put(entry, 20, 2);
        Put(entry, 20, 2);
        Put(entry, 0, 2);
        entry += common;
        Put(entry, 0, 2); // comment
        Put(entry, 0, 4); // disk and internal attributes
        Put(entry, 0, 4); // external attributes
        Put(entry, data_.size(), 4);
        directory_ += entry + name;
        data_ += local + common + name + packed;
        ++count_;
    }

    std::string Bytes() const {
        std::string end;
        Put(end, 0x06054b50, 4);
        Put(end, 0, 4);
        Put(end, count_, 2);
        Put(end, count_, 2);
        Put(end, directory_.size(), 4);
        Put(end, data_.size(), 4);
        Put(end, 0, 2);
        return data_ + directory_ + end;
    }

private:
    static void Put(std::string& out, std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    std::string data_, directory_;
    int count_ = 0;
};

MapSet Read(const std::vector<std::string>& inputs, const MapBounds* keep = nullptr) {
    MapSources sources(inputs);
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
    ZipWriter flat;
    flat.Add("b.xml", OtherOaza(small), true);
    flat.Add("readme.txt", "x", false);
    flat.Add("a.xml", small, false);
    // As the registry publishes a municipality: an archive of archives.
    ZipWriter inner, outer;
    inner.Add("a.xml", small, true);
    outer.Add("0001.zip", inner.Bytes(), false);
    ZipWriter other;
    other.Add("b.xml", OtherOaza(small), true);
    outer.Add("0002.zip", other.Bytes(), true);
    std::string flatZip = dir.Write("flat.zip", flat.Bytes());
    std::string outerZip = dir.Write("city.zip", outer.Bytes());

    for (const std::vector<std::string>& inputs :
         {std::vector<std::string>{dir.File("maps")},
          {flatZip},
          {outerZip},
          {dir.File("maps/sub/a.xml"), dir.File("maps/b.xml")}}) {
        MapSet set = Read(inputs);
        ASSERT_EQ(set.parcels.size(), 8u) << inputs[0];
        ASSERT_EQ(set.maps.size(), 2u);
        // Each parcel keeps its own map's 大字.
        for (size_t i = 0; i < set.parcels.size(); ++i)
            EXPECT_EQ(set.parcels[i].oaza,
                      set.maps[set.mapOf[i]].path.find("b.xml") != std::string::npos ? 16u : 15u);
    }
    EXPECT_EQ(Read({outerZip}).maps[0].path, outerZip + "/0001.zip/a.xml");
}

TEST(MapSources, BadInputsNameWhatIsWrong) {
    TempDir dir;
    std::string small = ReadWholeFile(kData + "/small_map.xml");
    std::string tokyo = small;
    tokyo.replace(tokyo.find(u8"公共座標9系"), std::string(u8"公共座標9系").size(),
                  u8"公共座標6系");
    ZipWriter damaged;
    damaged.Add("a.xml", small, true);
    std::string bytes = damaged.Bytes();
    bytes[400] = static_cast<char>(bytes[400] ^ 0x55);
    ZipWriter empty;
    empty.Add("readme.txt", "x", false);
    std::filesystem::create_directories(dir.File("none"));
    struct Case {
        std::vector<std::string> inputs;
        std::string message;
    } cases[] = {
        {{kData + "/small_map.xml", dir.Write("tokyo.xml", tokyo)},
         u8"tokyo.xml: its 座標系 '公共座標6系' differs from '公共座標9系'"},
        {{dir.Write("damaged.zip", bytes)}, "damaged.zip/a.xml"},
        {{dir.Write("empty.zip", empty.Bytes())}, "empty.zip: the archive holds no map files"},
        {{dir.Write("fake.zip", "PK not really")}, "fake.zip: not a zip archive"},
        {{dir.File("none")}, "none: the folder holds no map files"},
        {{dir.File("missing.xml")}, "missing.xml: no such map file or folder"},
    };
    for (const Case& c : cases) {
        std::string message = InputErrorOf([&] { Read(c.inputs); });
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

TEST(MapSet, KeepsParcelsThatReachIntoTheArea) {
    MapBounds corner{-999.0, 2001.0, -990.0, 2010.0};
    MapSet set = Read({kData + "/small_map.xml"}, &corner);
    ASSERT_EQ(set.parcels.size(), 1u);
    EXPECT_EQ(set.parcels[0].chiban, "1-1");
    MapBounds middle{-981.0, 2019.0, -979.0, 2021.0}; // the corner all four share
    EXPECT_EQ(Read({kData + "/small_map.xml"}, &middle).parcels.size(), 4u);
}
} // namespace
