#include "vxrun/AboutDlg.h"
#include "vxrun/Colors.h"
#include "vxrun/Draw3D.h"
#include "vxrun/PictureHolder.h"
#include "vxrun/Units.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QtTest>

using namespace vxrun;

namespace {

constexpr COLORREF kShadow = RGB(200, 0, 0);
constexpr COLORREF kLight = RGB(0, 200, 0);
constexpr COLORREF kFill = RGB(0, 0, 200);
constexpr COLORREF kBorder = RGB(10, 10, 10);
constexpr COLORREF kText = RGB(0, 0, 0);
const QColor kBackground(255, 255, 255);

COLORREF at(const QImage& image, int x, int y) {
    return fromQColor(image.pixelColor(x, y));
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

struct Box {
    int count = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Box boxOf(const QImage& image, COLORREF color) {
    Box b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (at(image, x, y) == color) {
                ++b.count;
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

QImage text3D(int style, unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE,
              RECT rect = {10, 10, 70, 50}) {
    QImage image = blank(80, 60);
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(24);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    Draw3DText(&p, "W8", -1, &rect, format, style, kText, kLight, kShadow);
    return image;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void translateOleColor_data();
    void translateOleColor();
    void systemColorsFollowTheApplicationPalette();
    void panel_data();
    void panel();
    void panelInterior_data();
    void panelInterior();
    void text_data();
    void text();
    void textAlignment_data();
    void textAlignment();
    void wallpaper_data();
    void wallpaper();
    void units_data();
    void units();
    void aboutBoxRunsThroughTheCaller();
    void snapshot();
};

void DrawingTest::translateOleColor_data() {
    QTest::addColumn<quint32>("ole");
    QTest::addColumn<quint32>("rgb");
    QTest::newRow("pure red stays") << quint32(0x000000FF) << quint32(0x0000FF);
    QTest::newRow("rgb value stays") << quint32(0x00123456) << quint32(0x123456);
    QTest::newRow("palette-index form keeps its rgb") << quint32(0x01123456) << quint32(0x123456);
    QTest::newRow("window is Base") << quint32(0x80000005) << quint32(RGB(0x10, 0x20, 0x30));
    QTest::newRow("window text is Text") << quint32(0x80000008) << quint32(RGB(1, 2, 3));
    QTest::newRow("button face is Button") << quint32(0x8000000F) << quint32(RGB(0x40, 0x50, 0x60));
    QTest::newRow("button shadow is Dark") << quint32(0x80000010) << quint32(RGB(0x70, 0x70, 0x70));
    QTest::newRow("window frame is Shadow") << quint32(0x80000006) << quint32(RGB(9, 9, 9));
    QTest::newRow("unknown index is black") << quint32(0x80000063) << quint32(0);
}

void DrawingTest::translateOleColor() {
    QFETCH(quint32, ole);
    QFETCH(quint32, rgb);
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(0x40, 0x50, 0x60));
    palette.setColor(QPalette::Dark, QColor(0x70, 0x70, 0x70));
    palette.setColor(QPalette::Shadow, QColor(9, 9, 9));
    QCOMPARE(TranslateOleColor(ole, palette), rgb);
}

void DrawingTest::systemColorsFollowTheApplicationPalette() {
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(palette);
    QCOMPARE(TranslateOleColor(systemColor(COLOR_BTNFACE)), RGB(0x12, 0x34, 0x56));
    QCOMPARE(GetSysColor(COLOR_BTNFACE), RGB(0x12, 0x34, 0x56));
    QApplication::setPalette(saved);
}

// Each row draws one panel into a 40 x 30 image and names the colour expected at a few points.
void DrawingTest::panel_data() {
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<int>("bevelStyle");
    QTest::addColumn<int>("bevelSize");
    QTest::addColumn<int>("fill");
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<quint32>>("colors");
    const quint32 bg = fromQColor(kBackground);
    QTest::newRow("single border, lowered")
        << 1 << 0 << 2 << -1 << QList<QPoint>{{0, 0}, {39, 29}, {1, 1}, {2, 2}, {38, 28}, {37, 27}, {20, 15}}
        << QList<quint32>{kBorder, kBorder, kShadow, kShadow, kLight, kLight, kFill};
    QTest::newRow("single border, raised")
        << 1 << 1 << 2 << -1 << QList<QPoint>{{1, 1}, {1, 20}, {38, 28}, {38, 5}, {20, 15}}
        << QList<quint32>{kLight, kLight, kShadow, kShadow, kFill};
    QTest::newRow("chiselled groove")
        << 0 << 2 << 2 << -1 << QList<QPoint>{{0, 0}, {1, 1}, {39, 29}, {38, 28}, {20, 15}}
        << QList<quint32>{kShadow, kLight, kLight, kShadow, kFill};
    QTest::newRow("shadowed right") << 0 << 3 << 3 << -1
                                    << QList<QPoint>{{39, 15}, {37, 15}, {20, 29}, {0, 15}, {39, 1}, {1, 29}}
                                    << QList<quint32>{kShadow, kShadow, kShadow, kFill, kFill, kFill};
    QTest::newRow("shadowed left") << 0 << 4 << 3 << -1
                                   << QList<QPoint>{{0, 15}, {2, 15}, {20, 29}, {39, 15}, {0, 1}, {38, 29}}
                                   << QList<quint32>{kShadow, kShadow, kShadow, kFill, kFill, kFill};
    QTest::newRow("rounded corners cut two pixels, diagonal on top of the bevel")
        << 2 << 1 << 1 << -1 << QList<QPoint>{{0, 0},   {1, 0},  {0, 1},  {2, 0}, {1, 1},  {38, 28},
                                              {39, 29}, {0, 15}, {20, 1}, {2, 2}, {20, 15}}
        << QList<quint32>{bg, bg, bg, kBorder, kBorder, kBorder, bg, kBorder, kLight, kFill, kFill};
    QTest::newRow("no fill leaves the interior")
        << 1 << 0 << 1 << 0 << QList<QPoint>{{0, 0}, {1, 1}, {20, 15}}
        << QList<quint32>{kBorder, kShadow, bg};
    QTest::newRow("no border, no bevel")
        << 0 << 0 << 0 << -1 << QList<QPoint>{{0, 0}, {39, 29}} << QList<quint32>{kFill, kFill};
    QTest::newRow("bevel wider than the panel is bounded")
        << 0 << 1 << 500 << -1 << QList<QPoint>{{0, 0}, {14, 14}, {39, 29}}
        << QList<quint32>{kLight, kLight, kShadow};
    QTest::newRow("style out of range draws no bevel")
        << 0 << 9 << 3 << -1 << QList<QPoint>{{0, 0}, {39, 29}} << QList<quint32>{kFill, kFill};
}

void DrawingTest::panel() {
    QFETCH(int, borderStyle);
    QFETCH(int, bevelStyle);
    QFETCH(int, bevelSize);
    QFETCH(int, fill);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<quint32>, colors);
    QImage image = blank(40, 30);
    QPainter p(&image);
    RECT r{0, 0, 40, 30};
    Draw3DPanel(nullptr, &p, bevelSize, borderStyle != 0 ? 1 : 0, borderStyle, bevelStyle,
                bevelStyle == 0 ? 3 : 0, fill, kShadow, kLight, kFill, kBorder, 0, -1, 1, 0, 0, 0, &r);
    p.end();
    for (qsizetype i = 0; i < points.size(); ++i)
        QVERIFY2(at(image, points[i].x(), points[i].y()) == colors[i],
                 qPrintable(QString("point (%1,%2) is %3")
                                .arg(points[i].x())
                                .arg(points[i].y())
                                .arg(at(image, points[i].x(), points[i].y()), 6, 16, QChar('0'))));
}

// The rectangle comes back as what border and bevel leave free: text and pictures drawn into it
// afterwards must not cover them.
void DrawingTest::panelInterior_data() {
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<int>("bevelStyle");
    QTest::addColumn<int>("bevelSize");
    QTest::addColumn<QRect>("given"); // left, top, right, bottom
    QTest::addColumn<QRect>("left");
    const QRect panel(QPoint(5, 5), QPoint(35, 25));
    QTest::newRow("plain panel keeps its rectangle") << 0 << 0 << 0 << panel << panel;
    QTest::newRow("border takes one pixel") << 1 << 0 << 0 << panel << QRect(QPoint(6, 6), QPoint(34, 24));
    QTest::newRow("border and raised bevel") << 1 << 1 << 4 << panel << QRect(QPoint(10, 10), QPoint(30, 20));
    QTest::newRow("rounded border and groove") << 2 << 2 << 2 << panel << QRect(QPoint(8, 8), QPoint(32, 22));
    QTest::newRow("shadow right takes right and bottom")
        << 0 << 3 << 3 << panel << QRect(QPoint(5, 5), QPoint(32, 22));
    QTest::newRow("shadow left takes left and bottom")
        << 1 << 4 << 3 << panel << QRect(QPoint(9, 6), QPoint(34, 21));
    QTest::newRow("bevel bounded by a flat panel")
        << 0 << 1 << 50 << QRect(QPoint(5, 5), QPoint(35, 11)) << QRect(QPoint(8, 8), QPoint(32, 8));
    QTest::newRow("style out of range has no bevel") << 0 << 9 << 3 << panel << panel;
    QTest::newRow("empty rectangle untouched")
        << 1 << 1 << 4 << QRect(QPoint(10, 10), QPoint(10, 20)) << QRect(QPoint(10, 10), QPoint(10, 20));
    QTest::newRow("border of a two-pixel panel leaves nothing")
        << 1 << 1 << 2 << QRect(QPoint(0, 0), QPoint(2, 10)) << QRect(QPoint(1, 1), QPoint(1, 9));
}

void DrawingTest::panelInterior() {
    QFETCH(int, borderStyle);
    QFETCH(int, bevelStyle);
    QFETCH(int, bevelSize);
    QFETCH(QRect, given);
    QFETCH(QRect, left);
    QImage image = blank(40, 30);
    QPainter p(&image);
    RECT r{given.left(), given.top(), given.right(), given.bottom()};
    Draw3DPanel(nullptr, &p, bevelSize, borderStyle != 0, borderStyle, bevelStyle, 0, -1, kShadow, kLight,
                kFill, kBorder, 0, 0, 1, 0, 0, 0, &r);
    p.end();
    QCOMPARE(r, (RECT{left.left(), left.top(), left.right(), left.bottom()}));
    QCOMPARE(at(image, 4, 4), fromQColor(kBackground)); // nothing outside the rectangle
    QCOMPARE(at(image, 36, 26), fromQColor(kBackground));
}

// The light and shadow copies sit one pixel beside the text on the sides each style names.
void DrawingTest::text_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QPoint>("lightOffset"); // (99,99): no light copy
    QTest::addColumn<QPoint>("shadowOffset");
    QTest::newRow("none") << 0 << QPoint(99, 99) << QPoint(99, 99);
    QTest::newRow("raised") << 1 << QPoint(-1, -1) << QPoint(99, 99);
    QTest::newRow("raised with shading") << 2 << QPoint(-1, -1) << QPoint(1, 1);
    QTest::newRow("lowered") << 3 << QPoint(1, 1) << QPoint(99, 99);
    QTest::newRow("lowered with shading") << 4 << QPoint(1, 1) << QPoint(-1, -1);
    QTest::newRow("style out of range is plain") << 7 << QPoint(99, 99) << QPoint(99, 99);
}

void DrawingTest::text() {
    QFETCH(int, style);
    QFETCH(QPoint, lightOffset);
    QFETCH(QPoint, shadowOffset);
    const Box plain = boxOf(text3D(0), kText);
    QVERIFY(plain.count > 20);
    const QImage image = text3D(style);
    QCOMPARE(boxOf(image, kText).left, plain.left);
    QCOMPARE(boxOf(image, kText).top, plain.top);
    const Box light = boxOf(image, kLight);
    const Box shadow = boxOf(image, kShadow);
    if (lightOffset.x() == 99) {
        QCOMPARE(light.count, 0);
    } else {
        QVERIFY(light.count > 0);
        QCOMPARE(lightOffset.x() < 0 ? light.left : light.right,
                 (lightOffset.x() < 0 ? plain.left : plain.right) + lightOffset.x());
        QCOMPARE(lightOffset.y() < 0 ? light.top : light.bottom,
                 (lightOffset.y() < 0 ? plain.top : plain.bottom) + lightOffset.y());
    }
    if (shadowOffset.x() == 99) {
        QCOMPARE(shadow.count, 0);
    } else {
        QVERIFY(shadow.count > 0);
        QCOMPARE(shadowOffset.x() < 0 ? shadow.left : shadow.right,
                 (shadowOffset.x() < 0 ? plain.left : plain.right) + shadowOffset.x());
    }
}

void DrawingTest::textAlignment_data() {
    QTest::addColumn<unsigned>("format");
    QTest::addColumn<int>("side"); // 0 left, 1 right, 2 top, 3 bottom: the edge the text keeps to
    QTest::newRow("left") << unsigned(DT_LEFT | DT_VCENTER | DT_SINGLELINE) << 0;
    QTest::newRow("right") << unsigned(DT_RIGHT | DT_VCENTER | DT_SINGLELINE) << 1;
    QTest::newRow("top") << unsigned(DT_CENTER | DT_TOP | DT_SINGLELINE) << 2;
    QTest::newRow("bottom") << unsigned(DT_CENTER | DT_BOTTOM | DT_SINGLELINE) << 3;
}

void DrawingTest::textAlignment() {
    QFETCH(unsigned, format);
    QFETCH(int, side);
    const Box centred = boxOf(text3D(0), kText);
    const Box b = boxOf(text3D(0, format), kText);
    switch (side) {
    case 0:
        QVERIFY(b.left < centred.left && b.left >= 10);
        break;
    case 1:
        QVERIFY(b.right > centred.right && b.right < 70);
        break;
    case 2:
        QVERIFY(b.top < centred.top && b.top >= 10);
        break;
    default:
        QVERIFY(b.bottom > centred.bottom && b.bottom < 50);
        break;
    }
}

void DrawingTest::wallpaper_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QPoint>>("red");
    QTest::addColumn<QList<QPoint>>("background");
    QTest::newRow("stretched") << 0 << QList<QPoint>{{2, 2}, {11, 11}, {6, 8}} << QList<QPoint>{};
    QTest::newRow("copied") << 1 << QList<QPoint>{{2, 2}, {5, 5}} << QList<QPoint>{{6, 6}, {11, 2}};
    QTest::newRow("tiled") << 2 << QList<QPoint>{{2, 2}, {6, 6}, {11, 11}} << QList<QPoint>{};
}

void DrawingTest::wallpaper() {
    QFETCH(int, mode);
    QFETCH(QList<QPoint>, red);
    QFETCH(QList<QPoint>, background);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 0));
    CVXPictureHolder holder;
    QCOMPARE(holder.GetType(), int(PICTYPE_NONE));
    QImage image = blank(14, 14);
    QPainter p(&image);
    RECT r{2, 2, 12, 12};
    holder.Render(&p, &r, mode, 0, 0, kFill, SRCCOPY, 0); // no picture yet: nothing
    holder.SetPicture(picture);
    QCOMPARE(holder.GetType(), int(PICTYPE_BITMAP));
    holder.Render(&p, &r, mode, 0, 0, kFill, SRCCOPY, 0);
    p.end();
    for (const QPoint& pt : red)
        QCOMPARE(at(image, pt.x(), pt.y()), RGB(255, 0, 0));
    for (const QPoint& pt : background)
        QCOMPARE(at(image, pt.x(), pt.y()), kFill);
    QCOMPARE(at(image, 1, 1), fromQColor(kBackground)); // outside the rectangle
    QCOMPARE(at(image, 12, 12), fromQColor(kBackground));
}

void DrawingTest::units_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("result");
    QTest::newRow("exact") << 2540 << 96 << 2540 << 96;
    QTest::newRow("half rounds up") << 5 << 1 << 2 << 3;
    QTest::newRow("negative half rounds away from zero") << -5 << 1 << 2 << -3;
    QTest::newRow("below half rounds down") << 1 << 1 << 3 << 0;
    QTest::newRow("division by zero gives 0") << 7 << 7 << 0 << 0;
    QTest::newRow("large product does not overflow") << 2000000000 << 1440 << 96 << 2147483647;
}

void DrawingTest::units() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, result);
    QCOMPARE(mulDiv(a, b, c), result);
    // The conversions agree with the screen's logical resolution and with each other.
    const int dpiX = screenLogicalDpiX();
    const int dpiY = screenLogicalDpiY();
    QCOMPARE(XHimetricToPixels(2540), dpiX);
    QCOMPARE(YHimetricToPixels(2540 * 3), 3 * dpiY);
    QCOMPARE(XPixelsToTwips(dpiX), 1440);
    QCOMPARE(YPixelsToTwips(2 * dpiY), 2880);
    QCOMPARE(XHimetricToPixels(XPixelsToHimetric(123)), 123);
    QImage device(10, 10, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(120 / 0.0254));
    QCOMPARE(XPixelsToTwips(120, &device), 1440);
}

void DrawingTest::aboutBoxRunsThroughTheCaller() {
    CVxAboutDlg box(nullptr, 1);
    int calls = 0;
    QString seen;
    const int result = box.DoModal([&](QDialog& dialog) {
        ++calls;
        seen = dialog.windowTitle();
        return int(QDialog::Accepted);
    });
    QCOMPARE(calls, 1);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(seen, QString("About Tessary Controls"));
    QVERIFY(!box.isVisible());
    QVERIFY(box.findChild<QLabel*>("lblModule") != nullptr);
    QCOMPARE(box.DoModal({}), int(QDialog::Rejected));
    CVxAboutDlg plain(nullptr, 0);
    QVERIFY(plain.findChild<QLabel*>("lblModule") == nullptr);
    QCOMPARE(plain.findChild<QLabel*>("lblTitle")->text(), QString("Tessary 5.01 3-D Calendar Control"));
}

// Every border, bevel and text style side by side on a page grey enough to show light and shadow;
// written out when VXRUN_SNAPSHOT names a file, for a look by eye.
void DrawingTest::snapshot() {
    QImage image(5 * 90 + 10, 4 * 70 + 10, QImage::Format_RGB32);
    image.fill(QColor(160, 160, 160));
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    for (int style = 0; style < 5; ++style) {
        for (int border = 0; border < 3; ++border) {
            RECT r{10 + style * 90, 10 + border * 70, 90 + style * 90, 70 + border * 70};
            Draw3DPanel(nullptr, &p, 3, border != 0, border, style, 0, -1, RGB(96, 96, 96),
                        RGB(255, 255, 255), RGB(192, 192, 192), RGB(0, 0, 0), 0, 0, 1, 0, 0, 0, &r);
            Draw3DText(&p, QString::number(style), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, style,
                       RGB(0, 0, 128), RGB(255, 255, 255), RGB(64, 64, 64));
        }
        RECT t{10 + style * 90, 220, 90 + style * 90, 280};
        Draw3DText(&p, "Ab", -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE, style, RGB(192, 192, 192),
                   RGB(255, 255, 255), RGB(0, 0, 0));
    }
    p.end();
    if (const QByteArray path = qgetenv("VXRUN_SNAPSHOT"); !path.isEmpty())
        QVERIFY(image.save(QString::fromLocal8Bit(path)));
    QCOMPARE(at(image, 10, 10), RGB(96, 96, 96));     // lowered, no border: shadow at the top-left corner
    QCOMPARE(at(image, 10, 150), RGB(160, 160, 160)); // a rounded corner shows the page
}

QTEST_MAIN(DrawingTest)
#include "DrawingTest.moc"
