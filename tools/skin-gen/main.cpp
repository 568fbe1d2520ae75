// skin-gen OUT_DIR: draws every file of the wizard's Skin/ folder into OUT_DIR.
// All art is code; nothing here reads a picture.
#include "families.h"
#include "skin_output.h"
#include "style.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: skin-gen OUT_DIR\n");
        return 2;
    }
    // Drawing needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();

    const QFontInfo chinese(skin_gen::TextFont(skin_gen::Lang::Chinese, 14));
    if (!chinese.family().contains(QLatin1String("CJK")) &&
        !chinese.family().contains(QLatin1String("Hei"))) {
        std::fprintf(stderr, "skin-gen: warning: no CJK font found (got %s); install fonts-noto-cjk\n",
                     qPrintable(chinese.family()));
    }

    skin_gen::SkinOutput out(QString::fromLocal8Bit(argv[1]));
    skin_gen::DrawWindowFaces(out);
    skin_gen::DrawPageBackgrounds(out);
    skin_gen::DrawInstructionPages(out);
    skin_gen::DrawControlStrips(out);
    skin_gen::DrawIconsAndCursors(out);
    skin_gen::DrawProgressFrames(out);

    for (const QString& name : out.Failures()) {
        std::fprintf(stderr, "skin-gen: could not write %s\n", qPrintable(name));
    }
    std::printf("skin-gen: %d files in %s (%lld ms)\n", out.Written(), argv[1],
                static_cast<long long>(timer.elapsed()));
    return out.Failures().isEmpty() ? 0 : 1;
}
