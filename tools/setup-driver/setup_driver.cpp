// setup-driver: a developer's tool beside the program (not shipped). Runs the
// wizard's set-up tasks headless against the router that setting.ini names,
// which must be a simulated one on loopback.
#include <QCoreApplication>

#include <cstdio>

#include "driver_options.h"
#include "headless_setup.h"
#include "language_choice.h"
#include "qelvane_app.h"
#include "text_codec.h"

namespace {

constexpr int kLanguageIdEnglishUs = 1033;
constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    DriverOptions options;
    switch (ParseDriverOptions(QCoreApplication::arguments(), options)) {
        case ParseOutcome::ShowedHelp:
            return 0;
        case ParseOutcome::Failed:
            return kUsageError;
        case ParseOutcome::Run:
            break;
    }

    CQelvaneApp app;
    app.ChooseLanguage(options.chinese ? kLanguageIdSimpChinese : kLanguageIdEnglishUs);
    app.ReadLoginSettings();
    if (!IsLoopbackRouterAddress(app.routerInfo.address)) {
        std::fprintf(stderr,
                     "setup-driver: refusing to talk to %s: only a router on 127.0.0.0/8 is allowed "
                     "(set \"LAN IP\" in %s)\n",
                     app.routerInfo.address.c_str(), qPrintable(app.Settings().Path()));
        return kUsageError;
    }
    if (app.BindLibrary() == LibraryLoadResult::NotFound) {
        std::fprintf(stderr, "setup-driver: %s\n", qPrintable(QString::fromUtf16(kLoadLibraryFailedMessage)));
        return 1;
    }
    if (!app.HasControlObject()) {
        std::fprintf(stderr, "setup-driver: %s gave no control object\n",
                     qPrintable(app.libraryModule.LoadedPath()));
        app.ReleaseLibrary();
        return 1;
    }
    std::printf("Router %s:%d, user %s, library %s, language %s\n", app.routerInfo.address.c_str(),
                kRouterPort, app.routerInfo.user.c_str(), qPrintable(app.libraryModule.LoadedPath()),
                qPrintable(app.languageTable.File()));

    const int status = HeadlessSetup(app, options).Run();
    app.ReleaseLibrary();
    return status;
}
