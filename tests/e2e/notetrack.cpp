// The notes heard in a raw recording (signed 16-bit little-endian mono, as
// parec --raw --format=s16le --channels=1 writes it), one line each:
//
//   ONSET_MS NOTE FREQUENCY_HZ LENGTH_MS
//
// onsets in ms from the first sample, the MIDI note nearest to the pitch.
//
//   tavelin-notetrack FILE [RATE]     (RATE in Hz, 48000 unless given)
#include "tests/support/pitchtrack.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tavelin-notetrack FILE [RATE]\n");
        return 2;
    }
    const double rate = argc == 3 ? std::strtod(argv[2], nullptr) : 48000.0;
    if (rate < 8000.0 || rate > 192000.0) {
        std::fprintf(stderr, "tavelin-notetrack: rate %s out of range (8000 to 192000 Hz)\n", argv[2]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "tavelin-notetrack: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<float> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        samples[i] = static_cast<float>(value) / 32768.0F;
    }
    for (const testing_support::HeardNote& n : testing_support::trackNotes(samples, rate)) {
        std::printf("%.1f %d %.1f %.1f\n", n.onsetMs, n.note, n.frequency, n.lengthMs);
    }
    return 0;
}
