// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line format of every data file: one value per line, ended by CR LF; a text in double quotes,
// a whole or decimal number bare (point as separator), a yes/no value as #TRUE# or #FALSE#; texts
// in Windows-1252. Readers also take LF alone and a last line without its end.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mrvelto {

// A line longer than this is not a value the game writes: it is refused.
inline constexpr std::size_t kMassimoRiga = 4096;

// Makes a text fit in a quoted value: a double quote becomes the closing typographic quote (the
// code page holds it, so the text still reads the same), control characters (line ends, tabs)
// become blanks, characters outside Windows-1252 become "?", and the text is cut to fit a line.
std::string TestoSicuro(std::string_view utf8);

class ScrittoreRighe {
public:
    void Testo(std::string_view utf8);  // through TestoSicuro
    void Intero(long long n);
    void Decimale(float x);             // shortest form that reads back the same, e.g. 1234.5
    void SiNo(bool b);
    const std::string& Byte() const { return byte_; }

private:
    std::string byte_;
};

struct ValoreRiga {
    enum class Tipo { Testo, Nudo, Errato };
    Tipo tipo = Tipo::Errato;
    std::string grezzo;  // Windows-1252 bytes, quotes removed / blanks trimmed
};

// Splits `byte` into lines (CR LF or LF; a last line without its end counts, an empty tail does not).
std::vector<std::string_view> DividiRighe(std::string_view byte);
// One line as a value: "text" (blanks around allowed), or a bare token without quotes or commas.
ValoreRiga AnalizzaRiga(std::string_view riga);

std::optional<std::string> ComeTesto(const ValoreRiga& v);     // UTF-8 through TestoSicuro; a bare token counts as text
std::optional<long long> ComeIntero(const ValoreRiga& v);      // bare or quoted decimal digits
std::optional<float> ComeDecimale(const ValoreRiga& v);        // bare or quoted, finite
std::optional<bool> ComeSiNo(const ValoreRiga& v);             // #TRUE# / #FALSE#

// Reads the values of a file in order. Each call takes the next line; when the line is missing or
// does not convert, the target keeps its value and the reader remembers it, so that the caller
// keeps the initial value for what was not read and says so once.
class LettoreRighe {
public:
    explicit LettoreRighe(std::string_view byte);

    bool Testo(std::string& destinazione);
    // The records files' texts: the game quotes each one, so a bare word is some other file's line.
    bool TestoVirgolettato(std::string& destinazione);
    bool Intero(int& destinazione, int minimo, int massimo);
    bool Decimale(float& destinazione, float minimo, float massimo);
    bool SiNo(bool& destinazione);
    // The next raw value, for readers with their own rules; nullopt past the end (counted as short).
    std::optional<ValoreRiga> Prossimo();
    // Marks the value just taken as not acceptable (a text outside its choices and the like).
    void Scarta() { ++errate_; }

    std::size_t RigheTotali() const { return righe_.size(); }
    std::size_t Posizione() const { return prossima_; }
    bool Corto() const { return mancanti_ > 0; }
    int Errate() const { return errate_; }
    bool RigheInPiu() const { return prossima_ < righe_.size(); }
    // Everything read, nothing missing, malformed or left over.
    bool Integro() const { return !Corto() && errate_ == 0 && !RigheInPiu(); }

private:
    std::vector<std::string_view> righe_;
    std::size_t prossima_ = 0;
    int mancanti_ = 0;
    int errate_ = 0;
};

}  // namespace mrvelto
