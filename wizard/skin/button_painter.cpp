#include "button_painter.h"

#include <QPainter>

#include <algorithm>

int TextFlagsFromFormat(unsigned format) {
    int flags = 0;
    if ((format & kDtRight) != 0) {
        flags |= Qt::AlignRight;
    } else if ((format & kDtCenter) != 0) {
        flags |= Qt::AlignHCenter;
    } else {
        flags |= Qt::AlignLeft;
    }
    if ((format & kDtSingleLine) != 0) {
        flags |= Qt::TextSingleLine;
        // Vertical placement only applies to single lines, as with DrawText.
        if ((format & kDtBottom) != 0) {
            flags |= Qt::AlignBottom;
        } else if ((format & kDtVCenter) != 0) {
            flags |= Qt::AlignVCenter;
        } else {
            flags |= Qt::AlignTop;
        }
    } else {
        flags |= Qt::AlignTop;
        if ((format & kDtWordBreak) != 0) {
            flags |= Qt::TextWordWrap;
        }
    }
    if ((format & kDtNoPrefix) == 0) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

bool DrawStripFrame(QPainter& painter, const ImageStrip& strip, int index, const LayoutRect& destination) {
    const QImage frame = strip.Frame(index);
    if (frame.isNull()) {
        return false;
    }
    // An image list draws at most the requested size of the frame; it never
    // stretches.
    const QRect source(0, 0, std::min(frame.width(), destination.Width()),
                       std::min(frame.height(), destination.Height()));
    painter.drawImage(QPoint(destination.left, destination.top), frame, source);
    return true;
}

bool FillStateBackground(QPainter& painter, const LayoutRect& client, const HwBtnStateAttr& state) {
    if (state.backgroundColour == kNoColour) {
        return false;
    }
    painter.fillRect(ToQRect(client), ToQColor(state.backgroundColour));
    return true;
}

void DrawButtonCaption(QPainter& painter, const QString& text, const LayoutRect& caption, unsigned format,
                       const HwBtnStateAttr& state, const QFont& fallback, bool enabled,
                       const EmbossColours& emboss) {
    if (caption.IsEmpty() || text.isEmpty()) {
        return;
    }
    painter.save();
    painter.setFont(state.font.value_or(fallback));
    const int flags = TextFlagsFromFormat(format);
    if (enabled) {
        LayoutRect taller = caption;
        taller.top -= 1;
        taller.bottom += 1;
        painter.setPen(ToQColor(state.textColour));
        painter.drawText(ToQRect(taller), flags, text);
    } else {
        LayoutRect shifted = caption;
        shifted.Offset(1, 1);
        painter.setPen(emboss.highlight);
        painter.drawText(ToQRect(shifted), flags, text);
        painter.setPen(emboss.shadow);
        painter.drawText(ToQRect(caption), flags, text);
    }
    painter.restore();
}

void DrawButtonFrame(QPainter& painter, const LayoutRect& client, const HwBtnStateAttr& state, int kind) {
    if (kind == kHwBtnKindCheckBox || kind == kHwBtnKindRadio || state.frameColour == kNoColour ||
        client.IsEmpty()) {
        return;
    }
    const QColor colour = ToQColor(state.frameColour);
    const int width = client.Width();
    const int height = client.Height();
    painter.fillRect(client.left, client.top, width, 1, colour);
    painter.fillRect(client.left, client.bottom - 1, width, 1, colour);
    painter.fillRect(client.left, client.top, 1, height, colour);
    painter.fillRect(client.right - 1, client.top, 1, height, colour);
}

void DrawButtonFocusRect(QPainter& painter, const LayoutRect& client) {
    // A control about one text line high (a link, a check box) would have
    // the inset rectangle run through its caption: it gets it on its edge.
    const int inset = client.Height() < kFocusInsetMinHeight ? 0 : 3;
    const LayoutRect rect{client.left + inset, client.top + inset, client.right - inset,
                          client.bottom - inset};
    if (rect.IsEmpty()) {
        return;
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QColor invert(Qt::white);
    // A checkerboard along the border: the pixels whose offset from the
    // top-left corner has an even sum.
    const auto dot = [&](int x, int y) {
        if ((x - rect.left + y - rect.top) % 2 == 0) {
            painter.fillRect(x, y, 1, 1, invert);
        }
    };
    for (int x = rect.left; x < rect.right; ++x) {
        dot(x, rect.top);
        if (rect.Height() > 1) {
            dot(x, rect.bottom - 1);
        }
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        dot(rect.left, y);
        if (rect.Width() > 1) {
            dot(rect.right - 1, y);
        }
    }
    painter.restore();
}
