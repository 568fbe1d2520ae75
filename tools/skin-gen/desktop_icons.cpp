// The icons a desktop menu shows for the installed program. They are the
// same drawing as logo.ico, so the window and the menu entry look alike.
#include "families.h"

namespace skin_gen {

void DrawDesktopIcons(SkinOutput& out, const QString& iconName) {
    for (int size : kDesktopIconSizes) {
        out.TranslucentPng(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(iconName), LogoPicture(size));
    }
}

}  // namespace skin_gen
