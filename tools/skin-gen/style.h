// The one visual language of every Skin/ picture: colours, fonts and the
// painter set-up shared by all drawing code.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

namespace skin_gen {

enum class Lang { English, Chinese };

// The language folders under Skin/ and the language of their pictures.
struct LanguageFolder {
    Lang lang;
    const char* folder;
};
inline constexpr LanguageFolder kLanguageFolders[] = {{Lang::English, "en"}, {Lang::Chinese, "cn"}};

namespace colour {
inline const QColor kAccent{0x1F, 0x5F, 0xA8};  // deep blue
inline const QColor kAccentDark{0x17, 0x4A, 0x85};
inline const QColor kAccentLight{0x4A, 0x86, 0xCF};
inline const QColor kAccentPale{0xDC, 0xE8, 0xF6};
inline const QColor kPanel{0xF7, 0xF9, 0xFC};  // page and dialog panels
inline const QColor kPanelShade{0xEA, 0xF0, 0xF7};
inline const QColor kLine{0xC9, 0xD6, 0xE6};
inline const QColor kInk{0x23, 0x36, 0x4D};  // text and outlines of drawings
inline const QColor kInkSoft{0x5E, 0x6E, 0x82};
inline const QColor kDevice{0xFD, 0xFE, 0xFF};  // device bodies
inline const QColor kDeviceShade{0xD9, 0xE1, 0xEB};
inline const QColor kGreen{0x2E, 0x9E, 0x5B};
inline const QColor kAmber{0xF2, 0xA5, 0x31};
inline const QColor kRed{0xD6, 0x45, 0x45};
inline const QColor kGrey{0xA7, 0xB0, 0xBC};
}  // namespace colour

// Sans-serif at a pixel size; Chinese pictures use a CJK face.
QFont TextFont(Lang lang, int pixelSize, bool bold = false);

// An opaque picture filled with one colour.
QImage Canvas(QSize size, const QColor& fill);
QImage Canvas(int width, int height, const QColor& fill);

// Antialiased painting with smooth text.
void PrepareSmooth(QPainter& painter);

// A vertical linear gradient brush from top to bottom of the span.
QBrush VerticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to);

}  // namespace skin_gen
