// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A child program spoken to by lines: its standard input and output are pipes, its standard error
// is ours. Every read and write has a deadline (poll), so a silent or stuck child never hangs us;
// the child runs in its own process group, and its end kills that group and reaps the child. We
// are a subreaper (prctl), so what leaves the group (setsid) and is orphaned comes back to us and
// is killed and reaped too: nothing the child started outlives it. Linux only.
#include <sys/types.h>

#include <string>
#include <string_view>

namespace mrvelto::sim {

class ProcessoFiglio {
public:
    enum class Esito {
        Ok,
        Scaduto,     // nothing complete within the deadline
        Chiuso,      // the child closed its end (it exited, most likely)
        TroppoLunga  // a line longer than kLimiteRiga
    };
    static constexpr std::size_t kLimiteRiga = 1 << 20;

    // Runs `/bin/sh -c comando`. Throws std::runtime_error when the shell cannot be started
    // (a command that does not exist makes the shell exit with 127 instead: see ComeETerminato).
    explicit ProcessoFiglio(const std::string& comando);
    ~ProcessoFiglio();
    ProcessoFiglio(const ProcessoFiglio&) = delete;
    ProcessoFiglio& operator=(const ProcessoFiglio&) = delete;

    // Writes `riga` and a newline.
    Esito ScriviRiga(std::string_view riga, int millisecondi);
    // Reads up to the next newline (not included in `riga`).
    Esito LeggiRiga(std::string& riga, int millisecondi);
    // Received bytes that do not end a line yet (what a child that timed out had begun to say).
    const std::string& Parziale() const { return buffer_; }
    // True when a line, or the end of the output, is already waiting to be read.
    bool CiSonoDatiInAttesa();

    // How the child ended: "exited with status 1", "was killed by signal 11 (SIGSEGV)"; after
    // `attesa` ms without an exit it is killed and the text says so.
    std::string ComeETerminato(int attesa);
    // Closes its input (the polite end), waits up to `attesa` ms for it to exit, then kills its
    // process group; always reaps the child. Idempotent.
    void Chiudi(int attesa);
    // Kills the process group at once and reaps the child. Idempotent.
    void Uccidi();

    pid_t Pid() const { return pid_; }
    bool Terminato() const { return raccolto_; }

private:
    bool Raccogli(int attesa);  // waitpid within `attesa` ms; true when reaped
    void Raccolto();            // the child is reaped: now the rest of its tree
    pid_t pid_ = -1;
    int ingresso_ = -1;  // our end of its stdin
    int uscita_ = -1;    // our end of its stdout
    bool raccolto_ = false;
    int stato_ = 0;      // waitpid status once reaped
    bool uccisoDaNoi_ = false;
    std::string buffer_;
};

// Makes SIGINT, SIGTERM and SIGHUP end every child's whole tree before the program ends, then end
// the program with that signal. To be called first thing in main, before any thread starts.
void FineAlSegnale();

}  // namespace mrvelto::sim
