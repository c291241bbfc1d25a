// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace tilora::artwork {
namespace {

constexpr int kSide = 320;

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// A ground that changes along both axes, blended from four corner colours. It makes
// every block of the picture differ from its neighbours even where no detail falls.
QImage CornerGradient(int side, const std::array<QColor, 4>& corners)  // TL, TR, BL, BR
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        const double v = static_cast<double>(y) / (side - 1);
        const QColor left = Mix(corners[0], corners[2], v);
        const QColor right = Mix(corners[1], corners[3], v);
        for (int x = 0; x < side; ++x)
            image.setPixelColor(x, y, Mix(left, right, static_cast<double>(x) / (side - 1)));
    }
    return image;
}

QColor Bright(Sequence& seq)
{
    return QColor::fromHsv(seq.Between(0, 359), seq.Between(150, 255), seq.Between(170, 255));
}

void Antialiased(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// An irregular rounded stone: a polygon with a wobbling radius.
QPolygonF Stone(QPointF centre, double radius, Sequence& seq)
{
    QPolygonF polygon;
    const int corners = seq.Between(7, 10);
    const double turn = seq.Unit() * 2 * std::numbers::pi;
    for (int i = 0; i < corners; ++i) {
        const double a = turn + 2 * std::numbers::pi * i / corners;
        const double r = radius * (0.72 + 0.38 * seq.Unit());
        polygon << centre + QPointF(std::cos(a) * r, std::sin(a) * r * 0.8);
    }
    return polygon;
}

void Bee(QPainter& p, QPointF at, double size, double angle)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(QColor(60, 60, 80), 0.8));
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(-size * 0.2, -size * 0.55), size * 0.35, size * 0.45);
    p.drawEllipse(QPointF(size * 0.25, -size * 0.5), size * 0.3, size * 0.4);
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(QColor(250, 200, 20));
    p.drawEllipse(QPointF(0, 0), size * 0.75, size * 0.45);
    p.setPen(QPen(Qt::black, size * 0.16));
    for (const double x : {-0.3, 0.05, 0.4})
        p.drawLine(QPointF(x * size, -size * 0.38), QPointF(x * size, size * 0.38));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(size * 0.78, 0), size * 0.22, size * 0.22);
    p.restore();
}

}  // namespace

QImage Bars(int factor)
{
    QImage image = CornerGradient(kSide * factor, {QColor(255, 190, 215), QColor(170, 215, 255), QColor(255, 240, 150),
                                          QColor(185, 160, 250)});
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    Sequence seq(101);

    // Fine diagonal stripes over the ground, like a wrapper's print.
    p.setPen(QPen(QColor(255, 255, 255, 70), 3));
    for (int d = -kSide; d < kSide; d += 14)
        p.drawLine(d, 0, d + kSide, kSide);

    // The bars: rounded candy bars lying at angles, with wrapper bands and segments.
    struct BarSpec {
        QPointF centre;
        double length, width, angle;
    };
    const BarSpec bars[] = {
        {{80, 70}, 190, 46, -28}, {{230, 90}, 170, 40, 35},  {{150, 165}, 230, 50, -8},
        {{70, 250}, 160, 42, 52}, {{235, 250}, 180, 44, -40}, {{290, 175}, 120, 30, 80},
        {{40, 150}, 110, 28, 95},
    };
    for (const BarSpec& bar : bars) {
        const QColor colour = Bright(seq);
        p.save();
        p.translate(bar.centre);
        p.rotate(bar.angle);
        const QRectF body(-bar.length / 2, -bar.width / 2, bar.length, bar.width);
        QLinearGradient shade(0, -bar.width / 2, 0, bar.width / 2);
        shade.setColorAt(0, colour.lighter(150));
        shade.setColorAt(0.5, colour);
        shade.setColorAt(1, colour.darker(170));
        p.setPen(QPen(colour.darker(250), 2));
        p.setBrush(shade);
        p.drawRoundedRect(body, 9, 9);
        // Segments of the bar.
        p.setPen(QPen(colour.darker(200), 1.5));
        for (double x = body.left() + 22; x < body.right() - 10; x += 22)
            p.drawLine(QPointF(x, body.top() + 4), QPointF(x, body.bottom() - 4));
        // A wrapper band with a zigzag edge.
        const QColor band = Bright(seq);
        p.setPen(QPen(band.darker(180), 1.5));
        p.setBrush(band);
        QPolygonF wrap;
        const double w0 = body.left() + bar.length * 0.55;
        const double w1 = body.right() - 2;
        wrap << QPointF(w0, body.top() - 3);
        for (int k = 0; k <= 6; ++k)
            wrap << QPointF(w0 + (k % 2 ? 6 : 0), body.top() - 3 + (bar.width + 6) * k / 6.0);
        wrap << QPointF(w1, body.bottom() + 3) << QPointF(w1, body.top() - 3);
        p.drawPolygon(wrap);
        p.setPen(QPen(band.lighter(160), 2));
        for (double x = w0 + 12; x < w1 - 4; x += 9)
            p.drawLine(QPointF(x, body.top()), QPointF(x - 5, body.bottom()));
        p.restore();
    }

    // Wrapped sweets and round candies everywhere, so no block is without detail.
    for (int i = 0; i < 260; ++i) {
        const QPointF at(seq.Between(0, kSide - 1), seq.Between(0, kSide - 1));
        const QColor colour = Bright(seq);
        p.setPen(QPen(colour.darker(220), 0.8));
        p.setBrush(colour);
        if (i % 3 == 0) {
            p.save();
            p.translate(at);
            p.rotate(seq.Between(0, 179));
            p.drawEllipse(QPointF(0, 0), 4.5, 3.2);
            p.drawPolygon(QPolygonF({QPointF(-4, 0), QPointF(-8, -3), QPointF(-8, 3)}));
            p.drawPolygon(QPolygonF({QPointF(4, 0), QPointF(8, -3), QPointF(8, 3)}));
            p.restore();
        } else {
            const double r = seq.Between(15, 35) / 10.0;
            p.drawEllipse(at, r, r);
        }
    }
    return image;
}

QImage Flintstones(int factor)
{
    QImage image = CornerGradient(kSide * factor, {QColor(90, 150, 225), QColor(250, 185, 120), QColor(185, 140, 85),
                                          QColor(120, 85, 60)});
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    Sequence seq(202);
    constexpr double horizon = 150;

    // The sky runs from deep blue at the top left to gold at the bottom right, so that sky
    // blocks differ from their neighbours both ways.
    QLinearGradient sky(0, 0, kSide, horizon);
    sky.setColorAt(0, QColor(20, 30, 150, 160));
    sky.setColorAt(0.5, QColor(210, 110, 190, 70));
    sky.setColorAt(1, QColor(255, 210, 60, 170));
    p.fillRect(QRectF(0, 0, kSide, horizon), sky);

    // The sun and its rays.
    p.setPen(QPen(QColor(255, 230, 120), 3));
    for (int k = 0; k < 12; ++k) {
        const double a = k * std::numbers::pi / 6;
        p.drawLine(QPointF(262 + 34 * std::cos(a), 52 + 34 * std::sin(a)),
                   QPointF(262 + 48 * std::cos(a), 52 + 48 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 70));
    p.drawEllipse(QPointF(262, 52), 27, 27);

    // Clouds and birds in the sky.
    for (int i = 0; i < 6; ++i) {
        const QPointF at(seq.Between(10, 300), seq.Between(12, 95));
        p.setBrush(QColor(255, 255, 255, 150));
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(at + QPointF(k * 9 - 14, (k % 2) * -5), 11, 8);
    }
    p.setBrush(Qt::NoBrush);
    // A flock spread over the whole sky: one bird in every 32-pixel square and a few more.
    for (int i = 0; i < 65; ++i) {
        const QPointF at = i < 50 ? QPointF((i % 10) * 32 + seq.Between(7, 25), (i / 10) * 28 + seq.Between(6, 22))
                                  : QPointF(seq.Between(4, 316), seq.Between(6, 135));
        const double w = seq.Between(3, 7);
        p.setPen(QPen(QColor(40, 30, 50), 1.2));
        p.drawPolyline(QPolygonF({at + QPointF(-w, -w / 2), at, at + QPointF(w, -w / 2)}));
    }

    // Mountains and a smoking volcano on the horizon.
    // Their slopes change colour from left to right and carry ridges and shrubs, so that
    // the blocks along the horizon differ from each other.
    const QPolygonF range({QPointF(-10, horizon + 10), QPointF(40, 95), QPointF(85, 130), QPointF(120, 85),
                           QPointF(175, horizon + 10)});
    const QPolygonF volcano({QPointF(150, horizon + 10), QPointF(205, 80), QPointF(225, 80), QPointF(300, horizon + 10)});
    QLinearGradient rangeShade(0, 85, 175, horizon);
    rangeShade.setColorAt(0, QColor(90, 80, 160));
    rangeShade.setColorAt(0.5, QColor(150, 95, 130));
    rangeShade.setColorAt(1, QColor(95, 130, 90));
    QLinearGradient volcanoShade(150, 80, 300, horizon);
    volcanoShade.setColorAt(0, QColor(190, 90, 60));
    volcanoShade.setColorAt(1, QColor(90, 60, 95));
    p.setPen(QPen(QColor(60, 40, 50), 1.5));
    p.setBrush(rangeShade);
    p.drawPolygon(range);
    p.setBrush(volcanoShade);
    p.drawPolygon(volcano);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(seq.Between(0, 300), seq.Between(88, static_cast<int>(horizon) + 8));
        if (!range.containsPoint(at, Qt::OddEvenFill) && !volcano.containsPoint(at, Qt::OddEvenFill))
            continue;
        if (i % 3 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, seq.Between(80, 130), 40));
            p.drawPolygon(QPolygonF({at, at + QPointF(-3, 8), at + QPointF(3, 8)}));
        } else {
            p.setPen(QPen(QColor(50, 30, 40, 170), 1.2));
            p.drawLine(at, at + QPointF(seq.Between(-9, 9), seq.Between(3, 8)));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 40));
    p.drawPolygon(QPolygonF({QPointF(205, 80), QPointF(225, 80), QPointF(220, 100), QPointF(210, 96)}));
    for (int k = 0; k < 6; ++k) {
        p.setBrush(QColor(120, 110, 120, 150 - k * 15));
        p.drawEllipse(QPointF(213 - k * 9, 68 - k * 11), 8 + k * 2, 6 + k * 2);
    }

    // The ground, darker and warmer to the right and downwards.
    QLinearGradient ground(0, horizon, kSide, kSide);
    ground.setColorAt(0, QColor(205, 165, 95, 200));
    ground.setColorAt(1, QColor(115, 80, 50, 200));
    p.setBrush(ground);
    p.drawRect(QRectF(0, horizon, kSide, kSide - horizon));

    // A stone hut on the left.
    p.setPen(QPen(QColor(50, 45, 45), 2));
    p.setBrush(QColor(150, 145, 140));
    p.drawChord(QRectF(16, 160, 96, 90), 0, 180 * 16);
    p.setBrush(QColor(45, 30, 25));
    p.drawChord(QRectF(50, 185, 30, 40), 0, 180 * 16);
    p.setPen(QPen(QColor(90, 85, 80), 1.2));
    for (int k = 0; k < 4; ++k)
        p.drawArc(QRectF(26 + k * 8, 170 + k * 7, 76 - k * 16, 70), 20 * 16, 140 * 16);

    // Flint stones of every size all over the ground.
    for (int i = 0; i < 95; ++i) {
        const QPointF at(seq.Between(0, kSide), seq.Between(static_cast<int>(horizon) + 4, kSide));
        const double r = seq.Between(5, 18) * (0.5 + (at.y() - horizon) / (kSide - horizon));
        const int grey = seq.Between(90, 200);
        const QColor stone(grey, grey - seq.Between(0, 20), grey + seq.Between(-10, 25));
        const QPolygonF shape = Stone(at, r, seq);
        p.setPen(QPen(stone.darker(260), 1.2));
        p.setBrush(stone);
        p.drawPolygon(shape);
        p.setPen(QPen(stone.lighter(150), 1.2));
        p.drawLine(shape[0], shape[1]);
        p.setPen(QPen(stone.darker(170), 1));
        p.drawLine(shape[2], (shape[2] + at) / 2);
    }
    // Grass tufts and pebbles in between.
    for (int i = 0; i < 140; ++i) {
        const QPointF at(seq.Between(0, kSide), seq.Between(static_cast<int>(horizon) + 6, kSide));
        if (i % 2 == 0) {
            p.setPen(QPen(QColor(70, seq.Between(110, 160), 40), 1.3));
            for (int k = -1; k <= 1; ++k)
                p.drawLine(at, at + QPointF(k * 3, -6));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 45, 35));
            p.drawEllipse(at, 1.5, 1.2);
        }
    }
    return image;
}

QImage HoneyPot(int factor)
{
    QImage image = CornerGradient(kSide * factor, {QColor(255, 240, 150), QColor(255, 190, 110), QColor(185, 225, 130),
                                          QColor(240, 150, 80)});
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    Sequence seq(303);

    // A honeycomb over the whole ground, some of its cells full of honey.
    constexpr double r = 13;
    const double w = std::sqrt(3.0) * r;
    for (int row = -1; row * 1.5 * r < kSide + r; ++row) {
        for (int col = -1; col * w < kSide + w; ++col) {
            const QPointF c(col * w + (row % 2 ? w / 2 : 0), row * 1.5 * r);
            QPolygonF hex;
            for (int k = 0; k < 6; ++k) {
                const double a = std::numbers::pi / 6 + k * std::numbers::pi / 3;
                hex << c + QPointF(std::cos(a) * (r - 1), std::sin(a) * (r - 1));
            }
            p.setPen(QPen(QColor(170, 100, 20, 150), 1.5));
            p.setBrush(seq.Between(0, 2) == 0 ? QBrush(QColor(235, 150, 20, 150)) : QBrush(Qt::NoBrush));
            p.drawPolygon(hex);
        }
    }

    // The pot: a round belly, a neck and a rim with honey running over it.
    QRadialGradient belly(QPointF(135, 175), 110);
    belly.setColorAt(0, QColor(230, 140, 60));
    belly.setColorAt(1, QColor(120, 55, 20));
    p.setPen(QPen(QColor(70, 30, 10), 2.5));
    p.setBrush(belly);
    p.drawEllipse(QPointF(160, 200), 92, 84);
    p.setBrush(QColor(150, 75, 30));
    p.drawRect(QRectF(105, 100, 110, 28));
    p.setBrush(QColor(175, 95, 40));
    p.drawRoundedRect(QRectF(95, 88, 130, 18), 8, 8);
    QPainterPath honey;
    honey.moveTo(97, 96);
    for (int k = 0; k <= 8; ++k) {
        const double x = 100 + k * 15;
        const double drip = (k % 3 == 1) ? 45 : (k % 2 ? 20 : 8);
        honey.quadTo(x + 3, 100 + drip, x + 7, 100);
    }
    honey.lineTo(224, 92);
    honey.lineTo(97, 92);
    p.setPen(QPen(QColor(190, 110, 0), 1));
    p.setBrush(QColor(250, 185, 20));
    p.drawPath(honey);
    // Painted dots round the belly, brighter to the left, so no two parts of it look alike.
    {
        Sequence dots(313);
        for (int k = 0; k < 110; ++k) {
            const double a = dots.Unit() * 2 * std::numbers::pi;
            const double rr = std::sqrt(dots.Unit()) * 80;
            const QPointF at(160 + std::cos(a) * rr, 200 + std::sin(a) * rr * 0.9);
            if (at.y() < 130)
                continue;
            const int light = static_cast<int>(255 - (at.x() - 80) * 0.7);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(light, light * 3 / 4, 60 + k % 80, 200));
            p.drawEllipse(at, 2.0 + k % 3, 2.0 + k % 3);
        }
        QLinearGradient side(68, 0, 252, 0);
        side.setColorAt(0, QColor(255, 230, 180, 70));
        side.setColorAt(1, QColor(40, 10, 0, 110));
        p.setBrush(side);
        p.drawEllipse(QPointF(160, 200), 91, 83);
    }
    // The label with a bee and a word on it.
    p.setPen(QPen(QColor(90, 50, 20), 2));
    p.setBrush(QColor(250, 240, 210));
    p.drawRoundedRect(QRectF(110, 170, 100, 58), 10, 10);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(QColor(120, 50, 10));
    p.drawText(QRectF(110, 195, 100, 30), Qt::AlignCenter, QStringLiteral("HONEY"));
    Bee(p, QPointF(160, 186), 11, -10);
    // Highlights on the belly.
    p.setPen(QPen(QColor(255, 220, 170, 170), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(85, 135, 150, 140), 120 * 16, 40 * 16);

    // Flowers along the bottom edge.
    for (int i = 0; i < 9; ++i) {
        const QPointF at(18 + i * 36 + seq.Between(-6, 6), 300 + seq.Between(-8, 8));
        const QColor petal = Bright(seq);
        p.setPen(QPen(petal.darker(180), 0.8));
        p.setBrush(petal);
        for (int k = 0; k < 6; ++k) {
            const double a = k * std::numbers::pi / 3;
            p.drawEllipse(at + QPointF(std::cos(a) * 6, std::sin(a) * 6), 4, 4);
        }
        p.setBrush(QColor(250, 210, 40));
        p.drawEllipse(at, 3.5, 3.5);
    }

    // Bees flying everywhere, with dotted trails.
    for (int i = 0; i < 30; ++i) {
        QPointF at(seq.Between(10, 310), seq.Between(10, 300));
        if (QLineF(at, QPointF(160, 190)).length() < 95)
            at.setY(at.y() < 190 ? at.y() - 90 : at.y() + 95);
        const double angle = seq.Between(-60, 60);
        p.setPen(QPen(QColor(80, 60, 30), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(at.x() - 30, at.y() - 6, 28, 16), 0, 180 * 16);
        Bee(p, at, seq.Between(6, 10), angle);
    }
    return image;
}

QImage Doughnuts(int factor)
{
    QImage image = CornerGradient(kSide * factor, {QColor(175, 230, 220), QColor(255, 205, 190), QColor(220, 195, 250),
                                          QColor(250, 240, 170)});
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    Sequence seq(404);

    // Polka dots on the ground.
    p.setPen(Qt::NoPen);
    for (int y = 8; y < kSide; y += 16)
        for (int x = (y / 16) % 2 ? 16 : 8; x < kSide; x += 16) {
            p.setBrush(QColor(255, 255, 255, 60 + (x + 2 * y) % 90));
            p.drawEllipse(QPointF(x, y), 2.5, 2.5);
        }

    const QColor glazes[] = {QColor(245, 130, 180), QColor(110, 60, 35),  QColor(250, 245, 235),
                             QColor(120, 190, 245), QColor(250, 215, 70), QColor(150, 220, 120),
                             QColor(200, 120, 230), QColor(240, 90, 80),  QColor(255, 170, 90)};
    const QColor sprinkles[] = {Qt::red, Qt::blue, QColor(20, 170, 60), QColor(255, 220, 0), Qt::white,
                                QColor(255, 120, 0), QColor(150, 40, 200), QColor(0, 190, 210)};
    int n = 0;
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col, ++n) {
            const QPointF c(56 + col * 104 + (row == 1 ? 14 : -4) + seq.Between(-5, 5), 56 + row * 104 + seq.Between(-5, 5));
            const double outer = 46 + seq.Between(-3, 3);
            const double hole = 14;
            // The dough ring.
            QPainterPath dough;
            dough.addEllipse(c, outer, outer * 0.95);
            dough.addEllipse(c, hole, hole * 0.95);
            QRadialGradient baked(c, outer);
            baked.setColorAt(0.3, QColor(235, 180, 110));
            baked.setColorAt(1, QColor(175, 110, 55));
            p.setPen(QPen(QColor(110, 65, 30), 1.5));
            p.setBrush(baked);
            p.drawPath(dough);
            // The glaze with a wavy edge.
            QPainterPath glaze;
            QPolygonF edge;
            for (int k = 0; k < 48; ++k) {
                const double a = 2 * std::numbers::pi * k / 48;
                const double rr = outer * (0.82 + 0.06 * std::sin(a * 7 + n));
                edge << c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.95);
            }
            glaze.addPolygon(edge);
            glaze.closeSubpath();
            glaze.addEllipse(c, hole + 4, (hole + 4) * 0.95);
            const QColor g = glazes[n % 9];
            p.setPen(QPen(g.darker(150), 1));
            p.setBrush(g);
            p.drawPath(glaze);
            // A shine on the glaze.
            p.setPen(QPen(QColor(255, 255, 255, 140), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(c.x() - outer * 0.6, c.y() - outer * 0.6, outer * 1.2, outer * 1.2), 100 * 16, 50 * 16);
            // Sprinkles on the glaze.
            for (int k = 0; k < 45; ++k) {
                const double a = seq.Unit() * 2 * std::numbers::pi;
                const double rr = hole + 7 + seq.Unit() * (outer * 0.78 - hole - 9);
                const QPointF at = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
                const double t = seq.Unit() * std::numbers::pi;
                p.setPen(QPen(sprinkles[seq.Between(0, 7)], 2.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(at, at + QPointF(std::cos(t) * 4, std::sin(t) * 4));
            }
        }
    }
    // Crumbs and stray sprinkles on the ground between the doughnuts.
    for (int k = 0; k < 160; ++k) {
        const QPointF at(seq.Between(0, kSide), seq.Between(0, kSide));
        const double t = seq.Unit() * std::numbers::pi;
        p.setPen(QPen(sprinkles[seq.Between(0, 7)], 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(std::cos(t) * 3.5, std::sin(t) * 3.5));
    }
    return image;
}

QImage Title(int factor)
{
    constexpr int side = 160;
    QImage image = CornerGradient(side * factor, {QColor(255, 245, 120), QColor(255, 230, 80), QColor(255, 235, 100),
                                         QColor(250, 215, 60)});
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    Sequence seq(505);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 120; ++i) {
        p.setBrush(Bright(seq));
        const double r = seq.Between(12, 40) / 10.0;
        p.drawEllipse(QPointF(seq.Between(0, side), seq.Between(0, side)), r, r);
    }

    QFont greeting(QStringLiteral("DejaVu Serif"));
    greeting.setItalic(true);
    greeting.setBold(true);
    greeting.setPixelSize(19);
    p.setFont(greeting);
    p.setPen(QColor(150, 40, 30));
    p.drawText(QRectF(0, 18, side, 30), Qt::AlignCenter, QStringLiteral("Welcome to"));

    // The name in green slanted lettering with a dark outline, like a hand-lettered sign.
    QFont script(QStringLiteral("DejaVu Serif"));
    script.setItalic(true);
    script.setBold(true);
    script.setPixelSize(42);
    QPainterPath name;
    name.addText(0, 0, script, QStringLiteral("Tilora"));
    const QRectF box = name.boundingRect();
    p.translate(side / 2.0 - box.center().x(), 92 - box.center().y());
    p.shear(-0.12, 0);
    p.setPen(QPen(QColor(20, 80, 20), 2.5));
    p.setBrush(QColor(40, 170, 50));
    p.drawPath(name);
    p.setTransform(QTransform::fromScale(factor, factor));
    p.setPen(QPen(QColor(40, 150, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 120), QPointF(130, 120));
    p.setFont(greeting);
    p.setPen(QColor(150, 40, 30));
    p.drawText(QRectF(0, 124, side, 30), Qt::AlignCenter, QStringLiteral("Have fun!"));
    return image;
}

QImage Pause(int factor)
{
    QImage image(kSide * factor, kSide * factor, QImage::Format_RGB32);
    image.fill(QColor(246, 246, 238));
    // A fine, even dot screen; a dot is a square of `factor` pixels a side.
    for (int y = 1; y < kSide; y += 3)
        for (int x = (y / 3) % 2 ? 2 : 0; x < kSide; x += 4)
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    image.setPixelColor(x * factor + dx, y * factor + dy, QColor(190, 190, 200));
    QPainter p(&image);
    Antialiased(p);
    p.scale(factor, factor);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(84);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 40, kSide, 110), Qt::AlignCenter, QStringLiteral("GAME"));
    font.setPixelSize(68);
    p.setFont(font);
    p.drawText(QRectF(0, 165, kSide, 110), Qt::AlignCenter, QStringLiteral("PAUSED"));
    return image;
}

QImage Icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Antialiased(p);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient ground(0, 0, 64, 64);
    ground.setColorAt(0, QColor(40, 110, 200));
    ground.setColorAt(1, QColor(20, 60, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    // Three by three tiles, the bottom-right one missing and its neighbour on the way in.
    const QColor tiles[] = {QColor(250, 200, 60), QColor(245, 130, 60), QColor(230, 70, 90), QColor(120, 200, 90),
                            QColor(250, 235, 120), QColor(245, 160, 200), QColor(70, 190, 200), QColor(170, 130, 230)};
    for (int i = 0; i < 8; ++i) {
        const int row = i / 3;
        const int col = i % 3;
        const double shift = i == 7 ? 5 : 0;
        p.setBrush(tiles[i]);
        p.drawRoundedRect(QRectF(7 + col * 17 + shift, 7 + row * 17, 16, 16), 3, 3);
    }
    return image;
}

}  // namespace tilora::artwork
