// Synthesises the game's three sound effects into a folder:
//   clock.wav  a short wooden tick for every flashed number (30 ms, so it
//              never smears even at 0.1 s between numbers)
//   hit.wav    a bright rising two-note chime for a right answer
//   miss.wav   a soft low double buzz for a wrong answer
// 44.1 kHz, 16-bit, mono PCM. The output is the same on every run.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples silence(double seconds)
{
    return Samples(static_cast<size_t>(seconds * Rate), 0.0);
}

// A decaying partial added into `out` from `start` seconds on.
void partial(Samples &out, double start, double freq, double amp, double decay, double attack = 0.002)
{
    const size_t from = static_cast<size_t>(start * Rate);
    for (size_t i = from; i < out.size(); ++i) {
        const double t = double(i - from) / Rate;
        const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        out[i] += amp * env * std::sin(2 * Pi * freq * t);
    }
}

// Scales the sound so that its loudest sample has the given level.
void normalise(Samples &s, double peak)
{
    double top = 0;
    for (double v : s)
        top = std::max(top, std::abs(v));
    if (top > 0)
        for (double &v : s)
            v *= peak / top;
}

// A raised-cosine fade over the last `seconds`, so that no sound ends in a
// click, however it was cut.
void fadeOut(Samples &s, double seconds)
{
    const size_t len = std::min(s.size(), static_cast<size_t>(seconds * Rate));
    for (size_t i = 0; i < len; ++i)
        s[s.size() - len + i] *= 0.5 * (1 + std::cos(Pi * double(i + 1) / double(len)));
}

Samples clock()
{
    Samples s = silence(0.030);
    partial(s, 0, 1750, 0.55, 0.0045, 0.0005);
    partial(s, 0, 2900, 0.20, 0.0030, 0.0005);
    partial(s, 0, 950, 0.25, 0.0065, 0.0005);
    // A breath of softened noise gives the attack its wooden knock; raw
    // white noise would hiss.
    std::uint32_t seed = 12345;
    double low = 0;
    const size_t knock = static_cast<size_t>(0.002 * Rate);
    for (size_t i = 0; i < knock && i < s.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double noise = (double(seed >> 8) / double(1u << 24)) * 2 - 1;
        low += 0.35 * (noise - low);
        s[i] += 0.5 * low * (1.0 - double(i) / double(knock));
    }
    fadeOut(s, 0.004);
    // Heard with every flash, so quieter than the answer sounds.
    normalise(s, 0.45);
    return s;
}

Samples hit()
{
    Samples s = silence(0.60);
    for (auto [start, f] : {std::pair{0.0, 1046.5}, std::pair{0.11, 1568.0}}) {
        partial(s, start, f, 0.40, 0.16, 0.003);
        partial(s, start, f * 2, 0.12, 0.08, 0.003);
        partial(s, start, f * 3, 0.05, 0.05, 0.003);
    }
    fadeOut(s, 0.12);
    normalise(s, 0.6);
    return s;
}

Samples miss()
{
    Samples s = silence(0.40);
    for (auto [start, f] : {std::pair{0.0, 233.1}, std::pair{0.20, 196.0}}) {
        const size_t from = static_cast<size_t>(start * Rate);
        const size_t len = static_cast<size_t>(0.17 * Rate);
        for (size_t i = 0; i < len && from + i < s.size(); ++i) {
            const double t = double(i) / Rate;
            const double env = std::min(1.0, t / 0.01) * std::min(1.0, (0.17 - t) / 0.03);
            // Odd harmonics, softly: a buzzer without the harshness of a square.
            double v = 0;
            for (int h = 1; h <= 7; h += 2)
                v += std::sin(2 * Pi * f * h * t) / (h * h);
            s[from + i] += env * v;
        }
    }
    // A low tone sounds louder than its level says: keep it below the chime.
    normalise(s, 0.25);
    return s;
}

void put16(std::FILE *f, std::uint16_t v)
{
    std::fputc(v & 0xFF, f);
    std::fputc(v >> 8, f);
}
void put32(std::FILE *f, std::uint32_t v)
{
    put16(f, v & 0xFFFF);
    put16(f, v >> 16);
}

bool writeWave(const std::string &path, const Samples &s)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
    std::fputs("RIFF", f);
    put32(f, 36 + dataBytes);
    std::fputs("WAVEfmt ", f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fputs("data", f);
    put32(f, dataBytes);
    for (double v : s) {
        const double clipped = std::max(-1.0, std::min(1.0, v));
        put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))));
    }
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = writeWave(dir + "/clock.wav", clock()) && writeWave(dir + "/hit.wav", hit()) && writeWave(dir + "/miss.wav", miss());
    if (!ok) {
        std::perror("sewave");
        return 1;
    }
    return 0;
}
