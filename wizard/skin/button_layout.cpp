#include "button_layout.h"

#include <algorithm>

namespace {

void ArrangeAutoSized(ButtonLayout& out, ButtonLayoutMode mode) {
    LayoutRect& caption = out.caption;
    LayoutRect& image = out.image;
    switch (mode) {
        case ButtonLayoutMode::CaptionOverImage:
            if (out.hasImage) {
                image.bottom = std::max(caption.bottom, image.bottom);
                caption = image;
            } else {
                // Room for the caption's overhang when there is no image to size by.
                caption.right += 4;
                caption.bottom += 2;
            }
            break;
        case ButtonLayoutMode::ImageLeftCaptionRight:
            if (out.hasImage) {
                caption.Offset(image.right + 2, 0);
                caption.bottom = image.bottom;
                out.client.bottom = caption.bottom;
            }
            break;
        case ButtonLayoutMode::CaptionLeftImageRight:
            image.Offset(caption.right + 2, 0);
            if (out.hasImage) {
                caption.bottom = image.bottom;
                out.client.bottom = caption.bottom;
            }
            break;
        case ButtonLayoutMode::ImageOnly:
            caption = {};
            break;
        default:
            break;
    }
}

void ArrangeInClient(ButtonLayout& out, ButtonLayoutMode mode) {
    LayoutRect& caption = out.caption;
    LayoutRect& image = out.image;
    const LayoutRect& client = out.client;
    switch (mode) {
        case ButtonLayoutMode::CaptionOverImage:
            caption = client;
            image = client;
            break;
        case ButtonLayoutMode::ImageLeftCaptionRight:
            caption.bottom = client.bottom;
            image.bottom = std::min(image.bottom, client.bottom);
            if (out.hasImage) {
                caption.left = image.right + 2;
            }
            caption.right = client.right;
            break;
        case ButtonLayoutMode::CaptionLeftImageRight:
            caption.bottom = client.bottom;
            image.bottom = std::min(image.bottom, client.bottom);
            if (out.hasImage) {
                image.Offset(client.right - image.right, 0);
                caption.right = image.left - 2;
            }
            break;
        case ButtonLayoutMode::ImageOnly:
            caption = {};
            image = client;
            break;
        default:
            break;
    }
}

}  // namespace

ButtonLayout CalcButtonLayout(const ButtonLayoutInput& input) {
    ButtonLayout out;
    out.client = input.client;
    out.hasImage = input.hasImage;
    if (input.hasText) {
        out.caption = {0, 0, input.textSize.width(), input.textSize.height()};
    }
    if (input.imageSize) {
        out.image = {0, 0, input.imageSize->width(), input.imageSize->height()};
        out.hasImage = true;
    }
    if (input.autoSize) {
        ArrangeAutoSized(out, input.mode);
    } else {
        ArrangeInClient(out, input.mode);
    }
    if (!input.hasText) {
        out.caption = {};
    }
    return out;
}

LayoutRect AutoSizeGeometry(const ButtonLayout& layout, const LayoutRect& clientInParent,
                            ButtonLayoutMode mode, bool stripWithoutImages, unsigned textFormat) {
    int width = std::max(layout.caption.right, layout.image.right);
    int height = std::max(layout.caption.bottom, layout.image.bottom + 2);
    if (mode != ButtonLayoutMode::ImageOnly && stripWithoutImages) {
        width += 2;
        height += 2;
    }
    const LayoutRect& client = clientInParent;
    LayoutRect result;
    if ((textFormat & kDtRight) != 0) {
        result.left = client.right - width;
    } else if ((textFormat & kDtCenter) != 0) {
        // Integer division toward zero, also when the content is wider than C.
        result.left = client.left + (client.Width() - width) / 2;
    } else {
        result.left = client.left;
    }
    result.right = result.left + width;
    result.top = client.top;
    result.bottom = client.top + height;
    return result;
}

LayoutRect ShiftImageRectForState(const LayoutRect& rect, bool pressed, bool hovered) {
    LayoutRect shifted = rect;
    if (pressed) {
        shifted.Offset(1, 1);
    }
    if (hovered) {
        shifted.Offset(-1, -1);
    }
    return shifted;
}

ImageDraw ImageDrawFor(int state, const ButtonLayout& layout, ButtonLayoutMode mode, int imageCount,
                       bool pressed, bool hovered) {
    ImageDraw draw{state, layout.image};
    if (mode == ButtonLayoutMode::CaptionOverImage || mode == ButtonLayoutMode::ImageOnly) {
        const LayoutRect& client = layout.client;
        LayoutRect& dest = draw.destination;
        dest.Offset((client.left + client.right) / 2 - (dest.left + dest.right) / 2,
                    (client.top + client.bottom) / 2 - (dest.top + dest.bottom) / 2);
    }
    if (imageCount < 2) {
        draw.index = 0;
        draw.destination = ShiftImageRectForState(draw.destination, pressed, hovered);
    }
    return draw;
}
