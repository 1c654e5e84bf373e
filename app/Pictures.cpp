#include "app/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Ink(0x23, 0x3a, 0x66);        // deep blue: frame, title
const QColor Terracotta(0xa4, 0x49, 0x2e); // the key pattern and the Greek
const QColor Gold(0xc9, 0xa2, 0x4a);

void paintParchment(QPainter& p, const QRect& area) {
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, QColor(0xfa, 0xf4, 0xe4));
    shade.setColorAt(1, QColor(0xec, 0xe0, 0xc4));
    p.fillRect(area, shade);
}

// A band of the Greek key between two rules, from left to right at the given top.
void paintKeyBand(QPainter& p, qreal left, qreal right, qreal top) {
    const qreal s = 1.2; // one step of the pattern's grid; a unit is 10 steps wide, 8 high
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Terracotta, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal unit = 10 * s;
    const int units = int((right - left) / unit);
    const qreal x0 = left + ((right - left) - units * unit) / 2;
    const qreal y0 = top + 3 * s;
    static const QPointF key[] = {{0, 8}, {0, 0}, {8, 0}, {8, 6}, {4, 6}, {4, 4},
                                  {6, 4}, {6, 2}, {2, 2}, {2, 8}, {10, 8}};
    QPainterPath path;
    for (int u = 0; u < units; ++u)
        for (const QPointF& k : key) {
            const QPointF at(x0 + u * unit + k.x() * s, y0 + k.y() * s);
            if (u == 0 && &k == key)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
    p.drawPath(path);
    p.drawLine(QPointF(left, top), QPointF(right, top));
    p.drawLine(QPointF(left, y0 + 11 * s), QPointF(right, y0 + 11 * s));
    p.restore();
}

void paintFrame(QPainter& p, const QRect& area) {
    p.setPen(QPen(Ink, 2));
    p.drawRect(area.adjusted(4, 4, -5, -5));
    p.setPen(QPen(Gold, 1));
    p.drawRect(area.adjusted(8, 8, -9, -9));
}

QFont serif(int pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void paintEmblem(QPainter& p, QPointF centre, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Gold, 3));
    p.setBrush(Ink);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Gold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 5, radius - 5);
    p.setPen(QColor(0xfa, 0xf4, 0xe4));
    p.setFont(serif(int(radius * 1.15), true));
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("Λ"));
    p.restore();
}

// A parchment face in its double frame, for the rest of a picture to be painted on.
QPixmap framedParchment(int width, int height) {
    QPixmap picture(width, height);
    QPainter p(&picture);
    paintParchment(p, picture.rect());
    paintFrame(p, picture.rect());
    return picture;
}

} // namespace

QPixmap SplashPicture() {
    QPixmap picture = framedParchment(224, 300);
    QPainter p(&picture);
    paintKeyBand(p, 14, 210, 16);
    paintKeyBand(p, 14, 210, 268);

    paintEmblem(p, QPointF(112, 88), 36);

    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Ink);
    p.setFont(serif(34, true));
    p.drawText(QRect(0, 132, 224, 44), Qt::AlignCenter, QStringLiteral("Lexivo"));

    p.setPen(Terracotta);
    p.setFont(serif(14, false, true));
    p.drawText(QRect(0, 176, 224, 22), Qt::AlignCenter, QStringLiteral("χαῖρε καὶ μάνθανε"));

    p.setPen(QPen(Gold, 1));
    p.drawLine(82, 206, 142, 206);

    p.setPen(Ink);
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(11);
    p.setFont(small);
    p.drawText(QRect(16, 214, 192, 44), Qt::AlignCenter,
               QStringLiteral("Vocabulary and paradigm drills\nfor students of ancient Greek"));
    return picture;
}

QPixmap UserChoicePicture() {
    QPixmap picture = framedParchment(350, 260);
    QPainter p(&picture);
    paintKeyBand(p, 14, 336, 14);

    // A faint letter behind the help text, the mark of the splash window.
    p.setRenderHint(QPainter::TextAntialiasing);
    QColor watermark = Ink;
    watermark.setAlpha(18);
    p.setPen(watermark);
    p.setFont(serif(150, true));
    p.drawText(QRect(14, 60, 170, 190), Qt::AlignCenter, QStringLiteral("Λ"));
    return picture;
}
