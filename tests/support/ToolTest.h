#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A test that runs one of the build's tools as the build runs it, in a scratch folder of its own.
class ToolTest : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("lexivo-tool-" + std::to_string(getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Writes a file of the scratch folder; returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
        return (folder / name).string();
    }

    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the tool with these arguments; returns its exit status and keeps what it reported.
    int run(const std::string& tool, const std::vector<std::string>& arguments) {
        std::string command = "'" + tool + "'";
        for (const std::string& argument : arguments)
            command += " '" + argument + "'";
        command += " 2> '" + (folder / "report").string() + "'";
        const int status = std::system(command.c_str());
        report = read(folder / "report");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::filesystem::path folder;
    std::string report;
};
