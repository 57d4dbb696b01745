// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the records files from outside the game: foreign or damaged files, files and
// folders the player may not read, a full disk, temporary files of a killed run, a second window.
// Each case checks what was kept, what was set aside, and what the player is told.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "Campioni.h"
#include "records/AggiornaClassifica.h"
#include "records/FileDati.h"
#include "records/FormatoRiga.h"
#include "records/RecordSuFile.h"

namespace mrvelto {
namespace {

namespace fs = std::filesystem;
using test::Campione;
using test::Finestra;
using test::Testo;

const std::string kPasswd =
    "root:x:0:0:root:/root:/bin/bash\n"
    "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin\n"
    "\"\"\n";

EsitoPartita Esito(const std::string& nome, Chi vincitore, int minuto) {
    return test::Esito(nome, vincitore, vincitore == Chi::H ? 3 : 1, vincitore == Chi::PC ? 3 : 1, 'B', {2, 3, 2027, 20, minuto, 0});
}

std::vector<std::string> Nomi(const fs::path& cartella) {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(cartella)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

// Permissions bind everyone but root: as root, the case runs in a child as "nobody" on a tree
// handed to it. The result comes back as text.
std::string ComeUtenteComune(const fs::path& albero, const std::function<std::string()>& caso) {
    if (::geteuid() != 0) return caso();
    for (const auto& e : fs::recursive_directory_iterator(albero)) (void)::lchown(e.path().c_str(), 65534, 65534);
    (void)::chown(albero.c_str(), 65534, 65534);
    int tubo[2];
    if (::pipe(tubo) != 0) return "pipe failed";
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::close(tubo[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        const std::string r = caso();
        (void)!::write(tubo[1], r.data(), r.size());
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string r;
    char buf[4096];
    for (ssize_t n; (n = ::read(tubo[0], buf, sizeof buf)) > 0;) r.append(buf, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0) << stato;
    return r;
}

// ---- The readers themselves.

// The limit holds to the byte, whatever the size the system reports: a file that says it is empty
// (as /proc's do) is still read whole, and one over the limit brings nothing in.
TEST(LetturaSevera, TheSizeLimitHoldsToTheByte) {
    const fs::path cartella = fs::path(::testing::TempDir()) / "limite-lettura";
    fs::create_directories(cartella);
    const fs::path file = cartella / "f.txt";
    for (const std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{4096}, std::size_t{70000}}) {
        ASSERT_TRUE(ScriviFileAtomico(file, std::string(n, 'x')));
        const FileLetto giusto = LeggiFile(file, n);
        EXPECT_EQ(giusto.stato, FileLetto::Stato::Letto) << n;
        EXPECT_EQ(giusto.byte.size(), n);
        if (n == 0) continue;
        const FileLetto oltre = LeggiFile(file, n - 1);
        EXPECT_EQ(oltre.stato, FileLetto::Stato::TroppoGrande) << n;
        EXPECT_TRUE(oltre.byte.empty());
        EXPECT_EQ(oltre.dimensione, n);
    }
    const FileLetto stato = LeggiFile("/proc/self/status", 1 << 20);
    ASSERT_EQ(stato.stato, FileLetto::Stato::Letto);
    EXPECT_NE(stato.byte.find("VmRSS"), std::string::npos) << "read past the size of 0 the system gives";
    EXPECT_EQ(LeggiFile("/proc/self/status", 10).stato, FileLetto::Stato::TroppoGrande);
    fs::remove_all(cartella);
}

TEST(LetturaSevera, ALogEntryMustHaveTheShapeTheGameGivesIt) {
    EsitoPartita e = Esito("Pietà", Chi::H, 5);
    EXPECT_TRUE(FormaVoceAlbo(VoceAlbo(1, e)));
    e.Sbirciata = true;
    EXPECT_TRUE(FormaVoceAlbo(VoceAlbo(32768, e)));
    EXPECT_TRUE(FormaVoceAlbo(VoceAlbo(7, Esito("a - b", Chi::PC, 59))));
    for (const char* voce : {"root:x:0:0:root:/root:/bin/bash", "1)  a", "1)  Pietà - Mr. VELTO A    4-2   6/12/26  9:5",
                             "1)  Pietà - Mr. VELTO A    4-2   6/12/2026  9:05", "x)  Pietà - Mr. VELTO A    4-2   6/12/26  9:05",
                             "1)  Pietà + Mr. VELTO A    4-2   6/12/26  9:05", "1)  Pietà - Mr. VELTO A    4-2   6/12/26  9:05 ",
                             "1)  Pietà - Tizio A    4-2   6/12/26  9:05", "1) Pietà - Mr. VELTO A    4-2   6/12/26  9:05", ""})
        EXPECT_FALSE(FormaVoceAlbo(voce)) << voce;
}

TEST(LetturaSevera, AFileThatFailsAnywhereBringsNothingIn) {
    const std::string c = Campione("MVeClass-tre.txt");
    const std::string a = Campione("MVeAlbo-tre.txt");
    const std::string p = Campione("MVePart-tre.txt");
    Record buono;
    ASSERT_TRUE(LeggiRecordDa(&c, &a, &p, buono).Integro());
    auto conClassifica = [&](const std::string& cambiata) {
        Record r;
        const auto esito = LeggiRecordDa(&cambiata, &a, &p, r);
        EXPECT_FALSE(esito.classificaIntegra);
        EXPECT_TRUE(esito.alboIntegro);
        EXPECT_EQ(r.Classifica, Record{}.Classifica);
        EXPECT_EQ(r.VittoriePCVariLivelli, Record{}.VittoriePCVariLivelli);
        EXPECT_EQ(r.LstAlbo, buono.LstAlbo);  // the other files are still taken
    };
    conClassifica(c.substr(0, c.find("\"Mr. VELTO\"") + 13));  // cut in its second row
    std::string s = c;
    conClassifica(s.replace(s.find("\"1\""), 3, "\"uno\""));  // a count that is not a number
    s = c;
    conClassifica(s.replace(s.find("\"Piet"), 1, ""));  // a name without its opening quote
    s = c;
    conClassifica(s.replace(s.find("/12/26"), 6, "/12/2026"));  // a date not as the game writes it
    conClassifica(kPasswd);

    auto conAlbo = [&](const std::string& cambiato) {
        Record r;
        const auto esito = LeggiRecordDa(&c, &cambiato, &p, r);
        EXPECT_FALSE(esito.alboIntegro);
        EXPECT_FALSE(esito.totaleCorretto);
        EXPECT_EQ(r.LstAlbo, std::vector<std::string>{""});
        EXPECT_EQ(r.TotalePartite, 0);
        EXPECT_EQ(r.Classifica, buono.Classifica);
    };
    conAlbo(kPasswd);
    conAlbo("Lorem ipsum dolor sit amet\r\nconsectetur\r\n\"\"\r\n");
    conAlbo(a.substr(0, a.rfind("\"\"")));  // no closing empty entry
    conAlbo("\"1)  a\"\n\"2)  b\"\n\"\"\n");  // quoted, but not entries
    conAlbo(a + "\"4)  Pietà - Mr. VELTO A    4-2   6/12/26  9:05\"\r\n");  // lines after the end
}

// ---- Files on disk.

using Cartella = test::CartellaDati;

TEST(FileDanneggiati, JunkOrAForeignFileIsSetAsideWholeAndTheMessageSaysWhatWasKept) {
    for (const int caso : {0, 1, 2}) {
        const bool collegamento = caso == 1, ciclo = caso == 2;
        SCOPED_TRACE(collegamento ? "symlink to a passwd-like file" : ciclo ? "symlink to itself" : "random text");
        Cartella c;
        c.Tre();
        const fs::path estraneo = c.dir() / "passwd";
        test::ScriviByte(estraneo, kPasswd);
        fs::remove(c.dati / "MVeAlbo.txt");
        if (collegamento) fs::create_symlink(estraneo, c.dati / "MVeAlbo.txt");
        else if (ciclo) fs::create_symlink("MVeAlbo.txt", c.dati / "MVeAlbo.txt");
        else test::ScriviByte(c.dati / "MVeAlbo.txt", "q\x9f\x01 zz\r\n,,,\r\n");
        Finestra f(c.radici, {6, 12, 2026, 18, 40, 2});
        RecordSuFile& record = f.record;
        EXPECT_EQ(record.Dati().LstAlbo, std::vector<std::string>{""});
        EXPECT_EQ(record.Dati().Classifica[1].NomeVincitore, "Pietà");
        const std::string testo = Testo(f.avvisi);
        EXPECT_NE(testo.find(ciclo ? "Il file MVeAlbo.txt è un collegamento che rimanda a se stesso: non c'era nulla da leggere."
                                   : "Il file MVeAlbo.txt è incompleto o danneggiato: non ne è stato importato nulla."),
                  std::string::npos)
            << testo;
        EXPECT_EQ(testo.find("La cartella"), std::string::npos) << testo;
        EXPECT_NE(testo.find("È stato conservato come MVeAlbo-danneggiato-20261206-184002.txt."), std::string::npos) << testo;
        EXPECT_NE(testo.find("Sono stati letti per intero: MVeClass.txt e MVePart.txt; il resto riparte dai valori iniziali."),
                  std::string::npos)
            << testo;
        EXPECT_EQ(testo.find("ricontato"), std::string::npos) << testo;
        // The link was moved, not what it points to.
        EXPECT_EQ(test::LeggiByte(estraneo), kPasswd);
        EXPECT_FALSE(fs::exists(fs::symlink_status(c.dati / "MVeAlbo.txt")));
        record.AggiornaClassifica(Esito("Pietà", Chi::H, 1));
        ASSERT_TRUE(record.Salva());
        EXPECT_EQ(test::LeggiByte(estraneo), kPasswd);
        EXPECT_EQ(record.Dati().VociAlbo(), 1);
        EXPECT_EQ(record.Dati().LstAlbo[0].substr(0, 4), "1)  ");
    }
}

TEST(FileDanneggiati, AnUnreadableFileStaysWhereItIsAndIsNeverWrittenOver) {
    Cartella c;
    c.Tre();
    const std::string albo = test::LeggiByte(c.dati / "MVeAlbo.txt");
    ::chmod((c.dati / "MVeAlbo.txt").c_str(), 0);
    const std::string r = ComeUtenteComune(c.dir(), [&] {
        Finestra f(c.radici, {6, 12, 2026, 18, 40, 2});
        std::string t = Testo(f.avvisi);
        f.record.AggiornaClassifica(Esito("Pietà", Chi::H, 1));
        t += f.record.Salva() ? "saved\n" : "not saved\n";
        return t + Testo(f.avvisi);
    });
    EXPECT_NE(r.find("I record non si sono potuti leggere. Il file MVeAlbo.txt non si può leggere (permesso negato). Il file è "
                     "stato lasciato com'è e non verrà sovrascritto"),
              std::string::npos)
        << r;
    EXPECT_NE(r.find("not saved\nI record non sono stati salvati. Il file MVeAlbo.txt non si può leggere (permesso negato). Il "
                     "file non è stato sovrascritto."),
              std::string::npos)
        << r;
    EXPECT_EQ(r.find("danneggiato"), std::string::npos) << r;
    EXPECT_EQ(r.find("Permission"), std::string::npos) << r;
    ::chmod((c.dati / "MVeAlbo.txt").c_str(), 0644);
    EXPECT_EQ(test::LeggiByte(c.dati / "MVeAlbo.txt"), albo);
    EXPECT_EQ(test::LeggiByte(c.dati / "MVeClass.txt"), Campione("MVeClass-tre.txt"));
    for (const auto& n : Nomi(c.dati)) EXPECT_EQ(n.find("danneggiato"), std::string::npos) << n;
}

TEST(FileDanneggiati, AnUnreadableFolderIsReportedNotTakenAsEmpty) {
    {
        Cartella c;
        c.Tre();
        ::chmod(c.dati.c_str(), 0);
        const std::string r = ComeUtenteComune(c.dir(), [&] {
            Finestra f(c.radici);
            const std::string t = Testo(f.avvisi);
            return t + (f.record.Salva() ? "saved\n" : "not saved\n");
        });
        ::chmod(c.dati.c_str(), 0755);
        EXPECT_NE(r.find("La cartella " + c.dati.string() + " non si può leggere (permesso negato)."), std::string::npos) << r;
        EXPECT_NE(r.find("not saved"), std::string::npos) << r;
        EXPECT_EQ(test::LeggiByte(c.dati / "MVeAlbo.txt"), Campione("MVeAlbo-tre.txt"));
    }
    {  // "Dati" is a file
        Cartella c;
        test::ScriviByte(c.dati, "non una cartella");
        Finestra f(c.radici);
        const std::string t = Testo(f.avvisi);
        EXPECT_NE(t.find("non si può leggere (una parte del percorso non è una cartella)."), std::string::npos) << t;
        EXPECT_FALSE(f.record.Salva());
        EXPECT_EQ(test::LeggiByte(c.dati), "non una cartella");
    }
}

int erroreIniettato = 0;
long ScritturaFallita(int, const void*, std::size_t) {
    errno = erroreIniettato;
    return -1;
}
long ScritturaAMeta(int fd, const void* dati, std::size_t quanti) {
    if (quanti > 8) return ::write(fd, dati, 8);  // a few bytes, then the disk fills
    errno = ENOSPC;
    return -1;
}

TEST(FileDanneggiati, AFullOrReadOnlyDiskKeepsTheOldFilesAndTheMatchesForTheNextSave) {
    Cartella c;
    c.Tre();
    Finestra f(c.radici);
    RecordSuFile& record = f.record;
    record.AggiornaClassifica(Esito("Pietà", Chi::H, 1));
    for (const auto& [errore, motivo] : std::vector<std::pair<int, std::string>>{{ENOSPC, "il disco è pieno"},
                                                                                 {EROFS, "il disco è in sola lettura"},
                                                                                 {EACCES, "permesso negato"}}) {
        erroreIniettato = errore;
        const auto prima = ImpostaScrittura(errore == ENOSPC ? &ScritturaAMeta : &ScritturaFallita);
        const bool ok = record.Salva();
        ImpostaScrittura(prima);
        EXPECT_FALSE(ok) << motivo;
        const std::string t = Testo(f.avvisi);
        // The journal is written first: where it cannot be, nothing changed.
        EXPECT_NE(t.find("I record non sono stati salvati. Impossibile scrivere il file " + (c.dati / ".giornale-record").string() +
                         ": " + motivo + "."),
                  std::string::npos)
            << t;
        EXPECT_EQ(test::LeggiByte(c.dati / "MVeClass.txt"), Campione("MVeClass-tre.txt"));
        EXPECT_EQ(test::LeggiByte(c.dati / "MVeAlbo.txt"), Campione("MVeAlbo-tre.txt"));
        for (const auto& n : Nomi(c.dati)) EXPECT_EQ(n.find(".tmp"), std::string::npos) << n;
    }
    // Space again: the match played meanwhile is saved, once.
    ASSERT_TRUE(record.Salva());
    ASSERT_TRUE(record.Salva());
    const Finestra riletto(c.radici);
    EXPECT_EQ(riletto.record.Dati().TotalePartite, 4);
    EXPECT_EQ(riletto.record.Dati().LstAlbo[3].rfind("4)  Pietà - Mr. VELTO B", 0), 0u) << riletto.record.Dati().LstAlbo[3];
}

TEST(FileTemporanei, WhatAKilledRunLeftIsRemovedAtStartAndNothingElse) {
    Cartella c;
    c.Tre();
    for (const char* n : {"MVeAlbo.txt.tmp", "MVeClass.txt.tmp-4242", "MVeImpo.txt.tmp-1"}) test::ScriviByte(c.dati / n, "mezzo");
    for (const char* n : {"appunti.tmpx", "MVeAlbo.txt.tmp-x1", "MVeAlbo-danneggiato-20261206-184002.txt"})
        test::ScriviByte(c.dati / n, "mio");
    Finestra f(c.radici);
    EXPECT_TRUE(f.avvisi.Vuoto()) << Testo(f.avvisi);
    EXPECT_EQ(Nomi(c.dati), (std::vector<std::string>{".blocco-finestre", ".blocco-record", ".blocco-scrittura", "MVeAlbo-danneggiato-20261206-184002.txt",
                                                      "MVeAlbo.txt", "MVeAlbo.txt.tmp-x1", "MVeClass.txt", "MVePart.txt", "appunti.tmpx"}));
    ASSERT_TRUE(ScriviFileAtomico(c.dati / "MVeNome.txt", "\"Pietà\"\r\n"));
    EXPECT_FALSE(fs::exists(c.dati / "MVeNome.txt.tmp"));
}

// ---- Two windows on one folder.

TEST(DueFinestre, BothWindowsMatchesAreKeptInterleavedOrNot) {
    Cartella c;
    c.Tre();
    Avvisi avvisiA, avvisiB;
    RecordSuFile a(c.radici, avvisiA), b(c.radici, avvisiB);
    a.LeggiRecord({});
    b.LeggiRecord({});
    EXPECT_TRUE(avvisiA.Vuoto());
    EXPECT_FALSE(a.AltreFinestre());
    EXPECT_TRUE(b.AltreFinestre());
    EXPECT_NE(Testo(avvisiB).find("Mr. VELTO è già aperto in un'altra finestra"), std::string::npos);
    for (int i = 0; i < 5; ++i) {
        a.AggiornaClassifica(Esito("Alfa", Chi::H, i));
        a.SalvaRecord();
        b.AggiornaClassifica(Esito("Beta", i % 2 ? Chi::H : Chi::PC, i));
        if (i % 2) b.SalvaRecord();  // B saves every other match: its two pending are merged together
    }
    b.SalvaRecord();
    Finestra dopo(c.radici);
    const Record& r = dopo.record.Dati();
    ASSERT_EQ(r.TotalePartite, 13);
    int alfa = 0, beta = 0;
    for (int i = 0; i < 13; ++i) {
        const std::string& v = r.LstAlbo[static_cast<std::size_t>(i)];
        EXPECT_EQ(v.substr(0, v.find(')')), std::to_string(i + 1)) << v;  // numbered in order of saving
        alfa += v.find("Alfa") != std::string::npos;
        beta += v.find("Beta") != std::string::npos;
    }
    EXPECT_EQ(alfa, 5);
    EXPECT_EQ(beta, 5);
    EXPECT_EQ(test::PerLivello(r), 3 + 10);
    EXPECT_EQ(b.Dati(), r);  // the window shows what it saved, the other's matches included
}

TEST(DueFinestre, ProcessesSavingAtOnceLoseNothing) {
    Cartella c;
    constexpr int kProcessi = 4, kPartite = 15;
    std::vector<pid_t> figli;
    for (int n = 0; n < kProcessi; ++n) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            Finestra f(c.radici);
            bool ok = true;
            for (int i = 0; i < kPartite; ++i) {
                f.record.AggiornaClassifica(Esito("P" + std::to_string(n), Chi::H, i));
                ok = f.record.Salva() && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
        figli.push_back(pid);
    }
    for (pid_t pid : figli) {
        int stato = 0;
        ::waitpid(pid, &stato, 0);
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    }
    Finestra dopo(c.radici);
    EXPECT_TRUE(dopo.avvisi.Vuoto()) << Testo(dopo.avvisi);
    EXPECT_EQ(dopo.record.Dati().TotalePartite, kProcessi * kPartite);
    EXPECT_EQ(dopo.record.Dati().SconfittePCVariLivelli[2], kProcessi * kPartite);
}

}  // namespace
}  // namespace mrvelto
