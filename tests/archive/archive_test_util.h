// Small helpers for the archive tests: files in the test's working directory
// and one open reader.
#pragma once

#include "archive/lzh_reader.h"
#include "support/lzh_builder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// Writes bytes to a file named after the running test and returns its path.
inline std::string test_file(const std::string &bytes, const std::string &suffix = "")
{
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string path = std::string(info->test_suite_name()) + "-" + info->name() + suffix + ".lzh";
    for (char &c : path)
        if (c == '/')
            c = '_';
    EXPECT_TRUE(write_file_bytes(path, bytes)) << path;
    return path;
}

inline void put_u32_at(std::string &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = (char)(value >> (8 * i) & 0xFF);
}

// A reader opened on bytes, with its entry and a name buffer.
struct OpenArchive {
    LzhReader reader;
    LzhEntry entry;
    char name[260];
    int open_result;  // what lzh_open gave

    explicit OpenArchive(const std::string &bytes, const std::string &suffix = "")
    {
        std::memset(&entry, 0, sizeof entry);
        std::memset(name, 0, sizeof name);
        open_result = lzh_open(test_file(bytes, suffix).c_str(), reader);
        reader.entry = &entry;
    }
    ~OpenArchive()
    {
        if (open_result != 1)
            lzh_close(reader);
    }
    int read() { return lzh_read_header(reader, name); }
    long position() const { return std::ftell(reader.file); }

    // Results of header reads until a non-zero one (at most limit reads).
    std::vector<int> read_all(int limit = 100)
    {
        std::vector<int> results;
        do
            results.push_back(read());
        while (results.back() == 0 && (int)results.size() < limit);
        return results;
    }
};
