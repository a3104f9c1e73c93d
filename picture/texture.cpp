#include "picture/texture.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

double smoothstep(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

// Box blur of one row in place, wrapping round so the streaks have no seam;
// three passes come close to a Gaussian of about radius / 1.7.
void blurRow(std::vector<double>& row, int radius)
{
    const int n = static_cast<int>(row.size());
    std::vector<double> out(row.size());
    const double width = 2.0 * radius + 1.0;
    double sum = 0.0;
    for (int i = -radius; i <= radius; ++i) {
        sum += row[static_cast<std::size_t>(((i % n) + n) % n)];
    }
    for (int x = 0; x < n; ++x) {
        out[static_cast<std::size_t>(x)] = sum / width;
        const int leaving = ((x - radius) % n + n) % n;
        const int entering = (x + radius + 1) % n;
        sum += row[static_cast<std::size_t>(entering)] - row[static_cast<std::size_t>(leaving)];
    }
    row.swap(out);
}

// Scales a row to zero mean and unit standard deviation.
void normalise(std::vector<double>& row)
{
    double mean = 0.0;
    for (double v : row) {
        mean += v;
    }
    mean /= static_cast<double>(row.size());
    double variance = 0.0;
    for (double v : row) {
        variance += (v - mean) * (v - mean);
    }
    const double deviation = std::sqrt(variance / static_cast<double>(row.size()));
    for (double& v : row) {
        v = deviation > 0.0 ? (v - mean) / deviation : 0.0;
    }
}

int clampLevel(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

}  // namespace

std::uint64_t Noise::next()
{
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31U);
}

double Noise::uniform()
{
    // The top 53 bits make an exactly representable double in [0, 1).
    return static_cast<double>(next() >> 11U) * (1.0 / 9007199254740992.0);
}

double Noise::signedUnit()
{
    return 2.0 * uniform() - 1.0;
}

ValueNoise::ValueNoise(QSize size, int cell, std::uint64_t seed)
    : m_cell(std::max(1, cell)), m_columns(size.width() / m_cell + 2), m_rows(size.height() / m_cell + 2)
{
    Noise noise(seed);
    m_grid.resize(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows));
    for (double& v : m_grid) {
        v = noise.signedUnit();
    }
}

double ValueNoise::at(double x, double y) const
{
    const double gx = std::clamp(x / m_cell, 0.0, m_columns - 1.001);
    const double gy = std::clamp(y / m_cell, 0.0, m_rows - 1.001);
    const int ix = static_cast<int>(gx);
    const int iy = static_cast<int>(gy);
    const double tx = smoothstep(gx - ix);
    const double ty = smoothstep(gy - iy);
    auto g = [this](int c, int r) {
        return m_grid[static_cast<std::size_t>(r) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(c)];
    };
    const double top = g(ix, iy) + (g(ix + 1, iy) - g(ix, iy)) * tx;
    const double bottom = g(ix, iy + 1) + (g(ix + 1, iy + 1) - g(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

QImage paperTexture(QSize size, std::uint64_t seed, int scale)
{
    const int s = std::max(1, scale);
    QImage image(size * s, QImage::Format_RGB32);
    const ValueNoise clouds(size, 48, seed);
    const ValueNoise mottle(size, 9, seed + 1);
    Noise grain(seed + 2);
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            // Logical coordinates of the pixel; at scale 1 the pixel itself.
            const double x = s == 1 ? px : (px + 0.5) / s - 0.5;
            const double y = s == 1 ? py : (py + 0.5) / s - 0.5;
            // Levels: clouds +-3, mottle +-1.5, grain +-2; edges up to 7% darker.
            const double d = std::hypot(x - cx, y - cy) / reach;
            const double shade = 1.0 - 0.07 * d * d;
            const double offset = 3.0 * clouds.at(x, y) + 1.5 * mottle.at(x, y) + 2.0 * grain.signedUnit();
            line[px] = qRgb(clampLevel((paperColour.red() + offset) * shade),
                            clampLevel((paperColour.green() + offset) * shade),
                            clampLevel((paperColour.blue() + offset * 0.8) * shade));
        }
    }
    image.setDevicePixelRatio(s);
    return image;
}

QImage brushedTexture(QSize size, std::uint64_t seed, QColor base, double strength, int scale)
{
    if (scale > 1) {
        QImage image = brushedTexture(size, seed, base, strength)
                           .scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(scale);
        return image;
    }
    const int w = size.width();
    const int h = size.height();
    Noise noise(seed);
    const ValueNoise bands(QSize(w, h), 24, seed + 7);
    std::vector<double> tone(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    std::vector<double> fine(static_cast<std::size_t>(w));
    std::vector<double> coarse(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            fine[static_cast<std::size_t>(x)] = noise.signedUnit();
            coarse[static_cast<std::size_t>(x)] = noise.signedUnit();
        }
        // Fine streaks a few tens of pixels long over slower ones a few
        // hundred long, each brought back to unit deviation after blurring.
        for (int pass = 0; pass < 3; ++pass) {
            blurRow(fine, 14);
            blurRow(coarse, 90);
        }
        normalise(fine);
        normalise(coarse);
        const double rowTone = noise.signedUnit();
        double* row = tone.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            row[x] = 0.45 * fine[static_cast<std::size_t>(x)] + 0.3 * coarse[static_cast<std::size_t>(x)] +
                     0.15 * rowTone + 0.3 * bands.at(x, y);
        }
    }
    // Neighbouring rows share a little of each other's streaks (weights
    // 1 2 1), as the bristles of a brush are wider than one pixel.
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const double* above = tone.data() + static_cast<std::size_t>(std::max(0, y - 1)) * static_cast<std::size_t>(w);
        const double* row = tone.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
        const double* below =
            tone.data() + static_cast<std::size_t>(std::min(h - 1, y + 1)) * static_cast<std::size_t>(w);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double v = strength * (above[x] + 2.0 * row[x] + below[x]) / 4.0 * 1.4;
            line[x] = qRgb(clampLevel(base.red() + v), clampLevel(base.green() + v * 0.92),
                           clampLevel(base.blue() + v * 0.85));
        }
    }
    return image;
}

}  // namespace art
