#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>
#include <random>

class QPainter;

// Shapes and shading shared by the fruit drawings and the icon. Sizes are in drawing units.
namespace PaintKit {

// An apple outline around the origin: 72 units wide, from y = -30 at its shoulders to y = 38
// at its base, with a hollow at the top centre (0, -26) where the stem sits.
QPainterPath appleOutline();

// A pointed leaf from the origin along +x.
QPainterPath leafOutline(qreal length, qreal width);

// A leaf growing from `base` at `angle` degrees (0 = right, clockwise on screen), shaded across
// its width and with a light midrib.
void leaf(QPainter &p, QPointF base, qreal angle, qreal length, qreal width, QColor colour);

// A soft elliptical shadow on the ground.
void groundShadow(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha = 110);

// A soft white glint, strongest in its middle. `angle` turns the ellipse.
void highlight(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha, qreal angle = 0);

// Darkens the rim of `shape` so that it looks round: clear inside `radius` * `clearFrom` of
// `centre`, turning to `dark` at `radius`.
void rimShade(QPainter &p, const QPainterPath &shape, QPointF centre, qreal radius, QColor dark,
              qreal clearFrom = 0.55);

// A stroke of `colour` along `path` with round ends.
void strokePath(QPainter &p, const QPainterPath &path, QColor colour, qreal width);

// Linear mix of two colours: t = 0 gives a, t = 1 gives b.
QColor mix(const QColor &a, const QColor &b, qreal t);

// A colour with a different alpha.
QColor withAlpha(QColor c, int alpha);

// Reproducible noise: the same seed gives the same numbers on every machine, because it uses
// the generator's raw output rather than a library distribution.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    qreal unit() { return qreal(m_engine()) / 4294967296.0; }
    // Uniform in [low, high).
    qreal between(qreal low, qreal high) { return low + (high - low) * unit(); }

private:
    std::mt19937 m_engine;
};

} // namespace PaintKit
