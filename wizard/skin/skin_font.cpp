#include "skin_font.h"

#include "program_dir.h"
#include "settings_file.h"

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

QString GetSkinFontName() {
    return CSettingsFile(GetModuleDir()).GetSkinFontName();
}
