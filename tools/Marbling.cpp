#include "tools/Marbling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Lattice noise from an integer hash: the same picture on every machine.
double LatticeValue(int32_t x, int32_t y) {
    auto h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0x1000000);
}

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double Noise(double x, double y) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<int32_t>(fx);
    const auto iy = static_cast<int32_t>(fy);
    const double u = Fade(x - fx);
    const double v = Fade(y - fy);
    const double a = LatticeValue(ix, iy) + u * (LatticeValue(ix + 1, iy) - LatticeValue(ix, iy));
    const double b = LatticeValue(ix, iy + 1) + u * (LatticeValue(ix + 1, iy + 1) - LatticeValue(ix, iy + 1));
    return a + v * (b - a);
}

// Sum of octaves, 0..1.
double Fractal(double x, double y) {
    double sum = 0;
    double amplitude = 0.5;
    double norm = 0;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * Noise(x, y);
        norm += amplitude;
        x = x * 2.03 + 17.1;
        y = y * 2.03 - 5.7;
        amplitude *= 0.5;
    }
    return sum / norm;
}

struct Rgb {
    double R, G, B;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

// The colour of the pattern at a point given in card pixels.
Rgb Marble(double x, double y) {
    const double px = x / 30.0;
    const double py = y / 30.0;
    // Warping the plane by noise makes the swirls of floated colour.
    const double wx = Fractal(px + 3.1, py + 1.7);
    const double wy = Fractal(px - 2.3, py + 8.9);
    const double field = Fractal(px + 2.6 * wx, py + 2.6 * wy);
    const double bands = std::sin((px * 1.3 + py * 0.6 + 5.5 * field) * 3.2);
    const double vein = std::pow(1.0 - std::abs(bands), 7.0);
    const double shade = std::clamp((Fractal(px * 2 + 7.0 * wy, py * 2 + 7.0 * wx) - 0.25) * 1.6, 0.0, 1.0);

    const Rgb deep{52, 14, 82};
    const Rgb violet{118, 44, 168};
    const Rgb lilac{196, 150, 228};
    const Rgb vein_light{238, 226, 248};
    Rgb colour = Mix(deep, violet, shade);
    colour = Mix(colour, lilac, std::clamp((0.5 + 0.5 * bands) * 0.35, 0.0, 1.0));
    return Mix(colour, vein_light, vein * 0.85);
}

}  // namespace

QImage DrawMarbledBack(const TArtworkStrip& strip, int32_t scale) {
    const int w = strip.Width * scale;
    const int h = strip.Height * scale;
    QImage image(w, h, QImage::Format_RGB32);
    constexpr int samples = 3;  // per axis and device pixel, against jagged veins
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double cx = (x + (sx + 0.5) / samples) / scale;
                    const double cy = (y + (sy + 0.5) / samples) / scale;
                    const Rgb c = Marble(cx, cy);
                    sum = {sum.R + c.R, sum.G + c.G, sum.B + c.B};
                }
            }
            const double n = samples * samples;
            line[x] = qRgb(static_cast<int>(std::lround(sum.R / n)), static_cast<int>(std::lround(sum.G / n)),
                           static_cast<int>(std::lround(sum.B / n)));
        }
    }
    return image;
}
