#include "Tiles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace wendle::content {

namespace {

constexpr double kPi = std::numbers::pi;

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double hashed(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xFFFFFF) / double(0x1000000);
}

// Smooth value noise that repeats every `period` lattice cells, so a tile
// built from it has no seam.
double smoothNoise(double x, double y, int period, std::uint32_t seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto at = [&](int i, int j) {
        return hashed(((i % period) + period) % period, ((j % period) + period) % period, seed);
    };
    auto ease = [](double t) { return t * t * (3 - 2 * t); };
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * ease(fx);
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * ease(fx);
    return top + (bottom - top) * ease(fy);
}

// Several octaves of noise over a square of `side` pixels, in [0, 1).
double turbulence(int px, int py, int side, int cells, std::uint32_t seed) {
    double sum = 0, weight = 0, amplitude = 1;
    for (int octave = 0; octave < 4; ++octave) {
        const int period = cells << octave;
        sum += amplitude * smoothNoise(px * double(period) / side, py * double(period) / side,
                                       period, seed + std::uint32_t(octave));
        weight += amplitude;
        amplitude /= 2;
    }
    return sum / weight;
}

QColor shaded(QColor base, double amount) {
    auto channel = [&](int c) { return std::clamp(int(std::lround(c * amount)), 0, 255); };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

QColor mix(QColor a, QColor b, double t) {
    auto channel = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QImage opaque(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

}  // namespace

QImage paperTile(int side, QColor base) {
    QImage image = opaque(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double grain = hashed(x, y, 7) * 0.05 + turbulence(x, y, side, 4, 11) * 0.06;
            image.setPixel(x, y, shaded(base, 0.95 + grain).rgb());
        }
    }
    return image;
}

QImage stripeTile(int side, QColor a, QColor b) {
    QImage image = opaque(side, side);
    // Stripes at 45 degrees, four per tile, so opposite edges meet.
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            image.setPixel(x, y, ((x + y) * 8 / side) % 2 ? b.rgb() : a.rgb());
        }
    }
    return image;
}

QImage checkTile(int side, QColor a, QColor b) {
    QImage image = opaque(side, side);
    const int half = side / 2;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            image.setPixel(x, y, ((x / half) + (y / half)) % 2 ? b.rgb() : a.rgb());
        }
    }
    return image;
}

QImage dotTile(int side, QColor ground, QColor dot) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    const qreal r = side / 8.0;
    // One dot in the middle, four quarter dots in the corners: a lattice.
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    for (QPointF corner : {QPointF(0, 0), QPointF(side, 0), QPointF(0, side), QPointF(side, side)})
        painter.drawEllipse(corner, r, r);
    return image;
}

QImage marbleTile(int side) {
    QImage image = opaque(side, side);
    const QColor light(244, 242, 238), vein(120, 124, 132);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double t = turbulence(x, y, side, 3, 21);
            // A sine across the diagonal, bent by the noise, gives veins.
            const double v = std::abs(std::sin((x + y) * 2 * kPi / side + t * 9));
            const double veins = std::pow(1 - v, 6);
            image.setPixel(x, y, mix(light, vein, veins * 0.8 + t * 0.08).rgb());
        }
    }
    return image;
}

QImage brushedMetalTile(int width, int height) {
    QImage image = opaque(width, height);
    for (int y = 0; y < height; ++y) {
        const double row = hashed(0, y, 31) * 0.08;
        for (int x = 0; x < width; ++x) {
            const double streak = smoothNoise(x * 16.0 / width, y * 1.0, 16, 33) * 0.1;
            image.setPixel(x, y, shaded(QColor(176, 180, 186), 0.92 + row + streak).rgb());
        }
    }
    return image;
}

QImage woodTile(int width, int height) {
    QImage image = opaque(width, height);
    const QColor dark(120, 72, 38), light(176, 118, 70);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double t = turbulence(x, y * width / height, width, 2, 41);
            const double grain = 0.5 + 0.5 * std::sin(y * 2 * kPi * 6 / height + t * 7);
            image.setPixel(x, y, mix(dark, light, grain * 0.8 + hashed(x, y, 43) * 0.1).rgb());
        }
    }
    return image;
}

QImage waterTile(int width, int height) {
    QImage image = opaque(width, height);
    const QColor deep(88, 150, 170), shallow(172, 218, 214);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = x * 2 * kPi / width, v = y * 2 * kPi / height;
            const double ripple =
                std::sin(2 * u + std::sin(v) * 1.5) * std::sin(3 * v + std::cos(u));
            const double t = 0.5 + 0.35 * ripple + 0.15 * (turbulence(x, y, width, 2, 51) - 0.5);
            image.setPixel(x, y, mix(deep, shallow, std::clamp(t, 0.0, 1.0)).rgb());
        }
    }
    return image;
}

QImage skyScene(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    // Light enough for a dark caption to read anywhere on it.
    sky.setColorAt(0, QColor(130, 180, 230));
    sky.setColorAt(1, QColor(196, 226, 248));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Soft clouds: overlapping white glows at fixed places.
    const struct {
        double x, y, r;
    } puffs[] = {{0.12, 0.7, 0.5},  {0.2, 0.55, 0.4},  {0.45, 0.8, 0.45},
                 {0.7, 0.45, 0.35}, {0.78, 0.65, 0.5}, {0.92, 0.75, 0.4}};
    for (const auto& puff : puffs) {
        // A round glow stretched sideways into a flat cloud.
        const qreal r = puff.r * height;
        QRadialGradient glow(QPointF(0, 0), r);
        glow.setColorAt(0, QColor(255, 255, 255, 150));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        painter.save();
        painter.translate(puff.x * width, puff.y * height);
        painter.scale(2.6, 1);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(0, 0), r, r);
        painter.restore();
    }
    return image;
}

QImage sunsetScene(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(58, 30, 96));
    sky.setColorAt(0.55, QColor(128, 62, 140));
    sky.setColorAt(1, QColor(222, 128, 150));
    painter.fillRect(image.rect(), sky);
    return image;
}

}  // namespace wendle::content
