// SPDX-License-Identifier: GPL-3.0-or-later
// The child process: lines both ways, deadlines, how it ended, and nothing left running after us.
#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>
#include <unistd.h>

#include "sim/ProcessoFiglio.h"

namespace mrvelto::sim {
namespace {

using Esito = ProcessoFiglio::Esito;

// Alive and not a zombie (a killed grandchild waits for init to reap it).
bool Vivo(pid_t pid) {
    if (::kill(pid, 0) != 0 && errno == ESRCH) return false;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string campo;
    for (int i = 0; i < 3 && stat >> campo; ++i) {
    }
    return campo != "Z" && campo != "X";
}

// A process that is not our child cannot be reaped by us: give init a moment to do it.
bool SparisceEntro(pid_t pid, std::chrono::seconds limite) {
    const auto fine = std::chrono::steady_clock::now() + limite;
    while (Vivo(pid)) {
        if (std::chrono::steady_clock::now() > fine) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(ProcessoFiglio, ExchangesLines) {
    ProcessoFiglio p("cat");
    std::string riga;
    ASSERT_EQ(p.ScriviRiga(R"({"type":"move"})", 5000), Esito::Ok);
    ASSERT_EQ(p.LeggiRiga(riga, 5000), Esito::Ok);
    EXPECT_EQ(riga, R"({"type":"move"})");
    // A line longer than one read, and CRLF endings (cat echoes as it reads: stay under the pipe's
    // 64 KiB, or both sides would wait on each other).
    const std::string lunga(40'000, 'x');
    ASSERT_EQ(p.ScriviRiga(lunga + "\r", 5000), Esito::Ok);
    ASSERT_EQ(p.LeggiRiga(riga, 5000), Esito::Ok);
    EXPECT_EQ(riga, lunga);
    EXPECT_FALSE(p.CiSonoDatiInAttesa());
    const pid_t pid = p.Pid();
    p.Chiudi(5000);  // cat exits on the end of its input
    EXPECT_TRUE(p.Terminato());
    EXPECT_FALSE(Vivo(pid));
}

TEST(ProcessoFiglio, ASilentChildTimesOutWithWhatItBeganToSayAnEndlessOneIsRefused) {
    ProcessoFiglio p("printf 'half a li'; exec sleep 60");
    std::string riga;
    EXPECT_EQ(p.LeggiRiga(riga, 300), Esito::Scaduto);
    EXPECT_EQ(p.Parziale(), "half a li");
    const pid_t pid = p.Pid();
    p.Chiudi(100);  // sleep ignores the end of its input: killed
    EXPECT_FALSE(Vivo(pid));
    // A line without end is refused past the limit.
    ProcessoFiglio lunga("head -c 1100000 /dev/zero | tr '\\0' x; exec sleep 60");
    EXPECT_EQ(lunga.LeggiRiga(riga, 10000), Esito::TroppoLunga);
}

TEST(ProcessoFiglio, TellsHowTheChildEnded) {
    {
        ProcessoFiglio p("read l; echo bye; exit 7");
        std::string riga;
        ASSERT_EQ(p.ScriviRiga("hello", 5000), Esito::Ok);
        ASSERT_EQ(p.LeggiRiga(riga, 5000), Esito::Ok);
        EXPECT_EQ(p.LeggiRiga(riga, 5000), Esito::Chiuso);
        EXPECT_EQ(p.ComeETerminato(5000), "è uscito con stato 7");
        // Writing to it now fails instead of killing us with SIGPIPE.
        EXPECT_EQ(p.ScriviRiga("anyone?", 1000), Esito::Chiuso);
    }
    for (const auto& [comando, fine] : std::vector<std::pair<const char*, const char*>>{
             {"kill -SEGV $$", "è stato ucciso dal segnale 11 (SIGSEGV)"},
             {"sh -c 'kill -SEGV $$' 2>/dev/null; exit $?", "è uscito con stato 139 (un comando ucciso da SIGSEGV)"},
             {"no-such-command-anywhere 2>/dev/null", "è uscito con stato 127"}}) {
        ProcessoFiglio p(comando);
        std::string riga;
        EXPECT_EQ(p.LeggiRiga(riga, 5000), Esito::Chiuso) << comando;
        EXPECT_EQ(p.ComeETerminato(5000), fine);
    }
}

TEST(ProcessoFiglio, KillsWhatTheChildStartedToo) {
    const std::string file = ::testing::TempDir() + std::to_string(::getpid()) + "_nipote.pid";
    std::remove(file.c_str());
    pid_t figlio = 0;
    {
        ProcessoFiglio p("sleep 60 & echo $! > '" + file + "'; echo ready; wait");
        std::string riga;
        ASSERT_EQ(p.LeggiRiga(riga, 5000), Esito::Ok);
        figlio = p.Pid();
    }  // destroyed without a word: the whole group goes
    std::ifstream in(file);
    pid_t nipote = 0;
    ASSERT_TRUE(in >> nipote);
    EXPECT_FALSE(Vivo(figlio));
    EXPECT_TRUE(SparisceEntro(nipote, std::chrono::seconds(10)));
}

// What leaves the group (setsid), and what that starts in turn, goes too, whether the child is
// killed or ends by itself; and a second child still running is left alone.
TEST(ProcessoFiglio, KillsWhatLeftTheGroupToo) {
    const std::string base = ::testing::TempDir() + std::to_string(::getpid()) + "_fuggiasco";
    for (const bool educato : {false, true}) {
        SCOPED_TRACE(educato ? "the child exits" : "the child is killed");
        std::remove((base + "1").c_str());
        std::remove((base + "2").c_str());
        ProcessoFiglio altro("cat");
        {
            ProcessoFiglio p("setsid sleep 77 & echo $! > '" + base + "1'; setsid sh -c 'sleep 78 & echo $! > \"" + base +
                             "2\"; wait' & sleep 0.2; echo ready; read -r x");
            std::string riga;
            ASSERT_EQ(p.LeggiRiga(riga, 5000), Esito::Ok);
            if (educato) p.Chiudi(5000);
        }
        for (const char* n : {"1", "2"}) {
            std::ifstream in(base + n);
            pid_t fuggiasco = 0;
            ASSERT_TRUE(in >> fuggiasco) << n;
            EXPECT_FALSE(Vivo(fuggiasco)) << n;  // gone at once and reaped: it was ours
        }
        std::string eco;
        ASSERT_EQ(altro.ScriviRiga("ancora qui", 1000), Esito::Ok);
        ASSERT_EQ(altro.LeggiRiga(eco, 5000), Esito::Ok);
        EXPECT_EQ(eco, "ancora qui");
    }
}

}  // namespace
}  // namespace mrvelto::sim
