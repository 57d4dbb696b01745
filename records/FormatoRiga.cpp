// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/FormatoRiga.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "records/Cp1252.h"

namespace mrvelto {

namespace {

constexpr std::string_view kFineRiga = "\r\n";
// Room for the quotes within a line.
constexpr std::size_t kMassimoTesto = kMassimoRiga - 2;

std::string_view SenzaSpazi(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string TestoSicuro(std::string_view utf8) {
    std::string pulito;
    pulito.reserve(utf8.size());
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"') pulito += "\u201D";
        else if (b < 0x20 || b == 0x7F) pulito += ' ';
        else pulito += c;
    }
    std::string byte = ACp1252(pulito);
    // C1 controls survive the code page (the undefined bytes): blank them too.
    for (char& c : byte) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) c = ' ';
    }
    if (byte.size() > kMassimoTesto) byte.resize(kMassimoTesto);
    return DaCp1252(byte);
}

void ScrittoreRighe::Testo(std::string_view utf8) {
    byte_ += '"';
    byte_ += ACp1252(TestoSicuro(utf8));
    byte_ += '"';
    byte_ += kFineRiga;
}

void ScrittoreRighe::Intero(long long n) {
    byte_ += std::to_string(n);
    byte_ += kFineRiga;
}

void ScrittoreRighe::Decimale(float x) {
    if (!std::isfinite(x)) x = 0.0f;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    byte_.append(buf, r.ptr);
    byte_ += kFineRiga;
}

void ScrittoreRighe::SiNo(bool b) {
    byte_ += b ? "#TRUE#" : "#FALSE#";
    byte_ += kFineRiga;
}

std::vector<std::string_view> DividiRighe(std::string_view byte) {
    std::vector<std::string_view> righe;
    while (!byte.empty()) {
        const auto fine = byte.find('\n');
        std::string_view riga = byte.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        righe.push_back(riga);
        if (fine == std::string_view::npos) break;
        byte.remove_prefix(fine + 1);
    }
    return righe;
}

ValoreRiga AnalizzaRiga(std::string_view riga) {
    ValoreRiga v;
    if (riga.size() > kMassimoRiga) return v;
    const std::string_view s = SenzaSpazi(riga);
    if (!s.empty() && s.front() == '"') {
        const auto chiusa = s.find('"', 1);
        // Nothing may follow the closing quote: a second value on the line is not our format.
        if (chiusa == std::string_view::npos || chiusa + 1 != s.size()) return v;
        v.tipo = ValoreRiga::Tipo::Testo;
        v.grezzo = std::string(s.substr(1, chiusa - 1));
        return v;
    }
    if (s.find_first_of("\",") != std::string_view::npos) return v;
    v.tipo = ValoreRiga::Tipo::Nudo;
    v.grezzo = std::string(s);
    return v;
}

std::optional<std::string> ComeTesto(const ValoreRiga& v) {
    if (v.tipo == ValoreRiga::Tipo::Errato) return std::nullopt;
    // What is read is what would be written: a control character in a foreign file is a blank.
    return TestoSicuro(DaCp1252(v.grezzo));
}

std::optional<long long> ComeIntero(const ValoreRiga& v) {
    if (v.tipo == ValoreRiga::Tipo::Errato) return std::nullopt;
    std::string_view s = SenzaSpazi(v.grezzo);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    long long n = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size()) return std::nullopt;
    return n;
}

std::optional<float> ComeDecimale(const ValoreRiga& v) {
    if (v.tipo == ValoreRiga::Tipo::Errato) return std::nullopt;
    std::string_view s = SenzaSpazi(v.grezzo);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    float x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x, std::chars_format::general);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(x)) return std::nullopt;
    return x;
}

std::optional<bool> ComeSiNo(const ValoreRiga& v) {
    if (v.tipo != ValoreRiga::Tipo::Nudo) return std::nullopt;
    if (v.grezzo == "#TRUE#") return true;
    if (v.grezzo == "#FALSE#") return false;
    return std::nullopt;
}

LettoreRighe::LettoreRighe(std::string_view byte) : righe_(DividiRighe(byte)) {}

std::optional<ValoreRiga> LettoreRighe::Prossimo() {
    if (prossima_ >= righe_.size()) {
        ++mancanti_;
        return std::nullopt;
    }
    ValoreRiga v = AnalizzaRiga(righe_[prossima_++]);
    if (v.tipo == ValoreRiga::Tipo::Errato) ++errate_;
    return v;
}

bool LettoreRighe::Testo(std::string& destinazione) {
    const auto v = Prossimo();
    if (!v || v->tipo == ValoreRiga::Tipo::Errato) return false;
    destinazione = *ComeTesto(*v);
    return true;
}

bool LettoreRighe::TestoVirgolettato(std::string& destinazione) {
    const auto v = Prossimo();
    if (!v || v->tipo == ValoreRiga::Tipo::Errato) return false;
    if (v->tipo != ValoreRiga::Tipo::Testo) {
        ++errate_;
        return false;
    }
    destinazione = *ComeTesto(*v);
    return true;
}

bool LettoreRighe::Intero(int& destinazione, int minimo, int massimo) {
    const auto v = Prossimo();
    if (!v || v->tipo == ValoreRiga::Tipo::Errato) return false;
    const auto n = ComeIntero(*v);
    if (!n || *n < minimo || *n > massimo) {
        ++errate_;
        return false;
    }
    destinazione = static_cast<int>(*n);
    return true;
}

bool LettoreRighe::Decimale(float& destinazione, float minimo, float massimo) {
    const auto v = Prossimo();
    if (!v || v->tipo == ValoreRiga::Tipo::Errato) return false;
    const auto x = ComeDecimale(*v);
    if (!x || *x < minimo || *x > massimo) {
        ++errate_;
        return false;
    }
    destinazione = *x;
    return true;
}

bool LettoreRighe::SiNo(bool& destinazione) {
    const auto v = Prossimo();
    if (!v || v->tipo == ValoreRiga::Tipo::Errato) return false;
    const auto b = ComeSiNo(*v);
    if (!b) {
        ++errate_;
        return false;
    }
    destinazione = *b;
    return true;
}

}  // namespace mrvelto
