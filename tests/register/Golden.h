#pragma once

// Texts checked in under tests/register/golden/, compared byte for byte. After a deliberate change
// of a report, LEDGER_UPDATE_GOLDEN=1 rewrites them; review the diff before keeping it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace booktest {

inline std::string sourcePath(const std::string& relative) {
    const char* root = std::getenv("VX_SOURCE_DIR");
    return std::string(root ? root : LEDGER_SOURCE_DIR) + "/" + relative;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = sourcePath("tests/register/golden/" + name);
    if (std::getenv("LEDGER_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    EXPECT_EQ(readBytes(path), actual) << "golden text " << name;
}

// The day the golden page headers were printed: 12/07/26, at noon so that any time zone keeps it.
inline std::chrono::system_clock::time_point goldenNow() {
    using namespace std::chrono;
    return sys_days{year{2026} / December / 7} + hours{12};
}

} // namespace booktest
