// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal that makes the three records files change together. A save first writes the three
// new contents into one file beside them (synced, renamed into place, folder synced): from then on
// the match is saved. Only then are the three files replaced one by one and the journal removed.
// A run killed in between leaves the journal, and the next one to take the records lock finishes
// the job from it, so the files never stay one match apart.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/Record.h"

namespace mrvelto {

inline constexpr std::string_view kGiornaleRecord = ".giornale-record";

// The journal's bytes: a heading, each file's length and bytes, and a checksum of all that.
std::string CodificaGiornale(const FileRecord& f);
// The three contents, or nullopt when the bytes are not a whole journal of ours.
std::optional<FileRecord> DecodificaGiornale(std::string_view byte);

// Replaces the three files with the journal's contents, then removes the journal. False with the
// Italian reason in `errore` when a step failed: the journal stays for the next attempt.
bool ApplicaGiornale(const std::filesystem::path& giornale, const FileRecord& f, const std::filesystem::path& classifica,
                     const std::filesystem::path& albo, const std::filesystem::path& partite, std::string* errore);

}  // namespace mrvelto
