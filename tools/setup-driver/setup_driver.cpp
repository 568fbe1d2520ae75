// setup-driver: a developer's tool beside the program (not shipped). Runs the
// wizard's set-up tasks headless against the router that setting.ini names,
// which must be a simulated one on loopback.
#include <QCoreApplication>

#include <cstdio>

#include "driver_options.h"
#include "driver_texts.h"
#include "headless_setup.h"
#include "language_choice.h"
#include "qelvane_app.h"
#include "text_codec.h"

namespace {

constexpr int kLanguageIdEnglishUs = 1033;

void PrintProblem(const QString& problem) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(DriverCommandName()), qPrintable(problem));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    DriverOptions options;
    QStringList problems;
    switch (ParseDriverOptions(QCoreApplication::arguments(), options, problems)) {
        case ParseOutcome::ShowedHelp:
            return kHeadlessSucceeded;
        case ParseOutcome::Failed:
            for (const QString& problem : problems) PrintProblem(problem);
            std::fprintf(
                stderr, "%s\n",
                qPrintable(DriverString(DriverText::HelpHint, options.chinese).arg(DriverCommandName())));
            return kHeadlessUsageError;
        case ParseOutcome::Run:
            break;
    }
    if (options.checkOnly) {
        return kHeadlessSucceeded;
    }

    CQelvaneApp app;
    app.ChooseLanguage(options.chinese ? kLanguageIdSimpChinese : kLanguageIdEnglishUs);
    app.ReadLoginSettings();
    if (options.routerUser) app.routerInfo.user = ToNarrow(*options.routerUser);
    if (options.routerPassword) app.routerInfo.password = ToNarrow(*options.routerPassword);
    if (!IsLoopbackRouterAddress(app.routerInfo.address)) {
        PrintProblem(DriverString(DriverText::NotLoopback, options.chinese)
                         .arg(app.Settings().Path() + QStringLiteral(" [Setting] LAN IP"),
                              ToWide(app.routerInfo.address)));
        return kHeadlessUsageError;
    }
    if (app.BindLibrary() == LibraryLoadResult::NotFound) {
        PrintProblem(QString::fromUtf16(kLoadLibraryFailedMessage));
        return kHeadlessFailed;
    }
    if (!app.HasControlObject()) {
        PrintProblem(app.libraryModule.LoadedPath() + QStringLiteral(": LoadObj gave no control object"));
        app.ReleaseLibrary();
        return kHeadlessFailed;
    }
    const QString user = options.routerUser.value_or(ToWide(app.routerInfo.user));
    std::printf("%s\n", qPrintable(DriverString(DriverText::RouterLine, options.chinese)
                                       .arg(ToWide(app.routerInfo.address))
                                       .arg(kRouterPort)
                                       .arg(user, app.libraryModule.LoadedPath(), app.languageTable.File())));
    std::fflush(stdout);

    const int status = HeadlessSetup(app, options).Run();
    app.ReleaseLibrary();
    return status;
}
