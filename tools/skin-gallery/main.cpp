// skin-gallery OUT_DIR: draws every skinned control in each of its states and
// every dialog shape of the wizard into OUT_DIR, one PNG each, with the skin
// beside this program. Runs on any Qt platform, offscreen included.
#include "gallery_output.h"
#include "gallery_scenes.h"
#include "program_dir.h"
#include "settings_file.h"
#include "skin_font.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin-gallery OUT_DIR\n");
        return 2;
    }
    // It only draws into images: without a display (a build machine, CI) it
    // needs none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    SetSkinFontName(CSettingsFile(GetModuleDir()).GetSkinFontName());
    GalleryOutput output(QString::fromLocal8Bit(argv[1]));
    DrawButtonScenes(output);
    DrawFieldScenes(output);
    DrawDialogScenes(output);
    output.SaveContactSheet(QStringLiteral("contact_sheet"));
    std::printf("skin-gallery: %d pictures in %s\n", output.Written(), argv[1]);
    return output.Failed() == 0 ? 0 : 1;
}
