// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Miscelatore.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

namespace mrvelto {

bool EMidi(const std::string& file) {
    if (file.size() < 4) return false;
    std::string ext = file.substr(file.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mid";
}

namespace {

constexpr int kCanaliPerVoce = 16;

// The player's events go to its own block of 16 channels. System messages would reach every
// channel of every player, so they are dropped.
int SmistaEvento(void* dati, fluid_midi_event_t* evento);

}  // namespace

struct Miscelatore::Midi {
    struct Voce {
        Miscelatore::Midi* midi = nullptr;
        int primoCanale = 0;
        fluid_player_t* player = nullptr;
        std::shared_ptr<const std::vector<std::uint8_t>> file;
        bool avviato = false;  // played since it was loaded: a rewind must reload it
    };

    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::array<Voce, kVociAudio> voci;
    std::map<std::string, std::shared_ptr<const std::vector<std::uint8_t>>> cache;
    std::vector<float> sinistro, destro;

    ~Midi() {
        for (Voce& v : voci)
            if (v.player) delete_fluid_player(v.player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }

    void Zittisci(Voce& v) {
        if (v.player) {
            delete_fluid_player(v.player);
            v.player = nullptr;
        }
        for (int c = v.primoCanale; c < v.primoCanale + kCanaliPerVoce; ++c) {
            fluid_synth_all_sounds_off(synth, c);
            fluid_synth_cc(synth, c, 121, 0);  // reset controllers for the next tune
            fluid_synth_program_change(synth, c, 0);
        }
        v.avviato = false;
    }

    void Carica(Voce& v) {
        Zittisci(v);
        if (!v.file) return;
        v.player = new_fluid_player(synth);
        if (!v.player) return;
        fluid_player_set_playback_callback(v.player, SmistaEvento, &v);
        if (fluid_player_add_mem(v.player, v.file->data(), v.file->size()) != FLUID_OK) {
            delete_fluid_player(v.player);
            v.player = nullptr;
        }
    }
};

namespace {

int SmistaEvento(void* dati, fluid_midi_event_t* evento) {
    auto* voce = static_cast<Miscelatore::Midi::Voce*>(dati);
    if (fluid_midi_event_get_type(evento) >= 0xF0) return FLUID_OK;
    const int canale = fluid_midi_event_get_channel(evento);
    // The track's event is replayed on a rewind: put its channel back afterwards.
    fluid_midi_event_set_channel(evento, voce->primoCanale + canale % kCanaliPerVoce);
    const int esito = fluid_synth_handle_midi_event(voce->midi->synth, evento);
    fluid_midi_event_set_channel(evento, canale);
    return esito;
}

void SilenziaLog(int, const char*, void*) {}

}  // namespace

Miscelatore::Miscelatore(std::filesystem::path soundfont, std::size_t tettoClip)
    : soundfont_(std::move(soundfont)), tettoClip_(tettoClip) {}

Miscelatore::~Miscelatore() = default;

bool Miscelatore::MidiDisponibile() const { return midi_ && midi_->synth; }

void Miscelatore::Prepara() {
    if (preparato_) return;
    preparato_ = true;
    // FluidSynth's own messages would go to stderr; what matters is reported once, by us.
    for (int livello : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(livello, SilenziaLog, nullptr);
    auto m = std::make_unique<Midi>();
    m->settings = new_fluid_settings();
    fluid_settings_setnum(m->settings, "synth.sample-rate", kFrequenzaAudio);
    fluid_settings_setint(m->settings, "synth.midi-channels", kCanaliPerVoce * kVociAudio);
    fluid_settings_setnum(m->settings, "synth.gain", kGuadagnoMidi);
    // A closed tune must fall silent at once, and the table's music needs no hall.
    fluid_settings_setint(m->settings, "synth.reverb.active", 0);
    fluid_settings_setint(m->settings, "synth.chorus.active", 0);
    fluid_settings_setint(m->settings, "synth.cpu-cores", 1);
    // Only the instruments the tunes use are read from the soundfont.
    fluid_settings_setint(m->settings, "synth.dynamic-sample-loading", 1);
    // Time follows the samples rendered, so a capture is exact; a new file must not reset the
    // other players' channels.
    fluid_settings_setstr(m->settings, "player.timing-source", "sample");
    fluid_settings_setint(m->settings, "player.reset-synth", 0);
    m->synth = new_fluid_synth(m->settings);
    if (!m->synth) {
        problema_ = "sintetizzatore MIDI non disponibile";
        return;
    }
    std::error_code errore;
    if (!std::filesystem::is_regular_file(soundfont_, errore) || fluid_synth_sfload(m->synth, soundfont_.c_str(), 1) == FLUID_FAILED) {
        problema_ = "soundfont non trovato (" + soundfont_.string() + "): musica muta";
        return;
    }
    for (int v = 0; v < kVociAudio; ++v) {
        m->voci[v].midi = m.get();
        m->voci[v].primoCanale = v * kCanaliPerVoce;
        // Every block of 16 keeps General MIDI's percussion on its tenth channel.
        fluid_synth_set_channel_type(m->synth, v * kCanaliPerVoce + 9, CHANNEL_TYPE_DRUM);
    }
    midi_ = std::move(m);
}

namespace {
std::size_t Byte(const std::shared_ptr<const ClipAudio>& clip) { return clip ? clip->campioni.size() * sizeof(std::int16_t) : 0; }
}  // namespace

std::shared_ptr<const ClipAudio> Miscelatore::Clip_(const std::string& file) {
    auto it = cache_.find(file);
    if (it != cache_.end()) {
        recenti_.splice(recenti_.begin(), recenti_, it->second.recente);
        return it->second.clip;
    }
    std::shared_ptr<const ClipAudio> clip;
    if (auto letta = LeggiWav(file)) clip = std::make_shared<const ClipAudio>(std::move(*letta));
    // A file that would not read is remembered too: it stays silent without being read again.
    recenti_.push_front(file);
    cache_.emplace(file, InCache{clip, recenti_.begin()});
    byteClip_ += Byte(clip);
    // A clip still sounding keeps its samples through the player's own pointer.
    while (byteClip_ > tettoClip_ && recenti_.size() > 1) {
        const auto vecchia = cache_.find(recenti_.back());
        byteClip_ -= Byte(vecchia->second.clip);
        cache_.erase(vecchia);
        recenti_.pop_back();
    }
    return clip;
}

void Miscelatore::Applica(const ComandoAudio& c) {
    Prepara();
    const int v = static_cast<int>(c.voce);
    // "Open" replaces whatever the player held, of either kind.
    if (c.tipo == TipoComando::Open) {
        wav_[v] = {};
        if (midi_) {
            midi_->Zittisci(midi_->voci[v]);
            midi_->voci[v].file.reset();
        }
        if (EMidi(c.file))
            ApplicaMidi(v, c);
        else
            ApplicaWav(v, c);
        return;
    }
    ApplicaWav(v, c);
    ApplicaMidi(v, c);
}

void Miscelatore::ApplicaWav(int v, const ComandoAudio& c) {
    StatoWav& s = wav_[v];
    switch (c.tipo) {
    case TipoComando::Open:
        s.clip = Clip_(c.file);
        s.posizione = 0;
        s.suona = false;
        // Mr. VELTO's comments; everything else on a clip player is a noise of the table.
        s.fonte = c.file.find("Commenti") != std::string::npos ? FonteAudio::Voce : FonteAudio::Rumori;
        s.guadagno = s.fonte == FonteAudio::Voce ? kGuadagnoVoce : kGuadagnoRumori;
        break;
    case TipoComando::Prev: s.posizione = 0; break;
    case TipoComando::Play: s.suona = s.clip != nullptr; break;
    case TipoComando::Close: s = {}; break;
    }
}

void Miscelatore::ApplicaMidi(int v, const ComandoAudio& c) {
    if (!midi_) return;
    Midi::Voce& voce = midi_->voci[v];
    switch (c.tipo) {
    case TipoComando::Open: {
        auto it = midi_->cache.find(c.file);
        if (it == midi_->cache.end()) {
            std::shared_ptr<const std::vector<std::uint8_t>> byte;
            std::ifstream in(c.file, std::ios::binary);
            if (in) byte = std::make_shared<const std::vector<std::uint8_t>>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            it = midi_->cache.emplace(c.file, byte).first;
        }
        voce.file = it->second;
        midi_->Carica(voce);
        break;
    }
    case TipoComando::Prev:
        if (voce.avviato) midi_->Carica(voce);
        break;
    case TipoComando::Play:
        if (voce.player && !voce.avviato) {
            fluid_player_play(voce.player);
            voce.avviato = true;
        }
        break;
    case TipoComando::Close:
        midi_->Zittisci(voce);
        voce.file.reset();
        break;
    }
}

void Miscelatore::Rendi(float* uscita, std::size_t fotogrammi) {
    Prepara();
    // FluidSynth adds into its buffers: they start from silence.
    std::fill(uscita, uscita + 2 * fotogrammi, 0.0f);
    if (midi_ && midi_->synth) fluid_synth_write_float(midi_->synth, static_cast<int>(fotogrammi), uscita, 0, 2, uscita, 1, 2);
    if (misura_) {
        contributi_[static_cast<int>(FonteAudio::Musica)].assign(uscita, uscita + 2 * fotogrammi);
        contributi_[static_cast<int>(FonteAudio::Voce)].assign(2 * fotogrammi, 0.0f);
        contributi_[static_cast<int>(FonteAudio::Rumori)].assign(2 * fotogrammi, 0.0f);
    }
    for (StatoWav& s : wav_) {
        if (!s.suona || !s.clip) continue;
        const std::size_t resto = s.clip->Fotogrammi() - std::min(s.posizione, s.clip->Fotogrammi());
        const std::size_t n = std::min(resto, fotogrammi);
        const ClipAudio& c = *s.clip;
        const float g = s.guadagno;
        for (std::size_t i = 0; i < n; ++i) {
            uscita[2 * i] += g * c.Sinistro(s.posizione + i);
            uscita[2 * i + 1] += g * c.Destro(s.posizione + i);
        }
        if (misura_) {
            float* d = contributi_[static_cast<int>(s.fonte)].data();
            for (std::size_t i = 0; i < n; ++i) {
                d[2 * i] += g * c.Sinistro(s.posizione + i);
                d[2 * i + 1] += g * c.Destro(s.posizione + i);
            }
        }
        s.posizione += n;
        if (s.posizione >= s.clip->Fotogrammi()) s.suona = false;
    }
    if (misura_) Misura(uscita, fotogrammi);
}

void Miscelatore::Misura(const float* uscita, std::size_t fotogrammi) {
    for (std::size_t i = 0; i < fotogrammi; ++i) {
        for (int f = 0; f < kFontiAudio; ++f) {
            const float l = contributi_[f][2 * i], r = contributi_[f][2 * i + 1];
            if (l != 0.0f || r != 0.0f) misura_->Aggiungi(static_cast<FonteAudio>(f), l, r);
        }
        misura_->Uscita(uscita[2 * i], uscita[2 * i + 1]);
        misura_->FineFotogramma();
    }
}

}  // namespace mrvelto
