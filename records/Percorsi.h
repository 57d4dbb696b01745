// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Maps the game's fixed paths (C:\Programmi\MrVelto\...) onto this machine: the writable folders
// Dati\ and Archivio\ go under the user's data root, everything else is read-only media.
#include <filesystem>
#include <string_view>

namespace mrvelto {

struct Radici {
    std::filesystem::path media;   // card faces, sounds, tunes, MVeOpzio.txt
    std::filesystem::path utente;  // holds Dati/ and Archivio/
};

inline constexpr std::string_view kPrefissoInstallazione = "C:\\Programmi\\MrVelto\\";

// "C:\Programmi\MrVelto\Dati\MVeImpo.txt" -> <utente>/Dati/MVeImpo.txt, and so on. The prefix is
// matched without regard to case, as Windows would; a path outside it is taken as relative to the
// media root. Backslashes become directory separators; ".." components are dropped so that no
// mapped path leaves its root.
std::filesystem::path MappaPercorso(std::string_view percorso, const Radici& radici);

// The roots with the environment's say: MRVELTO_HOME (`casa`) moves the writable folders,
// MRVELTO_MEDIA (`media`) the media; nullptr or empty leaves the installation's and the
// platform's own (`predefinite`).
Radici RadiciDaAmbiente(Radici predefinite, const char* casa, const char* media);

}  // namespace mrvelto
