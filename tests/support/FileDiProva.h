// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for the tests: read and written whole, byte for byte, and a scratch folder that goes with
// the test.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace mrvelto::test {

inline std::string LeggiByte(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void ScriviByte(const std::filesystem::path& p, const std::string& byte) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << byte;
}

struct CartellaTemporanea {
    CartellaTemporanea() {
        std::random_device rd;
        percorso = std::filesystem::temp_directory_path() / ("mrvelto-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(percorso);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso, ec);
    }
    const std::filesystem::path& operator()() const { return percorso; }
    std::filesystem::path percorso;
};

}  // namespace mrvelto::test
