// Grabs each page with the defaults shown, for a look by eye; the pictures
// land in the build folder (shots/). Checks what a picture can show for sure.
#include "UiTest.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include <utility>

namespace qmtest {
namespace {

using ScreenshotTest = WindowTest;

// Pixels of the colour inside and outside an area.
std::pair<int, int> countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++(area.contains(x, y) ? inside : outside);
    return {inside, outside};
}

TEST_F(ScreenshotTest, EachPageRendersWithItsMaroonSerialCaption) {
    loadDefaults();
    QDir().mkpath(QMCONF_SHOTS);
    const char* const captions[] = {"Label42", "Label43", "Label45", "Label46"};
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        clickTab(page);
        const QImage shot = form->grab().toImage();
        ASSERT_EQ(shot.size(), QSize(617, 468));
        EXPECT_TRUE(shot.save(QString(QMCONF_SHOTS "/page%1.png").arg(page + 1)));
        auto* caption = find<QLabel>(captions[page]);
        const QRect area(caption->mapTo(form.get(), QPoint(0, 0)), caption->size());
        const auto [inside, outside] = countColour(shot, area, QColor(0x80, 0, 0));
        EXPECT_GT(inside, 20); // the bold caption is drawn in its colour ...
        EXPECT_EQ(outside, 0); // ... and that colour is the caption's alone
        EXPECT_LT(area.right(), 617);
        if (page == 1) {
            // The banknote boxes keep the 3D light colour behind their captions.
            QWidget* box = find("CheckBox5");
            const QPoint corner = box->mapTo(form.get(), QPoint(box->width() - 2, 2));
            EXPECT_EQ(shot.pixelColor(corner).rgb(), QColor(227, 227, 227).rgb());
        }
    }
}

} // namespace
} // namespace qmtest
