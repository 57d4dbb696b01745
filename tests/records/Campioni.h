// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the records tests: the hand-made sample files beside these tests, and a scratch
// folder that is removed at the end of each test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "records/Percorsi.h"

namespace mrvelto::test {

inline std::filesystem::path CartellaCampioni() { return std::filesystem::path(__FILE__).parent_path() / "data"; }

inline std::string LeggiByte(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string Campione(const std::string& nome) {
    const auto p = CartellaCampioni() / nome;
    EXPECT_TRUE(std::filesystem::exists(p)) << p;
    return LeggiByte(p);
}

inline void ScriviByte(const std::filesystem::path& p, const std::string& byte) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << byte;
}

class CartellaTemporanea {
public:
    CartellaTemporanea() {
        std::random_device rd;
        percorso_ = std::filesystem::temp_directory_path() / ("mrvelto-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(percorso_);
    }
    ~CartellaTemporanea() {
        std::error_code ec;
        std::filesystem::remove_all(percorso_, ec);
    }
    const std::filesystem::path& operator()() const { return percorso_; }

private:
    std::filesystem::path percorso_;
};

// A data folder of its own, with the three records files of the hand-made samples on request.
struct CartellaDati {
    CartellaTemporanea dir;
    std::filesystem::path dati = dir() / "Dati";
    Radici radici{"/nessun/media", dir()};
    void Tre() {
        ScriviByte(dati / "MVeClass.txt", Campione("MVeClass-tre.txt"));
        ScriviByte(dati / "MVeAlbo.txt", Campione("MVeAlbo-tre.txt"));
        ScriviByte(dati / "MVePart.txt", Campione("MVePart-tre.txt"));
    }
};

}  // namespace mrvelto::test
