// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How long each clip, noise and tune lasts, in ms, by its path under the media folder with
// forward slashes ("Commenti/2v/2v01.wav"). The build measures the generated files and writes
// the table as Durate.txt in the media folder: one "path<TAB>ms" per line. The end timers of
// the sounds are armed with these lengths; a clip the table lacks (no media installed) gets the
// length the game has always given it, or a short default.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace mrvelto {

class DurateClip {
public:
    // Reads `file`; a missing or unreadable table leaves only the built-in lengths. Lines that
    // are not "path<TAB>positive ms" are skipped.
    static DurateClip Leggi(const std::filesystem::path& file);
    static DurateClip Da(std::string_view testo);

    // The table's length, else the built-in one, else `kPredefinita`.
    int Durata(const std::string& percorso) const;
    std::optional<int> DallaTabella(const std::string& percorso) const;
    std::size_t Voci() const { return durate_.size(); }

    static constexpr int kPredefinita = 2000;

private:
    std::map<std::string, int, std::less<>> durate_;
};

}  // namespace mrvelto
