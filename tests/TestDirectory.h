#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// A fresh directory per test, named after the test and removed afterwards.
class TemporaryDirectoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        m_directory = std::filesystem::temp_directory_path() /
                      ("umbrant-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_directory);
        std::filesystem::create_directories(m_directory);
    }
    void TearDown() override { std::filesystem::remove_all(m_directory); }

    // The directory as the data readers and converters take it, ending with "/".
    std::string DataDirectory() const { return m_directory.string() + "/"; }
    std::string PathOf(const std::string& name) const { return (m_directory / name).string(); }

    std::string WriteText(const std::string& name, const std::string& content) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << content;
        return PathOf(name);
    }

    std::string WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return PathOf(name);
    }

    std::vector<std::uint8_t> ReadBytes(const std::string& name) const
    {
        std::ifstream file(PathOf(name), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(m_directory / name); }

    std::filesystem::path m_directory;
};
