// Writes the game's ten sound samples (44.1 kHz, 16-bit mono WAV) into the folder named on the
// command line: footsteps on stone and in water, a whoosh, a hit, a stone thud, a metal clank, a
// chime and a door with its room.
#include "game/sound/generate/synth.h"

#include <sndfile.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using namespace synth;
constexpr int RATE = 44100;

Buffer render(double seconds, const std::function<double(double)>& voice) {
    Buffer b(size_t(seconds * RATE));
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = float(voice(double(i) / RATE));
    return b;
}

// A footstep on stone: the heel's click and thump, then the sole's softer scuff.
Buffer stone_step(uint32_t seed, double pitch, double scuff_at) {
    Noise noise(seed);
    Svf heel, scuff;
    return render(0.26, [&, pitch, scuff_at](double t) {
        float n = noise.next();
        heel.step(n, 2300 * pitch, 1.4, RATE);
        scuff.step(n, 1500 * pitch, 0.8, RATE);
        double v = 0.9 * heel.band * ad_env(t, 0.0008, 0.011) +
                   0.7 * std::sin(2 * PI * 105 * pitch * t) * ad_env(t, 0.001, 0.028);
        if (t > scuff_at) v += 0.35 * scuff.band * ad_env(t - scuff_at, 0.006, 0.03);
        return v;
    });
}

// A step into shallow water: a slosh, a rising splash and a few bubbles.
Buffer water_step(uint32_t seed, double pitch) {
    Noise noise(seed);
    Svf slosh, splash;
    double bubble_at[4], bubble_f[4];
    for (int i = 0; i < 4; ++i) {
        bubble_at[i] = 0.03 + 0.035 * i + 0.01 * noise.next();
        bubble_f[i] = (700 + 250 * i + 150 * noise.next()) * pitch;
    }
    return render(0.45, [&](double t) {
        float n = noise.next();
        slosh.step(n, 450 * pitch, 0.9, RATE);
        splash.step(n, (900 + 2600 * std::min(1.0, t / 0.08)) * pitch, 1.6, RATE);
        double v =
            0.9 * slosh.low * ad_env(t, 0.01, 0.09) + 0.5 * splash.band * ad_env(t, 0.004, 0.06);
        for (int i = 0; i < 4; ++i) {
            double u = t - bubble_at[i];
            if (u < 0) continue;
            double f = bubble_f[i] * (1 + 1.5 * u / 0.03); // bubbles rise in pitch as they close
            v += 0.18 * std::sin(2 * PI * f * u) * ad_env(u, 0.001, 0.012);
        }
        return v;
    });
}

Buffer whoosh() {
    Noise noise(3);
    Svf f1, f2;
    return render(0.42, [&](double t) {
        double x = t / 0.42;
        double centre = 350 + 2200 * std::sin(PI * std::pow(x, 0.8)); // up and away: a blade's arc
        float n = noise.next();
        f1.step(n, centre, 2.2, RATE);
        f2.step(f1.band, centre * 1.1, 2.2, RATE);
        double env = std::pow(std::sin(PI * std::pow(x, 0.7)), 2);
        return f2.band * env;
    });
}

Buffer hit() {
    Noise noise(5);
    Svf crack, body;
    double phase = 0;
    return render(0.38, [&](double t) {
        float n = noise.next();
        crack.step(n, 3500, 0.8, RATE);
        body.step(n, 850, 1.3, RATE);
        phase += 2 * PI * (55 + 120 * std::exp(-t / 0.025)) / RATE;
        return 0.9 * std::sin(phase) * ad_env(t, 0.001, 0.07) +
               0.5 * crack.high * ad_env(t, 0.0005, 0.012) +
               0.6 * body.band * ad_env(t, 0.002, 0.05);
    });
}

// The hero takes damage: a dull, heavy stone thud.
Buffer stone_thud() {
    Noise noise(9);
    Svf dust, grit;
    double phase = 0;
    return render(0.55, [&](double t) {
        float n = noise.next();
        dust.step(n, 500, 0.7, RATE);
        grit.step(n, 1800, 1.0, RATE);
        phase += 2 * PI * (42 + 60 * std::exp(-t / 0.04)) / RATE;
        return std::sin(phase) * ad_env(t, 0.002, 0.13) + 0.8 * dust.low * ad_env(t, 0.002, 0.06) +
               0.2 * grit.band * ad_env(t, 0.001, 0.02);
    });
}

// A blade glancing off metal: a bright scrape, then inharmonic partials that ring and beat
// briefly, damped by the hand that holds the blade.
Buffer metal_clank() {
    Noise noise(13);
    Svf click, scrape;
    const double freq[6] = {612, 1393, 1401, 2210, 3487, 4951};
    const double amp[6] = {0.5, 0.8, 0.5, 0.5, 0.35, 0.2};
    const double tau[6] = {0.16, 0.13, 0.14, 0.09, 0.06, 0.04};
    return render(0.9, [&](double t) {
        float n = noise.next();
        click.step(n, 5000, 0.7, RATE);
        scrape.step(n, 3200, 3.0, RATE);
        double v = 0.6 * click.high * ad_env(t, 0.0003, 0.004) +
                   0.3 * scrape.band * ad_env(t, 0.002, 0.03);
        for (int k = 0; k < 6; ++k)
            v += amp[k] * std::sin(2 * PI * freq[k] * t + k) * ad_env(t, 0.0005, tau[k]);
        return v;
    });
}

// A short two-note chime for a message: a fourth up, soft bell partials.
Buffer chime() {
    auto bell = [](double t, double f) {
        if (t < 0) return 0.0;
        return std::sin(2 * PI * f * t) * ad_env(t, 0.003, 0.45) +
               0.3 * std::sin(2 * PI * f * 2.0 * t) * ad_env(t, 0.002, 0.2) +
               0.15 * std::sin(2 * PI * f * 3.01 * t) * ad_env(t, 0.001, 0.1);
    };
    Buffer dry = render(
        2.6, [&](double t) { return 0.8 * bell(t, midi_hz(81)) + bell(t - 0.11, midi_hz(86)); });
    Buffer wet = reverb(dry, RATE, 0.7, 0.25, 0.4);
    wet.resize(size_t(1.6 * RATE)); // the bells are 50 dB down by here; fade the rest out
    for (size_t i = 0; i < wet.size(); ++i)
        wet[i] *= float(std::min(1.0, double(wet.size() - i) / (0.3 * RATE)));
    return wet;
}

// The lever opens a wooden door: creaking hinges, the swing, a thud against the wall, and the
// dungeon's long echo around all of it.
Buffer door() {
    Noise noise(17);
    Svf body1, body2, thud;
    double creak_phase = 0, swing_phase = 0;
    const int SLIP = 40; // samples: about a millisecond
    int slip_age = SLIP;
    Buffer dry = render(2.3, [&](double t) {
        float n = noise.next();
        double v = 0;
        if (t < 1.25) {
            // Creak: a stick-slip pulse train whose rate wanders, through the wood's resonances.
            double rate = 55 + 30 * std::sin(2 * PI * 1.7 * t) + 12 * std::sin(2 * PI * 5.3 * t);
            creak_phase += rate / RATE;
            // Each slip is a short raised-cosine push, not a click, so only the wood rings.
            if (creak_phase >= 1) creak_phase -= 1, slip_age = 0;
            double pulse = slip_age < SLIP ? 0.5 - 0.5 * std::cos(2 * PI * slip_age / SLIP) : 0.0;
            ++slip_age;
            body1.step(float(pulse + 0.02 * n), 620, 12, RATE);
            body2.step(float(pulse), 1450, 9, RATE);
            double env = std::min(1.0, t / 0.08) * std::min(1.0, (1.25 - t) / 0.15) *
                         (0.6 + 0.4 * std::sin(2 * PI * 0.9 * t));
            v += (0.9 * body1.band + 0.5 * body2.band) * env;
        }
        if (t > 1.3) {
            double u = t - 1.3;
            thud.step(n, 380, 0.8, RATE);
            swing_phase += 2 * PI * (48 + 50 * std::exp(-u / 0.03)) / RATE;
            v += 1.6 * std::sin(swing_phase) * ad_env(u, 0.002, 0.12) +
                 1.2 * thud.low * ad_env(u, 0.001, 0.05);
        }
        return v;
    });
    Buffer wet = reverb(dry, RATE, 1.6, 0.55, 1.8);
    for (size_t i = 0; i < wet.size(); ++i)
        wet[i] *= float(std::min(1.0, (wet.size() - i) / (0.5 * RATE)));
    return wet;
}

bool save(const std::string& path, Buffer b, double peak) {
    normalise(b, peak, 0.002, RATE);
    SF_INFO info{};
    info.samplerate = RATE;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    sf_command(f, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    bool ok = sf_writef_float(f, b.data(), sf_count_t(b.size())) == sf_count_t(b.size());
    sf_close(f);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_samples OUTPUT_DIR\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    // Peaks set the relative loudness: steps quiet, the chime and door clear, hits firm.
    bool ok = save(dir + "snd_ston.wav", stone_thud(), 0.85) &&
              save(dir + "schritte_l.wav", stone_step(21, 1.0, 0.045), 0.45) &&
              save(dir + "schritte_r.wav", stone_step(22, 0.93, 0.038), 0.45) &&
              save(dir + "whoosh.wav", whoosh(), 0.7) && save(dir + "hit.wav", hit(), 0.85) &&
              save(dir + "water_schritte_l.wav", water_step(31, 1.0), 0.5) &&
              save(dir + "water_schritte_r.wav", water_step(32, 0.9), 0.5) &&
              save(dir + "Message.wav", chime(), 0.6) &&
              save(dir + "snd_klirr.wav", metal_clank(), 0.7) &&
              save(dir + "snd_door_reverb.wav", door(), 0.8);
    if (!ok) std::fprintf(stderr, "gen_samples: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
