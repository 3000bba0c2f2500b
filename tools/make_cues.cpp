// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Writes the two built-in sound cues as 16-bit PCM mono wave files at 44.1 kHz:
//   pinpon.wav     a two-tone chime, high then low (E6, C6)
//   endpinpon.wav  the same shape lower and falling further (G5, C5)
// Each tone starts with a short attack and dies away like a struck bar; each cue lasts 0.8 s.
//
//   make_cues OUTPUT_DIR

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kToneSeconds = 0.4;

struct Tone
{
    double hertz;
    double start; // seconds
};

std::vector<std::int16_t> render(const std::vector<Tone> &tones, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * kRate);
    std::vector<double> mix(frames, 0.0);
    for (const Tone &tone : tones) {
        const auto first = static_cast<std::size_t>(tone.start * kRate);
        const auto length = static_cast<std::size_t>(kToneSeconds * kRate);
        for (std::size_t i = 0; i < length && first + i < frames; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.005);
            const double decay = std::exp(-t * 6.0);
            const double release = std::min(1.0, (kToneSeconds - t) / 0.02); // no click at end
            const double partials = std::sin(2 * std::numbers::pi * tone.hertz * t) +
                                    0.25 * std::sin(2 * std::numbers::pi * 2 * tone.hertz * t);
            mix[first + i] += 0.5 * attack * decay * release * partials;
        }
    }
    std::vector<std::int16_t> samples(frames);
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32767));
    return samples;
}

void put(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

bool writeWave(const std::string &path, const std::vector<std::int16_t> &samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);        // format chunk size
    put(out, 1, 2);         // PCM
    put(out, 1, 2);         // mono
    put(out, kRate, 4);     // sample rate
    put(out, kRate * 2, 4); // byte rate
    put(out, 2, 2);         // block align
    put(out, 16, 2);        // bits per sample
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (std::int16_t s : samples)
        put(out, static_cast<std::uint16_t>(s), 2);
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_cues OUTPUT_DIR\n", stderr);
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeWave(dir + "/pinpon.wav", render({{1318.5, 0.0}, {1046.5, 0.4}}, 0.8)) &&
                    writeWave(dir + "/endpinpon.wav", render({{784.0, 0.0}, {523.3, 0.4}}, 0.8));
    if (!ok)
        std::fputs("make_cues: cannot write the cues\n", stderr);
    return ok ? 0 : 1;
}
