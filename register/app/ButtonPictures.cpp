#include "register/app/ButtonPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ledger {

namespace {

const QColor kInk(0, 0, 128);
const QColor kPaper(255, 255, 224);
const QColor kRed(176, 0, 0);
const QColor kGreen(0, 112, 0);

void drawSheet(QPainter& p, const QRectF& r) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    for (qreal y = r.top() + 4; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void drawText(QPainter& p, const QRectF& r, const QString& text, const QColor& color, int pixelSize,
              bool bold = true) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawArrow(QPainter& p, qreal s, bool up) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    QPolygonF head;
    if (up)
        head << QPointF(s / 2, s * 0.12) << QPointF(s * 0.85, s * 0.55) << QPointF(s * 0.15, s * 0.55);
    else
        head << QPointF(s / 2, s * 0.88) << QPointF(s * 0.85, s * 0.45) << QPointF(s * 0.15, s * 0.45);
    p.drawPolygon(head);
    p.drawRect(up ? QRectF(s * 0.38, s * 0.55, s * 0.24, s * 0.3) : QRectF(s * 0.38, s * 0.15, s * 0.24, s * 0.3));
    p.setBrush(Qt::black);
    p.drawRect(up ? QRectF(s * 0.15, s * 0.04, s * 0.7, s * 0.06) : QRectF(s * 0.15, s * 0.9, s * 0.7, s * 0.06));
}

} // namespace

QPixmap buttonPicture(Picture picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF all(0, 0, s, s);
    switch (picture) {
    case Picture::Open: {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(232, 200, 96));
        p.drawRect(QRectF(s * 0.08, s * 0.3, s * 0.8, s * 0.55));
        p.setBrush(QColor(248, 224, 128));
        QPolygonF flap;
        flap << QPointF(s * 0.2, s * 0.45) << QPointF(s * 0.95, s * 0.45) << QPointF(s * 0.84, s * 0.85)
             << QPointF(s * 0.08, s * 0.85);
        p.drawPolygon(flap);
        break;
    }
    case Picture::Save:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kInk);
        p.drawRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.12, s * 0.5, s * 0.32));
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(QRectF(s * 0.3, s * 0.6, s * 0.4, s * 0.28));
        break;
    case Picture::Print:
        drawSheet(p, QRectF(s * 0.25, s * 0.05, s * 0.5, s * 0.45));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(160, 160, 160));
        p.drawRoundedRect(QRectF(s * 0.06, s * 0.45, s * 0.88, s * 0.35), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.7, s * 0.5, s * 0.22));
        break;
    case Picture::Calculator:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(208, 208, 208));
        p.drawRoundedRect(QRectF(s * 0.18, s * 0.05, s * 0.64, s * 0.9), 2, 2);
        p.setBrush(QColor(200, 232, 200));
        p.drawRect(QRectF(s * 0.26, s * 0.12, s * 0.48, s * 0.18));
        p.setBrush(kInk);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(s * (0.27 + col * 0.17), s * (0.4 + row * 0.17), s * 0.11, s * 0.1));
        break;
    case Picture::Calendar:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.1, s * 0.12, s * 0.8, s * 0.8));
        p.setBrush(kRed);
        p.drawRect(QRectF(s * 0.1, s * 0.12, s * 0.8, s * 0.22));
        drawText(p, QRectF(s * 0.1, s * 0.34, s * 0.8, s * 0.58), QStringLiteral("31"), Qt::black, size / 2);
        break;
    case Picture::First:
        drawArrow(p, s, true);
        break;
    case Picture::Last:
        drawArrow(p, s, false);
        break;
    case Picture::Reconcile:
        drawSheet(p, QRectF(s * 0.15, s * 0.05, s * 0.6, s * 0.85));
        p.setPen(QPen(kGreen, s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF() << QPointF(s * 0.4, s * 0.6) << QPointF(s * 0.58, s * 0.8)
                                   << QPointF(s * 0.92, s * 0.3));
        break;
    case Picture::Search:
        p.setPen(QPen(kInk, s * 0.1));
        p.setBrush(QColor(200, 232, 255));
        p.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.5, s * 0.5));
        p.setPen(QPen(Qt::black, s * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.58, s * 0.58), QPointF(s * 0.88, s * 0.88));
        break;
    case Picture::Select:
        drawSheet(p, QRectF(s * 0.1, s * 0.05, s * 0.8, s * 0.9));
        drawText(p, all, QStringLiteral("C"), kRed, size * 2 / 3);
        break;
    case Picture::SortCodes:
        drawText(p, QRectF(0, 0, s, s * 0.5), QStringLiteral("A"), kInk, size / 2);
        drawText(p, QRectF(0, s * 0.5, s, s * 0.5), QStringLiteral("Z"), kRed, size / 2);
        break;
    case Picture::SortDates:
        drawText(p, QRectF(0, 0, s, s * 0.5), QStringLiteral("01"), kInk, size * 2 / 5);
        drawText(p, QRectF(0, s * 0.5, s, s * 0.5), QStringLiteral("31"), kRed, size * 2 / 5);
        break;
    case Picture::Lock: {
        p.setPen(QPen(Qt::black, s * 0.1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.28, s * 0.08, s * 0.44, s * 0.5), 0, 180 * 16);
        p.drawLine(QPointF(s * 0.28, s * 0.33), QPointF(s * 0.28, s * 0.45));
        p.drawLine(QPointF(s * 0.72, s * 0.33), QPointF(s * 0.72, s * 0.45));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(212, 170, 32));
        p.drawRect(QRectF(s * 0.15, s * 0.45, s * 0.7, s * 0.48));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(s * 0.45, s * 0.58, s * 0.1, s * 0.14));
        break;
    }
    case Picture::Ledger:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0, 96, 64));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.04, s * 0.84, s * 0.92), s * 0.05, s * 0.05);
        p.setBrush(kPaper);
        p.drawRect(QRectF(s * 0.2, s * 0.16, s * 0.6, s * 0.68));
        drawText(p, QRectF(s * 0.2, s * 0.16, s * 0.6, s * 0.68), QStringLiteral("$"), kGreen, size / 2);
        break;
    }
    return pixmap;
}

} // namespace ledger
