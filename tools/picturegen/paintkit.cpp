#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace PaintKit {

QPainterPath appleOutline() {
    QPainterPath path;
    path.moveTo(0, -26);
    path.cubicTo(10, -35, 34, -35, 36, -9);
    path.cubicTo(38, 11, 26, 35, 12, 37);
    path.cubicTo(6, 38, 3, 35, 0, 35);
    path.cubicTo(-3, 35, -6, 38, -12, 37);
    path.cubicTo(-26, 35, -38, 11, -36, -9);
    path.cubicTo(-34, -35, -10, -35, 0, -26);
    path.closeSubpath();
    return path;
}

QPainterPath leafOutline(qreal length, qreal width) {
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.25, -width * 0.75, length * 0.7, -width * 0.6, length, 0);
    path.cubicTo(length * 0.7, width * 0.6, length * 0.25, width * 0.75, 0, 0);
    path.closeSubpath();
    return path;
}

void leaf(QPainter &p, QPointF base, qreal angle, qreal length, qreal width, QColor colour) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QLinearGradient shade(0, -width / 2, 0, width / 2);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(150));
    p.fillPath(leafOutline(length, width), shade);
    QPainterPath rib;
    rib.moveTo(length * 0.04, 0);
    rib.quadTo(length * 0.5, -width * 0.08, length * 0.92, 0);
    p.setPen(QPen(withAlpha(colour.lighter(170), 200), qMax(0.6, width * 0.07), Qt::SolidLine,
                  Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rib);
    p.restore();
}

// A soft-edged ellipse of one colour, fading out from its centre.
static void softEllipse(QPainter &p, QPointF centre, qreal rx, qreal ry, qreal angle, QColor colour,
                        int alpha, qreal middle, int middleAlpha) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(1, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    colour.setAlpha(alpha);
    g.setColorAt(0, colour);
    colour.setAlpha(middleAlpha);
    g.setColorAt(middle, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

void groundShadow(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha) {
    softEllipse(p, centre, rx, ry, 0, Qt::black, alpha, 0.5, alpha * 2 / 3);
}

void highlight(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha, qreal angle) {
    softEllipse(p, centre, rx, ry, angle, Qt::white, alpha, 0.45, alpha * 3 / 5);
}

void rimShade(QPainter &p, const QPainterPath &shape, QPointF centre, qreal radius, QColor dark,
              qreal clearFrom) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, withAlpha(dark, 0));
    g.setColorAt(clearFrom, withAlpha(dark, 0));
    g.setColorAt(1, dark);
    p.fillPath(shape, g);
}

void strokePath(QPainter &p, const QPainterPath &path, QColor colour, qreal width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

QColor mix(const QColor &a, const QColor &b, qreal t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

} // namespace PaintKit
