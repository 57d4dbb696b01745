// SPDX-License-Identifier: GPL-3.0-or-later
// External opponents through the real protocol: the example bots of examples/bots play as the
// built-in opponents do, and every kind of failing bot ends the run with status 3, one line naming
// the game, the move and what came back, and no process left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include "sim/ComandoMatch.h"

namespace mrvelto::sim {
namespace {

using Json = nlohmann::json;

std::string Python() { return ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3"; }
std::string Bot(const char* nome) { return Python() + " '" MRVELTO_SORGENTI "/examples/bots/" + nome + "'"; }

// Gone, or a zombie waiting for init (were it a grandchild of ours).
bool Sparito(pid_t pid) {
    for (int i = 0; i < 1000; ++i) {
        if (::kill(pid, 0) != 0 && errno == ESRCH) return true;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string campo;
        for (int k = 0; k < 3 && stat >> campo; ++k) {
        }
        if (campo == "Z" || campo == "X") return true;
        ::usleep(10'000);
    }
    return false;
}

struct Esito {
    int stato = -1;
    std::string out, err;
};

Esito Match(std::vector<std::string> args) {
    std::ostringstream out, err;
    args.insert(args.begin(), {"--json"});
    Esito e;
    e.stato = ComandoMatch(args, out, err);
    e.out = out.str();
    e.err = err.str();
    return e;
}

Json Sommario(const Esito& e) {
    EXPECT_EQ(e.stato, 0) << e.err;
    return Json::parse(e.out);
}

// What must agree between two runs on the same seeds (not the speed).
Json Risultati(Json j) {
    for (const char* k : {"opponent", "games_per_second", "wall_seconds"}) j.erase(k);
    return j;
}

TEST(AvversarioEsterno, ThePythonBotsPlayAsTheBuiltInOpponents) {
    for (const char* paired : {"", "--paired"}) {
        for (auto [interno, bot] : {std::pair{"greedy", "goloso.py"}, std::pair{"random", "casuale.py"}}) {
            SCOPED_TRACE(std::string(interno) + " " + paired);
            std::vector<std::string> base = {"--games", "12", "--seed", "5"};
            if (*paired) base.push_back(paired);
            auto a = base, b = base;
            a.insert(a.end(), {"--opponent", interno});
            b.insert(b.end(), {"--opponent-cmd", Bot(bot)});
            const Json builtin = Sommario(Match(a));
            const Json esterno = Sommario(Match(b));
            EXPECT_EQ(esterno["opponent"], "external");
            EXPECT_EQ(esterno["games"], 12);
            EXPECT_EQ(Risultati(esterno), Risultati(builtin));
        }
    }
}

// Bots written for the test: shell scripts in a temporary folder, each writing its pid first.
class BotCattivo : public ::testing::Test {
protected:
    std::string Script(const std::string& nome, const std::string& corpo) {
        const std::string file = ::testing::TempDir() + std::to_string(::getpid()) + "_bot_" + nome + ".sh";
        std::ofstream(file) << "echo $$ > '" << Pid(nome) << "'\n" << corpo << "\n";
        return "exec sh '" + file + "'";
    }
    std::string Pid(const std::string& nome) { return ::testing::TempDir() + std::to_string(::getpid()) + "_bot_" + nome + ".pid"; }
    // The run failed as documented: status 3, one line, the game and move named; the bot is gone.
    void Fallito(const Esito& e, const std::string& nome, const std::string& atteso) {
        SCOPED_TRACE(e.err);
        EXPECT_EQ(e.stato, 3);
        EXPECT_TRUE(e.out.empty());
        ASSERT_FALSE(e.err.empty());
        EXPECT_EQ(e.err.find('\n'), e.err.size() - 1) << "one line";
        EXPECT_EQ(e.err.rfind("mrvelto-sim match: avversario esterno: gioco ", 0), 0u);
        EXPECT_NE(e.err.find(atteso), std::string::npos);
        std::ifstream in(Pid(nome));
        pid_t pid = 0;
        ASSERT_TRUE(in >> pid);
        EXPECT_TRUE(Sparito(pid)) << "bot " << pid << " still there";
    }
    // Answers every move with `risposta`, from move `da` on; the first card of the hand before.
    std::string Rispondi(const std::string& nome, const std::string& risposta, int da = 1) {
        return Script(nome, "n=0\nwhile read -r l; do case \"$l\" in *'\"type\":\"move\"'*) n=$((n+1))\n"
                            "  if [ $n -ge " + std::to_string(da) + " ]; then echo '" + risposta + "'; else echo 4; fi;; esac; done");
    }
};

// Every kind of bad answer ends the run with its own reason; paired runs fail the same way.
TEST_F(BotCattivo, EveryBadAnswerEndsTheRunWithItsReason) {
    // Slot 4 is always filled before the last tricks: the first moves pass, then a foreign card.
    Fallito(Match({"--games", "3", "--opponent-cmd", Rispondi("illegale", R"({"card": "Zz"})", 3)}), "illegale",
            "gioco 1, mossa 3 (presa 3): risposta non ammessa: \"Zz\" non è il codice di una carta");
    Fallito(Match({"--games", "3", "--opponent-cmd", Rispondi("slot", "7")}), "slot",
            "gioco 1, mossa 1 (presa 1): risposta non ammessa: lo slot 7 non è uno slot della mano (4..6); ricevuto: 7");
    Fallito(Match({"--games", "3", "--opponent-cmd", Rispondi("malformato", R"({"card": "Ad")", 2)}), "malformato",
            R"(gioco 1, mossa 2 (presa 2): risposta malformata: non è JSON; ricevuto: {"card": "Ad")");
    // Reads the start line and two moves, answers one, then dies.
    Fallito(Match({"--games", "3", "--opponent-cmd", Script("crash", "read a; read b; echo 4; read c; printf half; kill -SEGV $$")}),
            "crash", "gioco 1, mossa 2 (presa 2): l'avversario è stato ucciso dal segnale 11 (SIGSEGV) prima di rispondere; ricevuto: half");
    Fallito(Match({"--games", "3", "--opponent-cmd", Script("esce", "read a; read b; exit 4")}), "esce",
            "gioco 1, mossa 1 (presa 1): l'avversario è uscito con stato 4 prima di rispondere; ricevuto: niente");
    Fallito(Match({"--games", "3", "--opponent-timeout-ms", "300", "--opponent-cmd", Script("muto", "while read -r l; do :; done")}),
            "muto", "gioco 1, mossa 1 (presa 1): nessuna risposta entro 300 ms; ricevuto: niente");
    // Both lines in one write: the second is waiting when the next question comes.
    Fallito(Match({"--games", "3", "--opponent-cmd",
                   Script("chiacchierone", "while read -r l; do case \"$l\" in *'\"type\":\"move\"'*) printf '4\\nextra\\n';; esac; done")}),
            "chiacchierone", "gioco 1, mossa 2 (presa 2): una riga inviata prima della domanda (le righe di inizio e di fine non vogliono risposta); ricevuto: extra");
    // The computer's seat of the second game: slots 1..3, so slot 4 is refused there.
    Fallito(Match({"--games", "4", "--paired", "--opponent-cmd", Rispondi("appaiato", "4")}), "appaiato",
            "gioco 2, mossa 1 (presa 1): risposta non ammessa: lo slot 4 non è uno slot della mano (1..3)");
}

// The real binary: exit status 3 and the line on its standard error.
TEST_F(BotCattivo, TheBinaryExitsWithStatus3) {
    const std::string errori = ::testing::TempDir() + std::to_string(::getpid()) + "_sim.err";
    const std::string comando = std::string("'") + MRVELTO_SIM + "' match --games 2 --opponent-timeout-ms 300 --opponent-cmd \"" +
                                Script("binario", "while read -r l; do :; done") + "\" > /dev/null 2> '" + errori + "'";
    const int stato = std::system(comando.c_str());
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 3);
    std::ifstream in(errori);
    std::string riga, altra;
    ASSERT_TRUE(std::getline(in, riga));
    EXPECT_FALSE(std::getline(in, altra));
    EXPECT_EQ(riga, "mrvelto-sim match: avversario esterno: gioco 1, mossa 1 (presa 1): nessuna risposta entro 300 ms; ricevuto: niente");
}

// A program that does not exit when its input closes is given the timeout, then killed with
// whatever it started; a helper that leaves the bot's process group ends with the run all the
// same, be the run a success or a failure.
TEST_F(BotCattivo, WhatTheBotLeavesBehindEndsWithTheRun) {
    struct Caso {
        const char* nome;
        std::string corpo;
        int stato;
    };
    // The helper marks its natural end: a run that waits for it instead of ending it leaves the mark.
    const auto evaso = [&](const char* nome, const std::string& bot) {
        return "setsid sh -c 'sleep 20; touch \"" + Pid(nome) + ".fine\"' & echo $! > '" + Pid(nome) + "'; exec " + bot;
    };
    const Caso casi[] = {{"tardivo", Bot("goloso.py") + "; exec sleep 60", 0},
                         {"evaso", evaso("evaso", Bot("goloso.py")), 0},
                         {"evaso_cattivo", evaso("evaso_cattivo", "sh -c 'read -r l; read -r l; echo 9'"), 3}};
    for (const Caso& c : casi) {
        std::remove((Pid(c.nome) + ".fine").c_str());
        const Esito e = Match({"--games", "2", "--opponent-timeout-ms", "300", "--opponent-cmd", Script(c.nome, c.corpo)});
        EXPECT_EQ(e.stato, c.stato) << c.nome << ": " << e.err;
        std::ifstream in(Pid(c.nome));  // the bot's pid, or the helper's written over it
        pid_t pid = 0;
        ASSERT_TRUE(in >> pid) << c.nome;
        EXPECT_TRUE(Sparito(pid)) << c.nome << " " << pid << " outlived the run";
        EXPECT_FALSE(std::ifstream(Pid(c.nome) + ".fine")) << c.nome << ": the run waited for its helper to end";
    }
}

// Stopped from outside (Ctrl-C, kill, a closed terminal), the simulator takes the bot's whole
// tree with it, helpers in sessions of their own included, and ends with the signal.
TEST_F(BotCattivo, ASignalToTheSimulatorEndsTheBotsTreeFirst) {
    for (const int segnale : {SIGINT, SIGTERM, SIGHUP}) {
        const std::string nome = "segnale" + std::to_string(segnale), sonno = Pid(nome) + ".sonno";
        std::remove(Pid(nome).c_str());
        std::remove(sonno.c_str());
        const std::string bot = Script(nome, "setsid sleep 77 & echo $! > '" + sonno + ".tmp'; mv '" + sonno + ".tmp' '" + sonno +
                                                 "'; exec " + Bot("goloso.py"));
        const pid_t sim = ::fork();
        if (sim == 0) {
            ::execl(MRVELTO_SIM, MRVELTO_SIM, "match", "--games", "100000000", "--opponent-cmd", bot.c_str(), nullptr);
            ::_exit(127);
        }
        // Until the bot has started its helper (the simulator is running its games by then).
        pid_t helper = 0;
        for (int i = 0; i < 3000 && !helper; ++i) {
            std::ifstream in(sonno);
            if (!(in >> helper)) ::usleep(10'000);
        }
        ASSERT_NE(helper, 0) << "the bot never started";
        std::ifstream in(Pid(nome));
        pid_t pidBot = 0;
        ASSERT_TRUE(in >> pidBot);
        ::kill(sim, segnale);
        int stato = 0;
        ASSERT_EQ(::waitpid(sim, &stato, 0), sim);
        EXPECT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == segnale) << stato;
        EXPECT_TRUE(Sparito(pidBot)) << "bot " << pidBot << " outlived the simulator";
        EXPECT_TRUE(Sparito(helper)) << "setsid sleep " << helper << " outlived the simulator";
    }
}

TEST(AvversarioEsterno, TheBotHearsEveryGameStartAndEnd) {
    // A transcript of what the greedy bot is sent: a start line and an end line per game, the moves
    // in between, numbered; end scores add up to what the summary reports.
    const std::string trascrizione = ::testing::TempDir() + std::to_string(::getpid()) + "_trascrizione.jsonl";
    std::remove(trascrizione.c_str());
    const Json j = Sommario(Match({"--games", "6", "--seed", "9", "--option", "16=Al meglio di 3 Giochi", "--opponent-cmd",
                                   "tee '" + trascrizione + "' | " + Bot("goloso.py")}));
    std::ifstream in(trascrizione);
    std::string riga;
    int inizi = 0, fini = 0, mossa = 0, puntiMiei = 0;
    std::uint64_t partita = 0;
    bool aperto = false;
    while (std::getline(in, riga)) {
        const Json m = Json::parse(riga);
        if (m["type"] == "start") {
            EXPECT_FALSE(aperto);
            aperto = true;
            ++inizi;
            mossa = 0;
            EXPECT_EQ(m["protocol"], 1);
            EXPECT_EQ(m["game"], inizi);
            EXPECT_EQ(m["seat"], "H");
            EXPECT_EQ(m["rules"]["Conclusione della Partita:"], "Al meglio di 3 Giochi");
            if (m["game_in_match"] == 1) ++partita;
            EXPECT_EQ(m["match"], partita);
        } else if (m["type"] == "move") {
            EXPECT_TRUE(aperto);
            EXPECT_EQ(m["move"], ++mossa);
            EXPECT_EQ(m["game"], inizi);
        } else {
            ASSERT_EQ(m["type"], "end");
            EXPECT_TRUE(aperto);
            aperto = false;
            ++fini;
            EXPECT_EQ(m["game"], inizi);
            EXPECT_EQ(m["match"], partita);
            puntiMiei += m["points"]["you"].get<int>();
            EXPECT_GE(m["played"].size(), 22u);  // at least 11 tricks
        }
    }
    EXPECT_EQ(inizi, 6);
    EXPECT_EQ(fini, 6);
    EXPECT_GE(partita, 2u);  // best of 3: six games span at least two matches
    EXPECT_DOUBLE_EQ(j["avg_points_h"].get<double>(), puntiMiei / 6.0);
}

}  // namespace
}  // namespace mrvelto::sim
