#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// Seeded noise and the surfaces built from it. Every random number comes from
// an explicit seed through our own generator, so a build produces the same
// pictures byte for byte on every machine and every run.
namespace art {

// SplitMix64: small, fast and defined to the bit, unlike the distributions of
// the standard library whose output differs between implementations.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    double uniform();     // in [0, 1)
    double signedUnit();  // in [-1, 1)

private:
    std::uint64_t m_state;
};

// Smooth value noise in [-1, 1]: random values on a grid of cell x cell pixels,
// blended with a smoothstep between the grid points.
class ValueNoise {
public:
    ValueNoise(QSize size, int cell, std::uint64_t seed);
    double at(double x, double y) const;

private:
    int m_cell;
    int m_columns;
    int m_rows;
    std::vector<double> m_grid;
};

// Warm off-white paper: soft cloudy unevenness, a fine grain and slightly
// darker edges, the way a printed workbook page looks under a lamp.
// size is in logical pixels; at scale 2 the image has twice as many pixels
// each way (device pixel ratio 2): the same clouds and edges, sampled finer,
// with a grain of its own at the finer pitch. Scale 1 is the plain picture.
QImage paperTexture(QSize size, std::uint64_t seed, int scale = 1);

// The paper's base colour, for painting over parts of it.
constexpr QColor paperColour(0xf6, 0xf0, 0xe1);

// A dark surface brushed left to right: noise smeared along each row, so it
// shows long fine streaks, like brushed lacquer or a wooden instrument case.
// strength is the streaks' amplitude in 8-bit levels either side of base.
// At scale 2 the streaks of scale 1 are resampled smoothly to twice the
// pixels (device pixel ratio 2), so both sizes show the same surface.
QImage brushedTexture(QSize size, std::uint64_t seed, QColor base, double strength, int scale = 1);

}  // namespace art
