// Painting steps of the skinned buttons, drawn into images.
#include "button_painter.h"
#include "button_test_support.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Canvas(QColor fill) {
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

TEST(ImageStrip, CutsEqualFramesWithTheMaskSeeThrough) {
    ImageStrip strip;
    ASSERT_TRUE(strip.Append(MakeStrip(4), 4, kSkinKeyColour));
    EXPECT_EQ(strip.Count(), 4);
    EXPECT_EQ(strip.FrameSize(), QSize(10, 8));
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(strip.Frame(frame).pixelColor(5, 5), kFrameColours[frame]);
        EXPECT_EQ(strip.Frame(frame).pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(strip.Frame(frame).pixelColor(1, 0).alpha(), 255);  // only the exact colour
    }
    EXPECT_TRUE(strip.Frame(4).isNull());

    // A further strip is appended, cut by the first one's frame size.
    ASSERT_TRUE(strip.Append(MakeStrip(2), 7, kSkinKeyColour));
    EXPECT_EQ(strip.Count(), 6);
    EXPECT_FALSE(strip.Append(QImage(), 4, kSkinKeyColour));
    EXPECT_FALSE(ImageStrip().Append(MakeStrip(1), 20, kSkinKeyColour));  // narrower than a frame each
}

TEST(ButtonPainter, DrawsTheStateFrameWhereAskedAndKeepsMaskedPixels) {
    ImageStrip strip;
    ASSERT_TRUE(strip.Append(MakeStrip(4), 4, kSkinKeyColour));
    for (int state = 0; state < 4; ++state) {
        QImage canvas = Canvas(Qt::white);
        QPainter painter(&canvas);
        ASSERT_TRUE(DrawStripFrame(painter, strip, state, {5, 6, 15, 14}));
        painter.end();
        EXPECT_EQ(canvas.pixelColor(10, 10), kFrameColours[state]);
        EXPECT_EQ(canvas.pixelColor(5, 6), QColor(Qt::white));  // the key pixel stays see-through
        EXPECT_EQ(canvas.pixelColor(15, 10), QColor(Qt::white));
    }
}

TEST(ButtonPainter, BackgroundFrameAndFocusFollowTheirRules) {
    HwBtnStateAttr state;
    QImage canvas = Canvas(Qt::black);
    QPainter painter(&canvas);
    EXPECT_FALSE(FillStateBackground(painter, {0, 0, 40, 30}, state));
    DrawButtonFrame(painter, {0, 0, 40, 30}, state, 0);  // no frame colour: nothing
    state.backgroundColour = 0x0000FF;
    state.frameColour = 0x00FF00;
    EXPECT_TRUE(FillStateBackground(painter, {0, 0, 40, 30}, state));
    DrawButtonFrame(painter, {0, 0, 40, 30}, state, kHwBtnKindRadio);
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(255, 0, 0));  // no frame around radio buttons
    DrawButtonFrame(painter, {0, 0, 40, 30}, state, 0);
    DrawButtonFocusRect(painter, {0, 0, 40, 30});
    painter.end();

    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(canvas.pixelColor(39, 29), QColor(0, 255, 0));
    EXPECT_EQ(canvas.pixelColor(1, 1), QColor(255, 0, 0));
    // The focus rectangle: dotted, three pixels in, inverting what is under it.
    EXPECT_EQ(canvas.pixelColor(3, 3), QColor(0, 255, 255));
    EXPECT_EQ(canvas.pixelColor(4, 3), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelColor(5, 3), QColor(0, 255, 255));
    EXPECT_EQ(canvas.pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelColor(20, 15), QColor(255, 0, 0));
}

TEST(ButtonPainter, DisabledCaptionIsEmbossedInTwoColours) {
    HwBtnStateAttr state;
    state.textColour = 0xFF0000;  // blue
    QFont font;
    font.setPixelSize(24);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);  // exact colours to count
    state.font = font;
    const EmbossColours emboss{QColor(255, 0, 0), QColor(0, 160, 0)};
    const auto exactly = [](QColor colour) { return [colour](QColor pixel) { return pixel == colour; }; };

    QImage enabled = Canvas(Qt::white);
    QPainter painter(&enabled);
    DrawButtonCaption(painter, QStringLiteral("III"), {0, 0, 40, 30}, 0x25, state, QFont(), true, emboss);
    painter.end();
    EXPECT_GT(CountPixels(enabled, exactly(QColor(0, 0, 255))), 0);
    EXPECT_EQ(CountPixels(enabled, exactly(QColor(255, 0, 0))), 0);

    QImage disabled = Canvas(Qt::white);
    painter.begin(&disabled);
    DrawButtonCaption(painter, QStringLiteral("III"), {0, 0, 40, 30}, 0x25, state, QFont(), false, emboss);
    painter.end();
    EXPECT_EQ(CountPixels(disabled, exactly(QColor(0, 0, 255))), 0);
    EXPECT_GT(CountPixels(disabled, exactly(QColor(255, 0, 0))), 0);
    EXPECT_GT(CountPixels(disabled, exactly(QColor(0, 160, 0))), 0);
    // The highlight peeks out one pixel right of and below the shadow.
    int shadowRight = 0;
    int highlightRight = 0;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            if (disabled.pixelColor(x, y) == QColor(0, 160, 0)) shadowRight = std::max(shadowRight, x);
            if (disabled.pixelColor(x, y) == QColor(255, 0, 0)) highlightRight = std::max(highlightRight, x);
        }
    }
    EXPECT_EQ(highlightRight, shadowRight + 1);
}

TEST(ButtonPainter, TextFormatBecomesQtAlignment) {
    EXPECT_EQ(TextFlagsFromFormat(0x25),
              Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic);
    EXPECT_EQ(TextFlagsFromFormat(0x26) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(TextFlagsFromFormat(0x24) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    // Vertical centring needs a single line, as with DrawText.
    EXPECT_EQ(TextFlagsFromFormat(0x05) & Qt::AlignVertical_Mask, Qt::AlignTop);
}

}  // namespace
