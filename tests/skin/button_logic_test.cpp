// The skinned buttons' rules without any widget: state records, state
// index, layout, auto-size geometry and where strip frames are drawn.
#include "button_layout.h"
#include "button_state.h"
#include "cursor_file.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonStateRecords, SettersCascadeFromTheirStateOnward) {
    HwBtnStateRecords records(4);
    EXPECT_EQ(records.At(3).textColour, 0xB25125u);
    EXPECT_EQ(records.At(3).frameColour, kNoColour);
    records.SetTextColor(0, 0x111111);
    records.SetTextColor(1, 0x222222);
    records.SetBkColor(2, 0x333333);
    EXPECT_EQ(records.At(0).textColour, 0x111111u);
    EXPECT_EQ(records.At(1).textColour, 0x222222u);
    EXPECT_EQ(records.At(3).textColour, 0x222222u);
    EXPECT_EQ(records.At(1).backgroundColour, kNoColour);
    EXPECT_EQ(records.At(3).backgroundColour, 0x333333u);

    records.SetTextColorOfState(0, 0x000080);
    EXPECT_EQ(records.At(0).textColour, 0x000080u);
    EXPECT_EQ(records.At(1).textColour, 0x222222u);

    // Out-of-range states write nothing.
    records.SetFrameColor(-1, 0x444444);
    records.SetFrameColor(4, 0x444444);
    EXPECT_FALSE(records.SetFont(4, QFont()));
    for (int state = 0; state < 4; ++state) {
        EXPECT_EQ(records.At(state).frameColour, kNoColour);
    }
}

TEST(ButtonStateIndex, DisabledBeatsPressedBeatsHover) {
    EXPECT_EQ(PushButtonStateIndex(false, true, true), 3);
    EXPECT_EQ(PushButtonStateIndex(true, true, true), 2);
    EXPECT_EQ(PushButtonStateIndex(true, false, true), 1);
    EXPECT_EQ(PushButtonStateIndex(true, false, false), 0);

    EXPECT_EQ(CheckRadioStateIndex(true, false, false), 0);
    EXPECT_EQ(CheckRadioStateIndex(true, true, false), 1);
    EXPECT_EQ(CheckRadioStateIndex(true, false, true), 2);
    EXPECT_EQ(CheckRadioStateIndex(true, true, true), 3);
    EXPECT_EQ(CheckRadioStateIndex(false, true, false), 4);
    EXPECT_EQ(CheckRadioStateIndex(false, true, true), 5);
}

TEST(ButtonStateIndex, AutoStylesBecomeKindCodes) {
    EXPECT_EQ(ChkRadioKindFromStyle(0x50010003u), 2u);  // BS_AUTOCHECKBOX with window bits
    EXPECT_EQ(ChkRadioKindFromStyle(0x00000009u), 4u);  // BS_AUTORADIOBUTTON
    EXPECT_EQ(ChkRadioKindFromStyle(0x00000001u), 1u);  // anything else is kept
}

using Mode = ButtonLayoutMode;

ButtonLayoutInput Input(Mode mode, bool autoSize, QSize text, std::optional<QSize> image) {
    ButtonLayoutInput input;
    input.hasText = !text.isEmpty();
    input.textSize = text;
    input.imageSize = image;
    input.client = {0, 0, 100, 20};
    input.mode = mode;
    input.autoSize = autoSize;
    return input;
}

TEST(ButtonLayout, AutoSizedModesArrangeAroundContent) {
    const QSize text(30, 12);
    const QSize box(13, 13);

    ButtonLayout over = CalcButtonLayout(Input(Mode::CaptionOverImage, true, text, QSize(20, 10)));
    EXPECT_EQ(over.caption, (LayoutRect{0, 0, 20, 12}));  // the caption takes the image, made as tall
    EXPECT_TRUE(over.hasImage);
    over = CalcButtonLayout(Input(Mode::CaptionOverImage, true, text, std::nullopt));
    EXPECT_EQ(over.caption, (LayoutRect{0, 0, 34, 14}));

    const ButtonLayout right = CalcButtonLayout(Input(Mode::ImageLeftCaptionRight, true, text, box));
    EXPECT_EQ(right.caption, (LayoutRect{15, 0, 45, 13}));
    EXPECT_EQ(right.image, (LayoutRect{0, 0, 13, 13}));
    EXPECT_EQ(right.client.bottom, 13);

    const ButtonLayout left = CalcButtonLayout(Input(Mode::CaptionLeftImageRight, true, text, box));
    EXPECT_EQ(left.image, (LayoutRect{32, 0, 45, 13}));
    EXPECT_EQ(left.caption, (LayoutRect{0, 0, 30, 13}));

    const ButtonLayout imageOnly = CalcButtonLayout(Input(Mode::ImageOnly, true, text, box));
    EXPECT_TRUE(imageOnly.caption.IsEmpty());
    EXPECT_EQ(imageOnly.image, (LayoutRect{0, 0, 13, 13}));
}

TEST(ButtonLayout, FixedModesShareTheClientArea) {
    const QSize text(30, 12);
    const QSize tall(13, 25);
    const ButtonLayout over = CalcButtonLayout(Input(Mode::CaptionOverImage, false, text, tall));
    EXPECT_EQ(over.caption, (LayoutRect{0, 0, 100, 20}));
    EXPECT_EQ(over.image, (LayoutRect{0, 0, 100, 20}));

    const ButtonLayout right = CalcButtonLayout(Input(Mode::ImageLeftCaptionRight, false, text, tall));
    EXPECT_EQ(right.caption, (LayoutRect{15, 0, 100, 20}));
    EXPECT_EQ(right.image, (LayoutRect{0, 0, 13, 20}));  // cut to the client height

    const ButtonLayout left =
        CalcButtonLayout(Input(Mode::CaptionLeftImageRight, false, text, QSize(13, 13)));
    EXPECT_EQ(left.image, (LayoutRect{87, 0, 100, 13}));
    EXPECT_EQ(left.caption, (LayoutRect{0, 0, 85, 20}));

    EXPECT_EQ(CalcButtonLayout(Input(Mode::ImageOnly, false, text, tall)).image, (LayoutRect{0, 0, 100, 20}));

    // Without a caption there is no caption rectangle in any mode.
    for (Mode mode : {Mode::CaptionOverImage, Mode::ImageLeftCaptionRight, Mode::CaptionLeftImageRight,
                      Mode::ImageOnly}) {
        EXPECT_TRUE(CalcButtonLayout(Input(mode, false, QSize(), tall)).caption.IsEmpty())
            << static_cast<int>(mode);
    }
    // Once an image was seen the caption keeps clear of the image column.
    ButtonLayoutInput seen = Input(Mode::ImageLeftCaptionRight, false, text, std::nullopt);
    seen.hasImage = true;
    EXPECT_EQ(CalcButtonLayout(seen).caption.left, 2);
}

TEST(ButtonAutoSize, AnchorsByTheHorizontalTextFormat) {
    // A four-frame strip without a caption: one frame wide, two pixels taller.
    const ButtonLayout strip = CalcButtonLayout(Input(Mode::ImageOnly, true, QSize(), QSize(20, 10)));
    const LayoutRect client{50, 40, 151, 70};  // 101 wide, in parent coordinates
    EXPECT_EQ(AutoSizeGeometry(strip, client, Mode::ImageOnly, false, 0x24), (LayoutRect{50, 40, 70, 52}));
    EXPECT_EQ(AutoSizeGeometry(strip, client, Mode::ImageOnly, false, 0x26), (LayoutRect{131, 40, 151, 52}));
    // Centred: shrinks around the old centre, the odd pixel going right.
    EXPECT_EQ(AutoSizeGeometry(strip, client, Mode::ImageOnly, false, 0x25), (LayoutRect{90, 40, 110, 52}));
    // Wider than before: the division rounds toward zero.
    const ButtonLayout wide = CalcButtonLayout(Input(Mode::ImageOnly, true, QSize(), QSize(122, 10)));
    EXPECT_EQ(AutoSizeGeometry(wide, client, Mode::ImageOnly, false, 0x25).left, 40);

    // An image list without images grows the box by a pixel each side,
    // except for image-only buttons.
    EXPECT_EQ(AutoSizeGeometry(strip, client, Mode::CaptionOverImage, true, 0x24),
              (LayoutRect{50, 40, 72, 54}));
    EXPECT_EQ(AutoSizeGeometry(strip, client, Mode::ImageOnly, true, 0x24), (LayoutRect{50, 40, 70, 52}));
}

TEST(ButtonImageDraw, CentresInModesZeroAndThreeAndShiftsSingleImages) {
    ButtonLayout layout;
    layout.client = {0, 0, 101, 31};
    layout.image = {0, 0, 21, 11};
    const ImageDraw centred = ImageDrawFor(2, layout, Mode::ImageOnly, 4, true, false);
    EXPECT_EQ(centred.index, 2);
    EXPECT_EQ(centred.destination, (LayoutRect{40, 10, 61, 21}));
    EXPECT_EQ(ImageDrawFor(1, layout, Mode::ImageLeftCaptionRight, 4, false, true).destination, layout.image);

    const ImageDraw pressed = ImageDrawFor(2, layout, Mode::ImageLeftCaptionRight, 1, true, false);
    EXPECT_EQ(pressed.index, 0);
    EXPECT_EQ(pressed.destination, (LayoutRect{1, 1, 22, 12}));
    EXPECT_EQ(ImageDrawFor(1, layout, Mode::ImageLeftCaptionRight, 1, false, true).destination,
              (LayoutRect{-1, -1, 20, 10}));
}

TEST(CursorFile, HotspotComesFromTheDirectoryEntry) {
    QByteArray bytes(22, '\0');
    bytes[2] = 2;   // cursor
    bytes[4] = 1;   // one entry
    bytes[10] = 7;  // "planes": x
    bytes[12] = 9;  // "bit count": y
    EXPECT_EQ(CursorFileHotspot(bytes), QPoint(7, 9));
    bytes[2] = 1;  // an icon has no hot spot
    EXPECT_FALSE(CursorFileHotspot(bytes));
    EXPECT_FALSE(CursorFileHotspot(bytes.left(10)));
}

}  // namespace
