#include "skin_font.h"

#include <QStringList>

#include <algorithm>

QFont MakeSkinFont(const SkinFontStyle& style) {
    QFont font(style.face);
    // MulDiv rounds half away from zero.
    font.setPixelSize(std::max(1, (style.pointSize * 96 + 36) / 72));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

QFont DialogTemplateFont() {
    QFont font = MakeSkinFont({8, QStringLiteral("MS Shell Dlg")});
    // The alias's own faces first, then those with their metrics here.
    font.setFamilies({QStringLiteral("MS Shell Dlg"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return font;
}

namespace {

QString& SkinFontName() {
    // The settings file's own default.
    static QString face = QStringLiteral("Arial");
    return face;
}

}  // namespace

QString GetSkinFontName() {
    return SkinFontName();
}

void SetSkinFontName(const QString& face) {
    SkinFontName() = face;
}
