// skin-gen OUT_DIR: draws every file of the wizard's Skin/ folder into OUT_DIR.
// skin-gen --hicolor OUT_DIR ICON_NAME: draws the program's icon for the
// desktop menu as a hicolor theme tree under OUT_DIR.
// All art is code; nothing here reads a picture.
#include "families.h"
#include "skin_output.h"
#include "style.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {

void WarnWithoutCjkFont() {
    const QFontInfo chinese(skin_gen::TextFont(skin_gen::Lang::Chinese, 14));
    if (!chinese.family().contains(QLatin1String("CJK")) &&
        !chinese.family().contains(QLatin1String("Hei"))) {
        std::fprintf(stderr, "skin-gen: warning: no CJK font found (got %s); install fonts-noto-cjk\n",
                     qPrintable(chinese.family()));
    }
}

void DrawSkin(skin_gen::SkinOutput& out) {
    WarnWithoutCjkFont();
    skin_gen::DrawWindowFaces(out);
    skin_gen::DrawPageBackgrounds(out);
    skin_gen::DrawInstructionPages(out);
    skin_gen::DrawControlStrips(out);
    skin_gen::DrawIconsAndCursors(out);
    skin_gen::DrawProgressFrames(out);
}

}  // namespace

int main(int argc, char** argv) {
    const bool hicolor = argc == 4 && std::strcmp(argv[1], "--hicolor") == 0;
    if (!hicolor && (argc != 2 || argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: skin-gen OUT_DIR\n       skin-gen --hicolor OUT_DIR ICON_NAME\n");
        return 2;
    }
    const char* folder = hicolor ? argv[2] : argv[1];
    // Drawing needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();

    skin_gen::SkinOutput out(QString::fromLocal8Bit(folder));
    if (hicolor) {
        skin_gen::DrawDesktopIcons(out, QString::fromLocal8Bit(argv[3]));
    } else {
        DrawSkin(out);
    }

    for (const QString& name : out.Failures()) {
        std::fprintf(stderr, "skin-gen: could not write %s\n", qPrintable(name));
    }
    std::printf("skin-gen: %d files in %s (%lld ms)\n", out.Written(), folder,
                static_cast<long long>(timer.elapsed()));
    return out.Failures().isEmpty() ? 0 : 1;
}
