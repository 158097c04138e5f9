#include "wallpapers.h"

#include <QColor>
#include <array>
#include <cmath>
#include <functional>

namespace tq::pictures {

namespace {

constexpr double tau = 6.283185307179586;

// Value noise on a lattice that wraps around, so every picture tiles seamlessly.
class TileNoise
{
public:
    explicit TileNoise(unsigned seed) : m_seed(seed) {}

    // u, v in [0, 1); cells lattice points across the tile.
    double at(double u, double v, int cells) const
    {
        const double x = u * cells, y = v * cells;
        const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
        const double fx = smooth(x - x0), fy = smooth(y - y0);
        const auto h = [&](int i, int j) {
            return hash(((i % cells) + cells) % cells, ((j % cells) + cells) % cells);
        };
        const double top = h(x0, y0) + (h(x0 + 1, y0) - h(x0, y0)) * fx;
        const double bottom = h(x0, y0 + 1) + (h(x0 + 1, y0 + 1) - h(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }

    // Several octaves summed, about 0..1.
    double fbm(double u, double v, int cells, int octaves = 5) const
    {
        double sum = 0, amplitude = 0.5, total = 0;
        for (int o = 0; o < octaves; ++o) {
            sum += amplitude * at(u, v, cells << o);
            total += amplitude;
            amplitude *= 0.5;
        }
        return sum / total;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    double hash(int i, int j) const
    {
        unsigned n = unsigned(i) * 374761393u + unsigned(j) * 668265263u + m_seed * 2147483647u;
        n = (n ^ (n >> 13)) * 1274126177u;
        return double((n ^ (n >> 16)) & 0xFFFF) / 65535.0;
    }
    unsigned m_seed;
};

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

double fract(double x)
{
    return x - std::floor(x);
}

using Shader = std::function<QColor(double u, double v)>;

std::array<Shader, wallpaperCount> shaders()
{
    static const TileNoise n1(11), n2(23), n3(37);
    return {{
        // 1 parchment
        [](double u, double v) { return mix(QColor(247, 236, 206), QColor(214, 190, 146), n1.fbm(u, v, 4)); },
        // 2 marble
        [](double u, double v) {
            const double vein = std::abs(std::sin(tau * (u + v) * 2 + 6 * n2.fbm(u, v, 3)));
            return mix(QColor(126, 136, 156), QColor(244, 244, 240), std::pow(vein, 0.35));
        },
        // 3 wood
        [](double u, double v) {
            const double ring = fract(4 * u + 1.6 * n1.fbm(u, v, 2, 3) + 0.15 * std::sin(tau * v));
            return mix(QColor(222, 178, 122), QColor(170, 112, 62),
                       std::pow(ring, 3) + 0.2 * n3.at(u, v, 64));
        },
        // 4 linen
        [](double u, double v) {
            const double warp = 0.5 + 0.5 * std::sin(tau * u * 64), weft = 0.5 + 0.5 * std::sin(tau * v * 64);
            const double slub = n2.at(u, v * 0.1, 16);
            return mix(QColor(238, 230, 212), QColor(200, 188, 160), 0.35 * warp * weft + 0.3 * slub);
        },
        // 5 summer sky
        [](double u, double v) {
            return mix(QColor(120, 170, 226), QColor(250, 252, 255), std::pow(n3.fbm(u, v, 3), 1.6) * 1.5);
        },
        // 6 sand ripples
        [](double u, double v) {
            const double ripple = 0.5 + 0.5 * std::sin(tau * (6 * v + 0.8 * n1.fbm(u, v, 2, 3)));
            return mix(QColor(240, 222, 180), QColor(208, 180, 130), 0.55 * ripple + 0.35 * n2.at(u, v, 128));
        },
        // 7 brushed steel
        [](double u, double v) {
            const double streak = n3.fbm(fract(u * 0.03 + v * 0.0), v, 64, 3);
            return mix(QColor(176, 182, 190), QColor(228, 232, 236), streak);
        },
        // 8 green felt
        [](double u, double v) {
            return mix(QColor(74, 128, 86), QColor(120, 170, 120),
                       0.6 * n1.fbm(u, v, 8) + 0.4 * n2.at(u, v, 128));
        },
        // 9 lagoon water
        [](double u, double v) {
            const double w =
                std::sin(tau * (3 * u + n3.fbm(u, v, 2, 3))) * std::sin(tau * (2 * v + n1.fbm(v, u, 2, 3)));
            return mix(QColor(60, 160, 170), QColor(200, 240, 236), 0.5 + 0.5 * w);
        },
        // 10 argyle
        [](double u, double v) {
            const double d = std::abs(fract(4 * (u + v)) - 0.5) + std::abs(fract(4 * (u - v)) - 0.5);
            const double line =
                std::abs(fract(8 * (u + v)) - 0.5) < 0.02 || std::abs(fract(8 * (u - v)) - 0.5) < 0.02;
            const QColor base = d < 0.5 ? QColor(236, 200, 204) : QColor(246, 226, 226);
            return line ? QColor(190, 120, 130) : base;
        },
        // 11 polka dots
        [](double u, double v) {
            const double du = fract(8 * u) - 0.5, dv = fract(8 * v) - 0.5;
            const double r = std::sqrt(du * du + dv * dv);
            return mix(QColor(206, 190, 236), QColor(242, 236, 252), std::clamp((r - 0.2) * 20, 0.0, 1.0));
        },
        // 12 mint tiles
        [](double u, double v) {
            const bool grout = fract(4 * u) < 0.03 || fract(4 * v) < 0.03;
            const QColor tile = mix(QColor(198, 232, 214), QColor(226, 246, 234),
                                    n2.at(u, v, 4) * 0.7 + 0.3 * n3.at(u, v, 64));
            return grout ? QColor(168, 190, 178) : tile;
        },
        // 13 leather
        [](double u, double v) {
            const double crease = 1 - std::abs(2 * n1.fbm(u, v, 8, 3) - 1);
            return mix(QColor(150, 96, 58), QColor(196, 142, 96),
                       std::pow(1 - crease, 0.5) * 0.8 + 0.2 * n2.at(u, v, 128));
        },
        // 14 pinstripe
        [](double u, double v) {
            const bool stripe = fract(16 * u) < 0.06;
            return stripe ? QColor(200, 176, 112)
                          : mix(QColor(252, 244, 214), QColor(244, 232, 196), n3.at(u, v, 8));
        },
        // 15 granite
        [](double u, double v) {
            const double speck = n2.at(u, v, 128);
            QColor c = mix(QColor(200, 198, 196), QColor(232, 230, 228), n1.fbm(u, v, 8));
            if (speck > 0.8)
                c = QColor(90, 88, 92);
            else if (speck < 0.12)
                c = QColor(246, 240, 236);
            return c;
        },
        // 16 evening glow
        [](double u, double v) {
            const double glow =
                0.5 + 0.5 * std::cos(tau * v) + 0.15 * std::sin(tau * (u + n2.fbm(u, v, 2, 3)));
            return mix(QColor(255, 214, 170), QColor(232, 160, 170), glow);
        },
    }};
}

} // namespace

QImage paintWallpaper(int n, int size)
{
    const Shader shader = shaders().at(std::clamp(n, 1, wallpaperCount) - 1);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x)
            line[x] = shader(double(x) / size, double(y) / size).rgb();
    }
    return image;
}

} // namespace tq::pictures
