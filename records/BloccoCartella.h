// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Advisory locks (flock) on a lock file inside a data folder. They bind only programs that ask
// for them, which every writer of the folder's files does: the records update, the atomic write
// of each file, and each window for as long as it runs.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mrvelto {

// Held by the records' re-read, merge and write: one update at a time per folder.
inline constexpr std::string_view kBloccoRecord = ".blocco-record";
// Held around the write and rename of any one file (and the clean-up of temporary files).
inline constexpr std::string_view kBloccoScrittura = ".blocco-scrittura";
// Held shared by every window on the folder for as long as it runs.
inline constexpr std::string_view kBloccoFinestre = ".blocco-finestre";

class BloccoCartella {
public:
    enum class Modo { Condiviso, Esclusivo };

    // Waits for the lock `nome` in `cartella` (creating both when missing). nullopt when the lock
    // file cannot be opened, with the reason in Italian in `errore`.
    static std::optional<BloccoCartella> Prendi(const std::filesystem::path& cartella, std::string_view nome, Modo modo,
                                                std::string* errore = nullptr);
    // The same without waiting: nullopt also when someone else holds it (then `occupato`).
    static std::optional<BloccoCartella> Prova(const std::filesystem::path& cartella, std::string_view nome, Modo modo,
                                               bool* occupato = nullptr, std::string* errore = nullptr);
    // An exclusive lock becomes shared without being let go of.
    void Condividi();

    BloccoCartella(BloccoCartella&& altro) noexcept;
    BloccoCartella& operator=(BloccoCartella&& altro) noexcept;
    BloccoCartella(const BloccoCartella&) = delete;
    BloccoCartella& operator=(const BloccoCartella&) = delete;
    ~BloccoCartella();

private:
    explicit BloccoCartella(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The window's own claim on the folder: a shared lock for the whole run. `altre` says whether
// another window held one when this one came.
struct PresenzaFinestra {
    std::optional<BloccoCartella> blocco;
    bool altre = false;
};
PresenzaFinestra AnnunciaFinestra(const std::filesystem::path& cartella);

}  // namespace mrvelto
