#include "fruitpainter.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

using namespace PaintKit;

namespace {

const QColor kWhiteGround(0xfb, 0xfb, 0xfb);
const QColor kLeafGreen(0x4a, 0x94, 0x2c);
const QColor kStemBrown(0x5e, 0x3d, 0x1c);

// Short hairs or speckles scattered over `shape`, coloured between `dark` and `light`.
void scatterStrokes(QPainter &p, const QPainterPath &shape, std::uint32_t seed, int count,
                    qreal minLength, qreal maxLength, qreal width, QColor dark, QColor light) {
    Noise noise(seed);
    const QRectF box = shape.boundingRect();
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    for (int i = 0; i < count; ++i) {
        const QPointF from(noise.between(box.left(), box.right()),
                           noise.between(box.top(), box.bottom()));
        const qreal angle = noise.between(0, 2 * M_PI);
        const qreal length = noise.between(minLength, maxLength);
        const QColor c = mix(dark, light, noise.unit());
        const QPointF to = from + QPointF(qCos(angle), qSin(angle)) * length;
        if (length <= 0.01) {
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(from, width / 2, width / 2);
        } else {
            p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
        }
    }
    p.restore();
}

// A round glossy body: a radial gradient lit from the upper left.
void glossyBall(QPainter &p, const QPainterPath &shape, QPointF centre, qreal radius, QColor light,
                QColor mid, QColor dark) {
    const QPointF lit = centre + QPointF(-radius * 0.35, -radius * 0.4);
    QRadialGradient g(lit, radius * 1.35, lit);
    g.setColorAt(0, light);
    g.setColorAt(0.3, mid);
    g.setColorAt(0.75, mid.darker(165));
    g.setColorAt(1, dark);
    p.fillPath(shape, g);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// An oval from an ellipse (squareness 0.55) towards a rounded box (squareness near 1).
QPainterPath roundedOval(QPointF c, qreal rx, qreal ry, qreal squareness) {
    const qreal k = squareness;
    QPainterPath path(c + QPointF(0, -ry));
    path.cubicTo(c + QPointF(rx * k, -ry), c + QPointF(rx, -ry * k), c + QPointF(rx, 0));
    path.cubicTo(c + QPointF(rx, ry * k), c + QPointF(rx * k, ry), c + QPointF(0, ry));
    path.cubicTo(c + QPointF(-rx * k, ry), c + QPointF(-rx, ry * k), c + QPointF(-rx, 0));
    path.cubicTo(c + QPointF(-rx, -ry * k), c + QPointF(-rx * k, -ry), c + QPointF(0, -ry));
    path.closeSubpath();
    return path;
}

// --- apple ---------------------------------------------------------------------------------

void paintApple(QPainter &p) {
    groundShadow(p, {6, 41}, 44, 8, 120);
    p.save();
    p.translate(0, 3);
    const QPainterPath body = appleOutline();
    QRadialGradient red(QPointF(-12, -6), 52, QPointF(-15, -12));
    red.setColorAt(0, QColor(0xff, 0x62, 0x50));
    red.setColorAt(0.3, QColor(0xe2, 0x1a, 0x22));
    red.setColorAt(0.72, QColor(0xa6, 0x0b, 0x16));
    red.setColorAt(1, QColor(0x58, 0x04, 0x0a));
    p.fillPath(body, red);

    // Faint pale streaks running down from the stem.
    p.save();
    p.setClipPath(body);
    Noise noise(101);
    for (int i = 0; i < 16; ++i) {
        const qreal x = noise.between(-36, 36);
        QPainterPath streak;
        streak.moveTo(x * 0.15, -24);
        streak.quadTo(x * 1.05, 2, x * 0.55, 36);
        strokePath(p, streak, QColor(0xff, 0xb0, 0x60, 14), noise.between(1.0, 2.4));
    }
    // The hollow round the stem lies in shade.
    QRadialGradient hollow(QPointF(0, -25), 13);
    hollow.setColorAt(0, QColor(0x3a, 0x04, 0x08, 190));
    hollow.setColorAt(1, QColor(0x3a, 0x04, 0x08, 0));
    p.fillRect(QRectF(-16, -40, 32, 30), hollow);
    p.restore();

    QPainterPath stem;
    stem.moveTo(0, -24);
    stem.quadTo(0, -37, 6, -46);
    strokePath(p, stem, kStemBrown, 3.8);
    strokePath(p, stem.translated(-0.7, 0), QColor(0x9a, 0x70, 0x40), 1.2);
    leaf(p, {3, -36}, -28, 27, 13, kLeafGreen);

    highlight(p, {-18, -8}, 6.5, 13, 235, 18);
    highlight(p, {-9, -19}, 3.2, 2.4, 255);
    highlight(p, {22, 20}, 3.5, 9, 70, -25);
    p.restore();
}

// --- banana --------------------------------------------------------------------------------

void paintBanana(QPainter &p) {
    groundShadow(p, {2, 31}, 48, 6, 100);
    QPainterPath body;
    body.moveTo(-50, -6);
    body.cubicTo(-30, 32, 28, 32, 48, -14);
    body.lineTo(42, -20);
    body.cubicTo(22, 4, -28, 8, -50, -6);
    body.closeSubpath();

    QLinearGradient yellow(0, 0, 0, 24);
    yellow.setColorAt(0, QColor(0xff, 0xf4, 0x86));
    yellow.setColorAt(0.35, QColor(0xfa, 0xd8, 0x26));
    yellow.setColorAt(0.8, QColor(0xde, 0xac, 0x0e));
    yellow.setColorAt(1, QColor(0xa8, 0x74, 0x06));
    p.fillPath(body, yellow);

    p.save();
    p.setClipPath(body);
    // The ridge along the side and a shine along the top.
    QPainterPath ridge;
    ridge.moveTo(-46, -2);
    ridge.cubicTo(-27, 22, 24, 22, 45, -16);
    strokePath(p, ridge, QColor(0xb0, 0x80, 0x08, 130), 1.3);
    QPainterPath shine;
    shine.moveTo(-40, -1);
    shine.cubicTo(-24, 13, 16, 14, 36, -11);
    strokePath(p, shine, QColor(255, 255, 240, 120), 3.2);
    // A few ripe freckles.
    Noise noise(202);
    for (int i = 0; i < 7; ++i) {
        const QPointF at(noise.between(-30, 30), 0);
        const qreal y = 12 + noise.between(0, 8) - qAbs(at.x()) * 0.2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6a, 0x44, 0x10, 110));
        p.drawEllipse(QPointF(at.x(), y), 0.9, 0.7);
    }
    p.restore();

    // Stalk at the right, dark nub at the left tip.
    QPainterPath stalk;
    stalk.moveTo(42, -20);
    stalk.lineTo(48, -14);
    stalk.lineTo(56, -24);
    stalk.lineTo(51, -29);
    stalk.closeSubpath();
    QLinearGradient stalkShade(42, -20, 56, -26);
    stalkShade.setColorAt(0, QColor(0x9a, 0xa8, 0x3a));
    stalkShade.setColorAt(1, QColor(0x6e, 0x5c, 0x26));
    p.fillPath(stalk, stalkShade);
    QPainterPath cap(QPointF(51, -29));
    cap.lineTo(56, -24);
    strokePath(p, cap, QColor(0x3e, 0x2a, 0x10), 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3e, 0x28, 0x0e));
    p.drawEllipse(QPointF(-49.5, -5.5), 2.4, 2.0);
}

// --- black grapes --------------------------------------------------------------------------

void paintGrape(QPainter &p, QPointF c, qreal r, qreal tint) {
    const QPainterPath shape = ellipsePath(c, r, r * 1.05);
    glossyBall(p, shape, c, r, mix(QColor(0x7a, 0x5a, 0x9a), QColor(0x6a, 0x4a, 0x7e), tint),
               mix(QColor(0x3c, 0x1a, 0x56), QColor(0x30, 0x14, 0x44), tint),
               QColor(0x10, 0x04, 0x18));
    // A dusty bloom over the upper side.
    highlight(p, c + QPointF(-r * 0.2, -r * 0.3), r * 0.8, r * 0.6, 45);
    highlight(p, c + QPointF(-r * 0.38, -r * 0.4), r * 0.22, r * 0.16, 240, -35);
    p.setPen(QPen(QColor(0x0a, 0x02, 0x10, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void paintBlackGrapes(QPainter &p) {
    groundShadow(p, {4, 45}, 26, 5, 110);
    p.save();
    p.translate(0, 2);
    static const QPointF kGrapes[] = {
        {-18, -28}, {-2, -30}, {14, -27}, {-26, -15}, {-10, -16}, {6, -15},
        {21, -14},  {-19, -2}, {-3, -3},  {13, -1},   {27, 0},    {-12, 11},
        {4, 11},    {19, 13},  {-5, 24},  {11, 25},   {3, 36},
    };
    // Stalk and its branches behind the berries, a leaf over the top.
    QPainterPath stalk;
    stalk.moveTo(-1, -34);
    stalk.cubicTo(0, -39, 3, -41, 2, -46);
    strokePath(p, stalk, QColor(0x6a, 0x5a, 0x2a), 2.6);
    leaf(p, {1, -41}, -4, 25, 14, kLeafGreen);
    for (const QPointF &branchTo : {QPointF(-18, -30), QPointF(14, -29), QPointF(-2, -32)}) {
        QPainterPath branch(QPointF(-1, -36));
        branch.quadTo(branchTo.x() * 0.5, -37, branchTo.x(), branchTo.y() - 4);
        strokePath(p, branch, QColor(0x6a, 0x5a, 0x2a), 1.6);
    }
    Noise noise(303);
    for (const QPointF &c : kGrapes)
        paintGrape(p, c, noise.between(8.6, 9.6), noise.unit());
    p.restore();
}

// --- cherry --------------------------------------------------------------------------------

void paintCherry(QPainter &p) {
    const QPointF left(-16, 22), right(16, 18);
    const qreal r = 15.5;
    groundShadow(p, left + QPointF(2, 15), 19, 4, 120);
    groundShadow(p, right + QPointF(2, 17), 19, 4, 120);

    // Stems from each cherry meet in one knot, with a leaf.
    const QPointF knot(4, -38);
    QPainterPath leftStem(left + QPointF(1, -r + 2));
    leftStem.cubicTo(-10, -8, -2, -28, knot.x(), knot.y());
    QPainterPath rightStem(right + QPointF(-1, -r + 2));
    rightStem.cubicTo(14, -8, 8, -28, knot.x(), knot.y());
    strokePath(p, leftStem, QColor(0x5a, 0x72, 0x24), 2.4);
    strokePath(p, rightStem, QColor(0x5a, 0x72, 0x24), 2.4);
    leaf(p, knot, -20, 28, 12, kLeafGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5e, 0x44, 0x1e));
    p.drawEllipse(knot, 2.6, 2.2);

    for (const QPointF &c : {left, right}) {
        QPainterPath body;
        body.moveTo(c + QPointF(0, -r + 2));
        body.cubicTo(c + QPointF(r * 0.6, -r - 1.5), c + QPointF(r + 1, -r * 0.6),
                     c + QPointF(r, 0));
        body.cubicTo(c + QPointF(r, r * 0.75), c + QPointF(r * 0.55, r), c + QPointF(0, r));
        body.cubicTo(c + QPointF(-r * 0.55, r), c + QPointF(-r, r * 0.75), c + QPointF(-r, 0));
        body.cubicTo(c + QPointF(-r - 1, -r * 0.6), c + QPointF(-r * 0.6, -r - 1.5),
                     c + QPointF(0, -r + 2));
        body.closeSubpath();
        glossyBall(p, body, c, r, QColor(0xff, 0x5a, 0x66), QColor(0xcc, 0x0c, 0x2a),
                   QColor(0x3c, 0x00, 0x0a));
        QRadialGradient dimple(c + QPointF(0, -r + 3), 5);
        dimple.setColorAt(0, QColor(0x30, 0x00, 0x08, 160));
        dimple.setColorAt(1, QColor(0x30, 0x00, 0x08, 0));
        p.fillPath(body, dimple);
        highlight(p, c + QPointF(-6, -6), 5, 3.2, 245, -35);
        highlight(p, c + QPointF(8, 7), 2.5, 4.5, 60, -30);
    }
}

// --- coconut -------------------------------------------------------------------------------

// Brown husk with short fibres.
void paintHusk(QPainter &p, const QPainterPath &shape, QPointF lit, qreal radius,
               std::uint32_t seed) {
    QRadialGradient brown(lit, radius);
    brown.setColorAt(0, QColor(0x94, 0x62, 0x36));
    brown.setColorAt(0.6, QColor(0x6a, 0x42, 0x20));
    brown.setColorAt(1, QColor(0x34, 0x1e, 0x0c));
    p.fillPath(shape, brown);
    scatterStrokes(p, shape, seed, 520, 1.5, 4.5, 0.7, QColor(0x2a, 0x16, 0x08),
                   QColor(0xb0, 0x80, 0x4c));
}

void paintCoconut(QPainter &p) {
    // The back half stands on its rim, cut face to the viewer, turned a little to the left.
    const QPointF back(18, -5);
    groundShadow(p, back + QPointF(4, 28), 30, 6, 110);
    paintHusk(p, ellipsePath(back + QPointF(5, 0), 23, 27), back + QPointF(0, -10), 34, 404);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3e, 0x24, 0x10));
    p.drawEllipse(back, 21.5, 27);
    QRadialGradient flesh(back + QPointF(-6, -8), 30);
    flesh.setColorAt(0, QColor(0xff, 0xff, 0xff));
    flesh.setColorAt(1, QColor(0xe6, 0xe2, 0xd8));
    p.setBrush(flesh);
    p.drawEllipse(back, 19.5, 25);
    QRadialGradient hollow(back + QPointF(5, 6), 22);
    hollow.setColorAt(0, QColor(0xfa, 0xf6, 0xec));
    hollow.setColorAt(0.6, QColor(0xe0, 0xd8, 0xc6));
    hollow.setColorAt(1, QColor(0xa8, 0x9c, 0x86));
    p.setBrush(hollow);
    p.drawEllipse(back + QPointF(0.5, 0.5), 13.5, 18.5);

    // The front half lies open side up.
    const QPointF front(-20, 18);
    const qreal rx = 26, ry = 10, depth = 22;
    groundShadow(p, front + QPointF(4, depth - 1), 32, 7, 130);
    QPainterPath bowl(front + QPointF(-rx, 0));
    bowl.arcTo(QRectF(front.x() - rx, front.y() - depth, 2 * rx, 2 * depth), 180, 180);
    bowl.closeSubpath();
    bowl = bowl.united(ellipsePath(front, rx, ry));
    paintHusk(p, bowl, front + QPointF(-10, 4), 36, 405);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3e, 0x24, 0x10));
    p.drawEllipse(front, rx - 0.5, ry);
    p.setBrush(QColor(0xfc, 0xfb, 0xf6));
    p.drawEllipse(front, rx - 2.5, ry - 1.4);
    QLinearGradient inside(0, front.y() - ry, 0, front.y() + ry);
    inside.setColorAt(0, QColor(0xb4, 0xaa, 0x94));
    inside.setColorAt(0.5, QColor(0xe8, 0xe2, 0xd4));
    inside.setColorAt(1, QColor(0xff, 0xff, 0xfa));
    p.setBrush(inside);
    p.drawEllipse(front + QPointF(0, 0.8), rx - 7.5, ry - 4);
    highlight(p, back + QPointF(-11, -12), 4, 6, 200, 20);
}

// --- custard apple -------------------------------------------------------------------------

// Knobbly scales over a roundish body: a grid laid on a sphere and seen from the front, so the
// scales shrink towards the rim.
void paintScales(QPainter &p, const QPainterPath &shape, QPointF centre, qreal rx, qreal ry,
                 qreal cell) {
    const qreal R = qMax(rx, ry);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    QRadialGradient base(centre, R);
    base.setColorAt(0, QColor(0x7c, 0xa0, 0x40));
    base.setColorAt(1, QColor(0x2c, 0x48, 0x14));
    p.fillPath(shape, base);
    const int steps = int(R * 1.6 / cell) + 1;
    for (int j = -steps; j <= steps; ++j) {
        for (int i = -steps; i <= steps; ++i) {
            const QPointF g((i + (j % 2 != 0 ? 0.5 : 0.0)) * cell, j * cell * 0.87);
            const qreal s = qSqrt(g.x() * g.x() + g.y() * g.y());
            const qreal theta = s / R;
            if (theta > 1.5)
                continue;
            const qreal dirAngle = qAtan2(g.y(), g.x());
            const qreal shown = R * qSin(theta);
            const QPointF at(centre.x() + qCos(dirAngle) * shown * rx / R,
                             centre.y() + qSin(dirAngle) * shown * ry / R);
            p.save();
            p.translate(at);
            p.rotate(qRadiansToDegrees(dirAngle));
            const qreal half = cell * 0.56;
            p.scale(qMax(0.2, qCos(theta)), 1);
            QRadialGradient bump(QPointF(-half * 0.3, -half * 0.35), half * 1.2);
            const qreal shade = qBound(0.0, 0.25 + 0.5 * (at.x() - centre.x()) / R, 1.0);
            bump.setColorAt(0, mix(QColor(0xd8, 0xec, 0x9c), QColor(0xa6, 0xc4, 0x62), shade));
            bump.setColorAt(0.6, mix(QColor(0x8c, 0xb4, 0x4a), QColor(0x64, 0x8c, 0x30), shade));
            bump.setColorAt(1, QColor(0x3c, 0x5c, 0x1c));
            p.setPen(QPen(QColor(0x26, 0x3c, 0x10), 0.7));
            p.setBrush(bump);
            p.drawEllipse(QPointF(0, 0), half, half);
            p.restore();
        }
    }
    rimShade(p, shape, centre + QPointF(-R * 0.2, -R * 0.25), R * 1.25,
             QColor(0x10, 0x20, 0x04, 190), 0.5);
    p.restore();
}

void paintCustardApple(QPainter &p) {
    // A whole fruit behind, a half cut open in front.
    const QPointF whole(-17, -6);
    groundShadow(p, whole + QPointF(4, 30), 30, 6, 110);
    QPainterPath body;
    body.moveTo(whole + QPointF(0, -27));
    body.cubicTo(whole + QPointF(16, -31), whole + QPointF(29, -16), whole + QPointF(28, 0));
    body.cubicTo(whole + QPointF(27, 16), whole + QPointF(14, 30), whole + QPointF(1, 31));
    body.cubicTo(whole + QPointF(-12, 30), whole + QPointF(-27, 17), whole + QPointF(-28, 0));
    body.cubicTo(whole + QPointF(-29, -16), whole + QPointF(-16, -31), whole + QPointF(0, -27));
    body.closeSubpath();
    paintScales(p, body, whole + QPointF(0, 1), 28, 30, 8.5);
    highlight(p, whole + QPointF(-10, -12), 9, 7, 70, -20);
    QPainterPath stalk(whole + QPointF(0, -26));
    stalk.quadTo(whole + QPointF(1, -32), whole + QPointF(4, -35));
    strokePath(p, stalk, kStemBrown, 3);

    const QPointF half(20, 16);
    const qreal rx = 24, ry = 17;
    groundShadow(p, half + QPointF(3, 20), 30, 6, 130);
    QPainterPath skin = ellipsePath(half + QPointF(0, 5), rx, ry + 1);
    paintScales(p, skin, half + QPointF(0, 4), rx, ry + 2, 7.5);
    // The cut face: a green rind round creamy flesh with black seeds.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x80, 0x2a));
    p.drawEllipse(half, rx - 0.5, ry - 0.5);
    QRadialGradient cream(half + QPointF(-4, -3), rx);
    cream.setColorAt(0, QColor(0xff, 0xfd, 0xf2));
    cream.setColorAt(0.7, QColor(0xf6, 0xee, 0xd4));
    cream.setColorAt(1, QColor(0xe4, 0xd8, 0xb4));
    p.setBrush(cream);
    p.drawEllipse(half, rx - 2.5, ry - 2.3);
    p.setBrush(QColor(0xe8, 0xdc, 0xbc));
    p.drawEllipse(half, 3.5, 2.6);
    // Segments of flesh round the core, a seed in most of them.
    for (int k = 0; k < 10; ++k) {
        const qreal a = k * 2 * M_PI / 10 + 0.2;
        const QPointF dir(qCos(a), qSin(a));
        p.setPen(QPen(QColor(0xd8, 0xca, 0xa4, 160), 0.6));
        p.drawLine(half + QPointF(dir.x() * 4, dir.y() * 3),
                   half + QPointF(dir.x() * (rx - 3), dir.y() * (ry - 3)));
        if (k % 5 == 3)
            continue;
        const qreal reach = (k % 2 != 0) ? 0.62 : 0.45;
        const QPointF seedAt = half + QPointF(dir.x() * rx * reach, dir.y() * ry * reach) +
                               QPointF(qCos(a + 0.3) * 1.2, qSin(a + 0.3) * 1.2);
        p.save();
        p.translate(seedAt);
        p.rotate(qRadiansToDegrees(qAtan2(dir.y() * ry, dir.x() * rx)));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x12, 0x0e, 0x0c));
        p.drawEllipse(QPointF(0, 0), 3.0, 1.9);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(-0.6, -0.7), 1.1, 0.5);
        p.restore();
    }
}

// --- mango ---------------------------------------------------------------------------------

void paintMango(QPainter &p) {
    groundShadow(p, {2, 32}, 46, 7, 110);
    p.save();
    p.translate(0, 2);
    p.rotate(-12);
    QPainterPath body;
    body.moveTo(-42, 6);
    body.cubicTo(-44, -16, -20, -28, 6, -27);
    body.cubicTo(30, -26, 46, -14, 44, 2);
    body.cubicTo(42, 18, 26, 26, 4, 25);
    body.cubicTo(-12, 24, -18, 18, -27, 20);
    body.cubicTo(-36, 22, -41, 17, -42, 6);
    body.closeSubpath();
    QLinearGradient ripe(-34, 22, 34, -24);
    ripe.setColorAt(0, QColor(0x48, 0x92, 0x26));
    ripe.setColorAt(0.35, QColor(0x9c, 0xba, 0x30));
    ripe.setColorAt(0.58, QColor(0xf4, 0xb4, 0x28));
    ripe.setColorAt(0.8, QColor(0xea, 0x5c, 0x26));
    ripe.setColorAt(1, QColor(0xc2, 0x22, 0x24));
    p.fillPath(body, ripe);
    rimShade(p, body, QPointF(-4, -8), 50, QColor(0x30, 0x10, 0x00, 170), 0.45);
    scatterStrokes(p, body, 606, 60, 0, 0, 0.9, QColor(0xff, 0xf0, 0xb0, 110),
                   QColor(0xff, 0xff, 0xe0, 150));
    highlight(p, {-14, -12}, 16, 6, 170, -8);
    QPainterPath stem(QPointF(36, -17));
    stem.quadTo(40, -22, 44, -23);
    strokePath(p, stem, kStemBrown, 3);
    leaf(p, {42, -23}, -150, 30, 11, kLeafGreen);
    p.restore();
}

// --- orange --------------------------------------------------------------------------------

void paintOrange(QPainter &p) {
    const QPointF c(0, 3);
    const qreal r = 35;
    groundShadow(p, c + QPointF(6, r - 2), r + 6, 8, 130);
    const QPainterPath body = ellipsePath(c, r, r);
    QRadialGradient peel(c + QPointF(-12, -14), r * 1.45, c + QPointF(-13, -15));
    peel.setColorAt(0, QColor(0xff, 0xc8, 0x5a));
    peel.setColorAt(0.3, QColor(0xfc, 0x96, 0x14));
    peel.setColorAt(0.7, QColor(0xe2, 0x6e, 0x04));
    peel.setColorAt(1, QColor(0x94, 0x3c, 0x00));
    p.fillPath(body, peel);
    // Dimpled peel: tiny pits, each dark below and light above.
    Noise noise(808);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(noise.between(-r, r), noise.between(-r, r));
        if (at.x() * at.x() + at.y() * at.y() > r * r)
            continue;
        p.setBrush(QColor(0x8a, 0x3a, 0x00, 70));
        p.drawEllipse(c + at + QPointF(0.3, 0.3), 0.75, 0.75);
        p.setBrush(QColor(0xff, 0xe0, 0xa0, 60));
        p.drawEllipse(c + at - QPointF(0.4, 0.4), 0.5, 0.5);
    }
    // The stalk scar near the top.
    const QPointF scar = c + QPointF(5, -24);
    QRadialGradient scarShade(scar, 5);
    scarShade.setColorAt(0, QColor(0x90, 0x40, 0x00, 90));
    scarShade.setColorAt(1, QColor(0x90, 0x40, 0x00, 0));
    p.setBrush(scarShade);
    p.drawEllipse(scar, 5, 3.8);
    p.setBrush(QColor(0x7a, 0x80, 0x26));
    p.drawEllipse(scar, 1.8, 1.4);
    for (int k = 0; k < 5; ++k) {
        const qreal a = k * 2 * M_PI / 5 - 0.3;
        QPainterPath sepal(scar);
        sepal.lineTo(scar + QPointF(qCos(a) * 3.0, qSin(a) * 2.3));
        strokePath(p, sepal, QColor(0x5e, 0x6a, 0x1c), 0.9);
    }
    p.restore();
    highlight(p, c + QPointF(-13, -13), 9, 7, 170, -40);
    highlight(p, c + QPointF(-14, -14), 3, 2.2, 220, -40);
}

// --- pineapple -----------------------------------------------------------------------------

void paintPineapple(QPainter &p) {
    const QPointF c(-16, 8);
    const qreal rx = 35, ry = 24;
    groundShadow(p, c + QPointF(6, ry - 2), rx + 10, 7, 120);

    // The crown of spiky leaves fans out to the right of the body.
    const QPointF crown = c + QPointF(rx - 5, -1);
    struct Spike {
        qreal angle, length, width, shade;
    };
    static const Spike kSpikes[] = {
        {-48, 26, 6, 0.0}, {42, 24, 6, 0.0},  {-30, 34, 7, 0.2}, {26, 33, 7, 0.2},
        {-62, 18, 5, 0.3}, {58, 18, 5, 0.3},  {-14, 38, 7, 0.5}, {10, 38, 7, 0.5},
        {-2, 30, 7, 0.8},  {-36, 22, 6, 0.9}, {32, 22, 6, 0.9},
    };
    for (const Spike &s : kSpikes) {
        p.save();
        p.translate(crown);
        p.rotate(s.angle);
        QPainterPath spike;
        spike.moveTo(0, -s.width / 2);
        spike.quadTo(s.length * 0.6, -s.width * 0.4, s.length, 0);
        spike.quadTo(s.length * 0.6, s.width * 0.4, 0, s.width / 2);
        spike.closeSubpath();
        QLinearGradient g(0, -s.width / 2, 0, s.width / 2);
        const QColor green = mix(QColor(0x2a, 0x6a, 0x22), QColor(0x5c, 0xa0, 0x3a), s.shade);
        g.setColorAt(0, green.lighter(125));
        g.setColorAt(1, green.darker(150));
        p.fillPath(spike, g);
        p.restore();
    }

    // Body: a barrel of diamond-shaped segments on a golden skin, each with a dark eye. The
    // segments crowd together towards the top and bottom, where the barrel turns away.
    const QPainterPath body = roundedOval(c, rx, ry, 0.74);
    const auto onBarrel = [&](QPointF flat) {
        const qreal turn = qBound(-M_PI / 2, (flat.y() - c.y()) / ry, M_PI / 2);
        return QPointF(flat.x(), c.y() + ry * qSin(turn));
    };
    QRadialGradient gold(c + QPointF(-6, -10), rx * 1.2);
    gold.setColorAt(0, QColor(0xf6, 0xc8, 0x48));
    gold.setColorAt(0.6, QColor(0xd8, 0x94, 0x22));
    gold.setColorAt(1, QColor(0x7a, 0x4c, 0x10));
    p.fillPath(body, gold);
    p.save();
    p.setClipPath(body);
    const qreal dx = 10, dy = 11;
    for (int j = -7; j <= 7; ++j) {
        for (int i = -5; i <= 5; ++i) {
            const QPointF flat = c + QPointF(i * dx + (j % 2 != 0 ? dx / 2 : 0), j * dy * 0.5);
            const QPointF at = onBarrel(flat);
            QPolygonF diamond;
            diamond << onBarrel(flat + QPointF(0, -dy / 2)) << onBarrel(flat + QPointF(dx / 2, 0))
                    << onBarrel(flat + QPointF(0, dy / 2)) << onBarrel(flat + QPointF(-dx / 2, 0));
            const qreal depth = qAbs(at.y() - c.y()) / ry;
            QRadialGradient seg(at + QPointF(-1, -1.5), dx * 0.7);
            seg.setColorAt(0, QColor(0xfc, 0xd8, 0x5c, 200));
            seg.setColorAt(0.7, QColor(0xd6, 0x92, 0x20, 120));
            seg.setColorAt(1, QColor(0x8a, 0x6a, 0x1a, 150));
            p.setPen(QPen(QColor(0x5a, 0x56, 0x18), 0.9));
            p.setBrush(seg);
            p.drawPolygon(diamond);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x5a, 0x34, 0x0c));
            p.drawEllipse(at + QPointF(0, 1.2 * (1 - depth)), 1.4, qMax(0.3, 1.0 - depth));
        }
    }
    rimShade(p, body, c + QPointF(-6, -8), rx * 1.15, QColor(0x3a, 0x20, 0x04, 200), 0.5);
    p.restore();
    highlight(p, c + QPointF(-10, -11), 13, 5, 120, -8);
}

// --- papaya --------------------------------------------------------------------------------

// Half the papaya's thickness at t along its length (0 = blossom end, 1 = stalk end): round at
// both ends, broadest a third of the way along, tapering towards the stalk.
qreal papayaHalfWidth(qreal t) {
    return 27 * 2 * qSqrt(qMax(0.0, t * (1 - t))) * (1.15 - 0.55 * t);
}

constexpr qreal kPapayaFrom = -54, kPapayaLength = 105;

// A line along the papaya at `around` (-1 top edge, 0 middle, 1 bottom edge) of its round.
QPainterPath papayaLengthwise(qreal around, qreal fromT, qreal toT) {
    QPainterPath line;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = fromT + (toT - fromT) * i / steps;
        const QPointF at(kPapayaFrom + kPapayaLength * t,
                         papayaHalfWidth(t) * qSin(around * M_PI / 2));
        if (i == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    return line;
}

void paintPapaya(QPainter &p) {
    groundShadow(p, {-2, 30}, 50, 7, 110);
    p.save();
    p.translate(2, 3);
    p.rotate(-9);
    // The outline, with points crowded towards the round ends.
    QPolygonF outline;
    const int steps = 120;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = (1 - qCos(M_PI * i / steps)) / 2;
        outline << QPointF(kPapayaFrom + kPapayaLength * t, -papayaHalfWidth(t));
    }
    for (int i = steps; i >= 0; --i) {
        const qreal t = (1 - qCos(M_PI * i / steps)) / 2;
        outline << QPointF(kPapayaFrom + kPapayaLength * t, papayaHalfWidth(t));
    }
    QPainterPath body;
    body.addPolygon(outline);
    body.closeSubpath();

    QLinearGradient ripe(kPapayaFrom, 0, kPapayaFrom + kPapayaLength, 0);
    ripe.setColorAt(0, QColor(0xf6, 0x92, 0x18));
    ripe.setColorAt(0.5, QColor(0xfa, 0xb0, 0x22));
    ripe.setColorAt(0.78, QColor(0xec, 0xc0, 0x2a));
    ripe.setColorAt(1, QColor(0x8a, 0xa8, 0x2a));
    p.fillPath(body, ripe);
    QLinearGradient round(0, -26, 0, 26);
    round.setColorAt(0, QColor(0x60, 0x28, 0x00, 50));
    round.setColorAt(0.3, QColor(0x60, 0x28, 0x00, 0));
    round.setColorAt(0.6, QColor(0x60, 0x28, 0x00, 0));
    round.setColorAt(1, QColor(0x60, 0x28, 0x00, 170));
    p.fillPath(body, round);

    p.save();
    p.setClipPath(body);
    // Green streaks linger towards the stalk.
    Noise noise(1010);
    for (int i = 0; i < 10; ++i) {
        const qreal around = noise.between(-0.8, 0.8);
        const qreal from = noise.between(0.6, 0.8);
        strokePath(p, papayaLengthwise(around, from, from + noise.between(0.1, 0.25)),
                   QColor(0x6a, 0x9a, 0x22, 70), noise.between(1.2, 2.6));
    }
    // Shallow ribs running from end to end.
    for (qreal around : {-0.55, -0.15, 0.25, 0.65}) {
        strokePath(p, papayaLengthwise(around, 0.04, 0.97), QColor(0xa0, 0x50, 0x00, 32), 1.6);
        strokePath(p, papayaLengthwise(around - 0.08, 0.04, 0.97), QColor(0xff, 0xf0, 0xa0, 45),
                   1.2);
    }
    p.restore();
    rimShade(p, body, QPointF(-14, -6), 58, QColor(0x50, 0x20, 0x00, 130), 0.6);
    highlight(p, {-24, -12}, 17, 4.5, 170, -3);
    // Stalk at the narrow end, the blossom scar at the broad end.
    QPainterPath stalk(QPointF(kPapayaFrom + kPapayaLength - 1, 0));
    stalk.lineTo(kPapayaFrom + kPapayaLength + 4, -1);
    strokePath(p, stalk, QColor(0x5a, 0x6a, 0x20), 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x48, 0x14, 170));
    p.drawEllipse(QPointF(kPapayaFrom + 1.2, 0), 1.3, 1.8);
    p.restore();
}

// --- flat peach ----------------------------------------------------------------------------

void paintPeach(QPainter &p) {
    const QPointF c(0, 5);
    const qreal rx = 41, ry = 22;
    groundShadow(p, c + QPointF(5, ry - 2), rx + 6, 7, 120);
    // Wide and flat, squarer than an ellipse, the top dipping where the hollow is.
    QPainterPath body(c + QPointF(0, -ry + 3));
    body.cubicTo(c + QPointF(8, -ry - 0.5), c + QPointF(rx * 0.6, -ry - 0.5),
                 c + QPointF(rx * 0.82, -ry * 0.75));
    body.cubicTo(c + QPointF(rx * 1.02, -ry * 0.5), c + QPointF(rx, -ry * 0.25),
                 c + QPointF(rx, 0));
    body.cubicTo(c + QPointF(rx, ry * 0.66), c + QPointF(rx * 0.66, ry), c + QPointF(0, ry));
    body.cubicTo(c + QPointF(-rx * 0.66, ry), c + QPointF(-rx, ry * 0.66), c + QPointF(-rx, 0));
    body.cubicTo(c + QPointF(-rx, -ry * 0.25), c + QPointF(-rx * 1.02, -ry * 0.5),
                 c + QPointF(-rx * 0.82, -ry * 0.75));
    body.cubicTo(c + QPointF(-rx * 0.6, -ry - 0.5), c + QPointF(-8, -ry - 0.5),
                 c + QPointF(0, -ry + 3));
    body.closeSubpath();
    QRadialGradient yellow(c + QPointF(-10, -8), rx * 1.2);
    yellow.setColorAt(0, QColor(0xff, 0xe6, 0x8c));
    yellow.setColorAt(0.6, QColor(0xf8, 0xc0, 0x48));
    yellow.setColorAt(1, QColor(0xc8, 0x82, 0x1c));
    p.fillPath(body, yellow);
    // Red blush over most of the fruit, breaking up into fine specks at its edge.
    p.save();
    p.setClipPath(body);
    const QPointF blushAt = c + QPointF(14, -2);
    QRadialGradient blush(blushAt, 34);
    blush.setColorAt(0, QColor(0xd8, 0x26, 0x36, 225));
    blush.setColorAt(0.55, QColor(0xdc, 0x30, 0x3a, 165));
    blush.setColorAt(1, QColor(0xe0, 0x38, 0x3a, 0));
    p.fillPath(body, blush);
    Noise noise(1111);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 320; ++i) {
        const qreal a = noise.between(0, 2 * M_PI);
        const qreal d = noise.between(18, 38);
        p.setBrush(QColor(0xc8, 0x1c, 0x24, int(noise.between(60, 140))));
        p.drawEllipse(blushAt + QPointF(qCos(a) * d, qSin(a) * d * 0.75), 0.55, 0.55);
    }
    rimShade(p, body, c + QPointF(-6, -6), rx * 1.15, QColor(0x60, 0x10, 0x08, 170), 0.55);

    // The hollow in the middle: its far wall in shade, the rim round it catching the light.
    const QPointF hollow = c + QPointF(0, -5);
    highlight(p, hollow + QPointF(-3, -7), 18, 4, 90);
    p.save();
    p.translate(hollow);
    p.scale(1, 0.42);
    QRadialGradient wall(QPointF(0, -3), 14);
    wall.setColorAt(0, QColor(0x5a, 0x0c, 0x0a, 215));
    wall.setColorAt(0.5, QColor(0x70, 0x12, 0x0e, 120));
    wall.setColorAt(1, QColor(0x8a, 0x1c, 0x14, 0));
    p.setBrush(wall);
    p.drawEllipse(QPointF(0, 0), 14, 14);
    p.restore();
    highlight(p, hollow + QPointF(1, 4.5), 12, 2.2, 110);
    p.setBrush(QColor(0x5a, 0x36, 0x14));
    p.drawEllipse(hollow + QPointF(0, 0.5), 2.0, 1.3);
    p.restore();
    leaf(p, hollow + QPointF(-5, -1.5), -160, 18, 8, kLeafGreen);
    // Velvet: a soft, broad sheen rather than a sharp glint.
    highlight(p, c + QPointF(-22, -6), 11, 8, 110, -15);
}

// --- pears ---------------------------------------------------------------------------------

void paintPear(QPainter &p, QPointF at, qreal angle, qreal scale, std::uint32_t seed,
               qreal leafAngle) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    QPainterPath body;
    body.moveTo(0, -34);
    body.cubicTo(8, -34, 10, -22, 12, -12);
    body.cubicTo(14, -4, 25, 0, 25, 16);
    body.cubicTo(25, 32, 12, 38, 0, 38);
    body.cubicTo(-12, 38, -25, 32, -25, 16);
    body.cubicTo(-25, 0, -14, -4, -12, -12);
    body.cubicTo(-10, -22, -8, -34, 0, -34);
    body.closeSubpath();
    QRadialGradient yellow(QPointF(-8, 8), 38, QPointF(-9, 6));
    yellow.setColorAt(0, QColor(0xff, 0xf2, 0x8a));
    yellow.setColorAt(0.45, QColor(0xf2, 0xd4, 0x30));
    yellow.setColorAt(0.85, QColor(0xc4, 0x98, 0x12));
    yellow.setColorAt(1, QColor(0x7a, 0x58, 0x06));
    p.fillPath(body, yellow);
    QLinearGradient neck(0, -34, 0, 0);
    neck.setColorAt(0, QColor(0x8a, 0xaa, 0x20, 150));
    neck.setColorAt(1, QColor(0x8a, 0xaa, 0x20, 0));
    p.fillPath(body, neck);
    rimShade(p, body, QPointF(-6, 8), 40, QColor(0x5a, 0x3c, 0x00, 150), 0.6);
    scatterStrokes(p, body, seed, 90, 0, 0, 0.9, QColor(0x7a, 0x50, 0x10, 120),
                   QColor(0x9a, 0x70, 0x20, 90));
    highlight(p, {-10, 10}, 6, 11, 150, 10);
    QPainterPath stem(QPointF(0, -33));
    stem.quadTo(1, -40, 5, -45);
    strokePath(p, stem, kStemBrown, 3);
    leaf(p, {3, -40}, leafAngle, 24, 11, kLeafGreen);
    p.restore();
}

void paintPears(QPainter &p) {
    groundShadow(p, {-18, 41}, 24, 5, 130);
    groundShadow(p, {22, 43}, 24, 5, 130);
    paintPear(p, {-21, 6}, -12, 0.92, 1212, -150);
    paintPear(p, {20, 8}, 9, 0.96, 1213, -30);
}

} // namespace

const std::array<FruitPicture, 12> &fruitPictures() {
    static const std::array<FruitPicture, 12> pictures = {{
        {"apple.jpg", {60, 50}, QColor(0xd8, 0xd8, 0xd8), paintApple},
        {"banana.jpg", {60, 50}, kWhiteGround, paintBanana},
        {"blackgrapes.jpg", {60, 49}, kWhiteGround, paintBlackGrapes},
        {"cherry.jpg", {60, 49}, kWhiteGround, paintCherry},
        {"coconut.jpg", {61, 49}, kWhiteGround, paintCoconut},
        {"custardapple.jpg", {60, 51}, kWhiteGround, paintCustardApple},
        {"mango.jpg", {60, 50}, kWhiteGround, paintMango},
        {"orange.jpg", {61, 49}, QColor(0xa4, 0xa4, 0xa4), paintOrange},
        {"paneapple.jpg", {60, 51}, kWhiteGround, paintPineapple},
        {"papaya.jpg", {61, 50}, kWhiteGround, paintPapaya},
        {"peach.jpg", {60, 50}, kWhiteGround, paintPeach},
        {"pear.jpg", {60, 51}, QColor(0x46, 0x76, 0xc6), paintPears},
    }};
    return pictures;
}

void paintFruitPicture(QPainter &p, const FruitPicture &fruit, const QRectF &area) {
    p.save();
    // The ground: a touch lighter at the back than at the front.
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0, fruit.ground.lighter(104));
    ground.setColorAt(1, fruit.ground.darker(106));
    p.fillRect(area, ground);
    p.setClipRect(area);
    p.translate(area.center());
    const qreal unit = area.height() / 100.0;
    p.scale(unit, unit);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    fruit.paintFruit(p);
    p.restore();
}
