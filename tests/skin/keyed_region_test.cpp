// Cutting window outlines out of skin bitmaps.
#include "keyed_region.h"
#include "skin_colours.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

const QColor kYellow(255, 255, 0);

// Every pixel: inside the region exactly when it is not pure yellow.
void ExpectOutlineMatches(const QImage& image, const QRegion& region) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool key = image.pixelColor(x, y) == kYellow;
            ASSERT_EQ(region.contains(QPoint(x, y)), !key) << "at " << x << "," << y;
        }
    }
    EXPECT_FALSE(region.contains(QPoint(image.width(), 0)));
    EXPECT_FALSE(region.contains(QPoint(0, image.height())));
}

bool SameArea(const QRegion& a, const QRegion& b) {
    return a.xored(b).isEmpty();
}

}  // namespace

TEST(KeyedRegion, OnlyTheExactKeyColourIsCut) {
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(kYellow);
    image.setPixelColor(1, 0, QColor(255, 255, 1));
    image.setPixelColor(3, 0, QColor(254, 255, 0));
    image.setPixelColor(0, 1, QColor(255, 0, 0));
    image.setPixelColor(1, 1, QColor(0, 0, 0));

    const std::vector<QRect> runs = BitmapRuns(image, kSkinKeyColour);
    const std::vector<QRect> expected{QRect(1, 0, 1, 1), QRect(3, 0, 1, 1), QRect(0, 1, 2, 1)};
    EXPECT_EQ(runs, expected);
    ExpectOutlineMatches(image, BitmapToRegion(image, kSkinKeyColour));
}

TEST(KeyedRegion, RowsWithoutFourByteAlignmentAreCutCorrectly) {
    // 24-bit rows of these widths are padded; the scan must not read padding
    // as pixels or drift from row to row.
    for (const int width : {1, 3, 5, 7, 13}) {
        QImage image(width, 6, QImage::Format_RGB888);
        image.fill(QColor(10, 20, 30));
        for (int y = 0; y < image.height(); ++y) {
            image.setPixelColor((y * 2) % width, y, kYellow);
        }
        ExpectOutlineMatches(image, BitmapToRegion(image, kSkinKeyColour));
    }
}

TEST(KeyedRegion, ManyRunsInBatchesGiveTheSameOutlineAsOneUnion) {
    // A checkerboard has one run per kept pixel: 5000 runs, three batches.
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = (y % 2); x < image.width(); x += 2) {
            image.setPixelColor(x, y, kYellow);
        }
    }
    const std::vector<QRect> runs = BitmapRuns(image, kSkinKeyColour);
    ASSERT_GT(runs.size(), static_cast<std::size_t>(2 * kRegionBatchRects));

    QRegion unbatched;
    for (const QRect& run : runs) {
        unbatched += run;
    }
    const QRegion region = BitmapToRegion(image, kSkinKeyColour);
    EXPECT_TRUE(SameArea(region, unbatched));
    ExpectOutlineMatches(image, region);
}

TEST(KeyedRegion, NothingToKeepGivesAnEmptyRegion) {
    EXPECT_TRUE(BitmapToRegion(QImage(), kSkinKeyColour).isEmpty());
    EXPECT_TRUE(BitmapRuns(QImage(), kSkinKeyColour).empty());

    QImage allKey(9, 3, QImage::Format_RGB32);
    allKey.fill(kYellow);
    EXPECT_TRUE(BitmapToRegion(allKey, kSkinKeyColour).isEmpty());
}

TEST(KeyedRegion, ClearedFaceIsSeeThroughExactlyOnTheKeyColour) {
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(20, 40, 60));
    for (const QPoint key : {QPoint(0, 0), QPoint(4, 0), QPoint(1, 2), QPoint(2, 2)}) {
        image.setPixelColor(key, kYellow);
    }
    image.setPixelColor(3, 1, QColor(255, 255, 1));

    const QImage cleared = KeyColourCleared(image, kSkinKeyColour);
    ASSERT_EQ(cleared.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = cleared.pixelColor(x, y);
            if (image.pixelColor(x, y) != kYellow) {
                EXPECT_EQ(pixel, image.pixelColor(x, y)) << "at " << x << "," << y;
            } else {
                EXPECT_EQ(pixel.alpha(), 0) << "at " << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(KeyColourCleared(QImage(), kSkinKeyColour).isNull());
}
