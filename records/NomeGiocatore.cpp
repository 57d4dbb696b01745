// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/NomeGiocatore.h"

#include "records/FileDati.h"
#include "records/FormatoRiga.h"

namespace mrvelto {

namespace {

std::string_view SenzaBlank(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Cuts a UTF-8 text to `n` characters.
std::string Taglia(std::string s, std::size_t n) {
    std::size_t caratteri = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (caratteri++ == n) {
            s.resize(i);
            break;
        }
    }
    return s;
}

}  // namespace

std::string NormalizzaNome(std::string_view nome) {
    return std::string(SenzaBlank(Taglia(TestoSicuro(SenzaBlank(nome)), kMassimoCaratteriNome)));
}

std::string SalvaNomeGiocatore(const std::filesystem::path& percorso, std::string_view nome, Avvisi& avvisi) {
    std::string normale = NormalizzaNome(nome);
    ScrittoreRighe out;
    out.Testo(normale);
    std::string errore;
    if (!ScriviFileAtomico(percorso, out.Byte(), &errore)) avvisi.Aggiungi("Il nome del giocatore non è stato salvato. " + errore);
    return normale;
}

std::optional<std::string> LeggiNomeGiocatoreDa(std::string_view byte) {
    // The game never writes a NUL: a file holding one is not a name of ours.
    if (byte.find('\0') != std::string_view::npos) return std::nullopt;
    LettoreRighe in(byte);
    std::string nome;
    if (!in.Testo(nome) || !in.Integro()) return std::nullopt;
    return NormalizzaNome(nome);
}

std::string LeggiNomeGiocatore(const std::filesystem::path& percorso, Avvisi& avvisi) {
    const FileLetto f = LeggiFile(percorso, kMassimoNomeFile);
    if (f.stato == FileLetto::Stato::Mancante) return {};
    if (f.stato == FileLetto::Stato::Letto)
        if (auto nome = LeggiNomeGiocatoreDa(f.byte)) return *nome;
    if (f.stato == FileLetto::Stato::Illeggibile || f.stato == FileLetto::Stato::NonUnFile)
        avvisi.Aggiungi(AvvisoIlleggibile(percorso, f) + " Inserisci di nuovo il tuo nome.");
    else if (f.stato == FileLetto::Stato::TroppoGrande) avvisi.Aggiungi(AvvisoTroppoGrande(percorso, f.dimensione, kMassimoNomeFile));
    else avvisi.Aggiungi("Il file " + percorso.filename().string() + " con il nome dell'ultimo giocatore è danneggiato: inserisci di nuovo il tuo nome.");
    return {};
}

}  // namespace mrvelto
