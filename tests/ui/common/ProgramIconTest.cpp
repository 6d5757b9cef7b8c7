#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cstdlib>

#include "ui/common/ProgramIcon.h"

using namespace sp;

namespace {

// Mean difference of the grey levels, 0..255; both images the same size.
double MeanGreyDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

// The icon over white, as a menu would show it.
QImage OnWhite(const QIcon& icon, int size) {
    QImage out(size, size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPixmap pm = icon.pixmap(size, size);
    QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = img.pixel(x, y);
            const int a = qAlpha(p), g = qGray(p);
            const int v = (g * a + 255 * (255 - a)) / 255;
            out.setPixel(x, y, qRgb(v, v, v));
        }
    return out;
}

}  // namespace

TEST(ProgramIcon, IsDrawnFromTheSvgAtEverySize) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull()) << "the icon resource or Qt's SVG icon engine is missing";
    for (int size : {16, 48, 256}) {
        const QImage img = OnWhite(icon, size);
        ASSERT_EQ(img.size(), QSize(size, size));
        int dark = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) dark += qGray(img.pixel(x, y)) < 160;
        EXPECT_GT(dark, size * size / 50) << size;  // the arc, ticks and pivot are drawn
        EXPECT_LT(dark, size * size / 2) << size;
    }
}

TEST(ProgramIcon, IsTheSameDrawingAsTheInstalledDesktopIcon) {
    // The 48 px PNG made at build time from the same SVG file by rsvg-convert;
    // two renderers differ only in the grey of edge pixels.
    QImage desktop(SCALEPLATE_ICON_PNG_48);
    ASSERT_FALSE(desktop.isNull()) << SCALEPLATE_ICON_PNG_48;
    QImage flat(48, 48, QImage::Format_RGB32);
    flat.fill(Qt::white);
    const QImage window = OnWhite(ProgramIcon(), 48);
    const QImage desktopOnWhite = OnWhite(QIcon(QPixmap::fromImage(desktop)), 48);
    EXPECT_LT(MeanGreyDifference(window, desktopOnWhite), 6.0);
    EXPECT_GT(MeanGreyDifference(flat, desktopOnWhite), 20.0);  // the comparison sees a drawing at all
}
