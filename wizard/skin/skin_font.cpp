#include "skin_font.h"

#include "program_dir.h"
#include "settings_file.h"

#include <algorithm>

QFont MakeSkinFont(const SkinFontSpec& spec) {
    QFont font(spec.face);
    // MulDiv rounds half away from zero.
    font.setPixelSize(std::max(1, (spec.pointSize * 96 + 36) / 72));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

QString GetSkinFontName() {
    return CSettingsFile(GetModuleDir()).GetSkinFontName();
}
