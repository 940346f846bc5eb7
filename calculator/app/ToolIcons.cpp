#include "calculator/app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace abacon {

namespace {

constexpr int kSize = 16;

void page(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(x, y, w, h);
}

void lines(QPainter& p, int x, int y, int w, int count, int step = 2) {
    p.setPen(QColor(0, 0, 128));
    for (int i = 0; i < count; ++i) {
        p.drawLine(x, y + i * step, x + w, y + i * step);
    }
}

void glyph(QPainter& p, const QString& text, const QColor& color, int pixelSize, bool bold = true) {
    // The readout's face: a second serif face would be one more font file to load at start.
    QFont f(QStringLiteral("Century Schoolbook"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(color);
    p.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

} // namespace

QIcon toolIcon(const QString& key) {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor navy(0, 0, 128);
    const QColor maroon(128, 0, 0);
    if (key == QLatin1String("Label")) {
        QPainterPath tag;
        tag.moveTo(1, 4);
        tag.lineTo(10, 4);
        tag.lineTo(15, 8);
        tag.lineTo(10, 12);
        tag.lineTo(1, 12);
        tag.closeSubpath();
        p.setPen(Qt::black);
        p.setBrush(QColor(255, 255, 160));
        p.drawPath(tag);
        p.setBrush(Qt::black);
        p.drawEllipse(QPoint(11, 8), 1, 1);
        lines(p, 3, 7, 5, 2, 2);
    } else if (key == QLatin1String("Clear")) {
        page(p, 3, 1, 9, 13);
        p.setPen(QPen(QColor(192, 0, 0), 2));
        p.drawLine(5, 5, 14, 14);
        p.drawLine(14, 5, 5, 14);
    } else if (key == QLatin1String("Print")) {
        page(p, 4, 1, 8, 6);
        p.setPen(Qt::black);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(1, 7, 14, 6);
        page(p, 4, 11, 8, 4);
        p.setPen(QColor(0, 160, 0));
        p.drawPoint(13, 9);
    } else if (key == QLatin1String("Select")) {
        page(p, 2, 1, 12, 14);
        p.fillRect(3, 5, 11, 6, navy);
        p.setPen(Qt::white);
        p.drawLine(5, 7, 11, 7);
        p.drawLine(5, 9, 11, 9);
        lines(p, 5, 3, 6, 1);
        lines(p, 5, 13, 6, 1);
    } else if (key == QLatin1String("Copyreg") || key == QLatin1String("Copytape")) {
        page(p, 1, 1, 8, 10);
        page(p, 6, 5, 8, 10);
        if (key == QLatin1String("Copytape")) {
            lines(p, 8, 8, 4, 3, 2);
        } else {
            p.setPen(maroon);
            p.drawText(QRect(6, 5, 9, 11), Qt::AlignCenter, QStringLiteral("1"));
        }
    } else if (key == QLatin1String("Help")) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(navy);
        p.setBrush(QColor(255, 255, 192));
        p.drawEllipse(1, 1, 13, 13);
        glyph(p, QStringLiteral("?"), navy, 12);
    } else if (key == QLatin1String("Paste")) {
        p.setPen(Qt::black);
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(2, 2, 10, 13);
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(5, 1, 4, 3);
        page(p, 7, 6, 7, 9);
        lines(p, 9, 9, 3, 3, 2);
    } else if (key == QLatin1String("Exit")) {
        p.setPen(Qt::black);
        p.setBrush(QColor(128, 64, 0));
        p.drawRect(2, 1, 8, 14);
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(8, 8, 15, 8);
        p.drawLine(12, 5, 15, 8);
        p.drawLine(12, 11, 15, 8);
    } else if (key == QLatin1String("Loans")) {
        glyph(p, QStringLiteral("$"), QColor(0, 112, 0), 15);
    } else if (key == QLatin1String("Stats")) {
        glyph(p, QString(QChar(0x03A3)), navy, 14);
    } else if (key == QLatin1String("Trig")) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 8, 15, 8);
        QPainterPath wave;
        wave.moveTo(0, 8);
        wave.cubicTo(3, 0, 5, 0, 8, 8);
        wave.cubicTo(11, 16, 13, 16, 16, 8);
        p.setPen(QPen(maroon, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }
    p.end();
    return QIcon(pm);
}

} // namespace abacon
