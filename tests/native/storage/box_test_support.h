// A private folder per test for palette-box files, named to the library as
// the folder of one folder kind, and whole-file helpers.
#pragma once

#include "host/jkn_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define VELMORA_TEST_PID _getpid()
#else
#include <unistd.h>
#define VELMORA_TEST_PID getpid()
#endif

namespace fs = std::filesystem;

class BoxFolderTest : public ::testing::Test {
protected:
    static constexpr int kKind = 7;

    // The process id keeps two runs of the same tests on one machine apart.
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 (std::string("velmora-store-") + std::to_string(VELMORA_TEST_PID) + "-" +
                  info->test_suite_name() + "-" + info->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        m_folder = m_root / "jkn";
        Halvex_SetJknFolderPath(kKind, m_folder.string().c_str());
    }

    void TearDown() override {
        Halvex_SetJknFolderPath(kKind, nullptr);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    fs::path BoxPath(const std::string& name) const { return m_folder / (name + ".dat"); }

    static std::vector<unsigned char> ReadBytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
    }

    static void WriteBytes(const fs::path& path, const std::vector<unsigned char>& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    fs::path m_root;
    fs::path m_folder;
};
