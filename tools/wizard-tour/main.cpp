// wizard-tour: a developer's tool beside the program (not shipped). Opens the
// real wizard window against the router that setting.ini names, which must be
// a simulated one on loopback, and walks it through a whole PPPoE set-up with
// the real widgets and the real pauses, screenshotting every page, progress
// window and message box. Prints the WAN address the result page shows.
#include "language_choice.h"
#include "main_window.h"
#include "page_flow.h"
#include "qelvane_app.h"
#include "headless_setup.h"
#include "tour_scenarios.h"
#include "wizard_tour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kLanguageIdEnglishUs = 1033;
constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Walks the Qelvane wizard through a whole PPPoE set-up against a simulated router on loopback."));
    parser.addHelpOption();
    const QCommandLineOption chinese(QStringLiteral("chinese"), QStringLiteral("Simplified Chinese texts."));
    const QCommandLineOption shots(QStringLiteral("shots"), QStringLiteral("Folder for the screenshots."),
                                   QStringLiteral("DIR"));
    const QCommandLineOption account(QStringLiteral("account"), QStringLiteral("PPPoE account."),
                                     QStringLiteral("NAME"), QStringLiteral("demo@isp.example"));
    const QCommandLineOption password(QStringLiteral("account-password"), QStringLiteral("PPPoE password."),
                                      QStringLiteral("TEXT"), QStringLiteral("demo-pass"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("WPA2 pass-phrase."),
                                 QStringLiteral("TEXT"), QStringLiteral("QelvaneDemo2024"));
    const QCommandLineOption looks(QStringLiteral("looks"),
                                   QStringLiteral("Shots of how the pages look instead of a whole set-up."));
    parser.addOptions({chinese, shots, account, password, key, looks});
    parser.process(application);

    CQelvaneApp app;
    app.ChooseLanguage(parser.isSet(chinese) ? kLanguageIdSimpChinese : kLanguageIdEnglishUs);
    app.ReadLoginSettings();
    if (!IsLoopbackRouterAddress(app.routerInfo.address)) {
        std::fprintf(stderr, "wizard-tour: refusing to talk to %s: only a router on 127.0.0.0/8 is allowed\n",
                     app.routerInfo.address.c_str());
        return kUsageError;
    }
    if (app.BindLibrary() == LibraryLoadResult::NotFound || !app.HasControlObject()) {
        std::fprintf(stderr, "wizard-tour: %s\n", qPrintable(QString::fromUtf16(kLoadLibraryFailedMessage)));
        return 1;
    }
    app.SetManualOpener([](const QString&) {});

    const QString shotDirectory =
        parser.isSet(shots) ? parser.value(shots) : QDir::currentPath() + QStringLiteral("/tour");
    CQelvaneDlg window(app);
    WizardTour tour(window);
    tour.SetShotDirectory(shotDirectory);
    tour.SetLog([](const QString& step) {
        std::printf("  %s\n", qPrintable(step));
        std::fflush(stdout);
    });
    QString wanAddress;
    if (parser.isSet(looks)) {
        AddLooksTour(tour);
    } else {
        AddPppoeTour(
            tour, {parser.value(account), parser.value(password), parser.value(key), parser.isSet(chinese)});
        tour.Add(QStringLiteral("finish"), [&] {
            wanAddress = tour.TextOf(kPageResult, kResultPageWanIpField);
            return true;
        });
        tour.ClickNext();
        tour.AcceptMessagesUntilClosed(QStringLiteral("keep-profile"));
    }
    QObject::connect(&tour, &WizardTour::Finished, &window, [&](bool ok) {
        if (ok && parser.isSet(looks)) {
            // Nothing was saved: the window just goes.
            std::printf("Screenshots: %lld in %s\n", static_cast<long long>(tour.Shots().size()),
                        qPrintable(shotDirectory));
            app.ReleaseLibrary();
            std::fflush(nullptr);
            std::_Exit(0);
        }
        if (!ok) {
            std::fprintf(stderr, "wizard-tour: %s\n", qPrintable(tour.Failure()));
            app.ReleaseLibrary();
            std::fflush(nullptr);
            std::_Exit(1);
        }
    });
    tour.Start();
    const int result = window.DoModal();
    app.ReleaseLibrary();
    std::printf("Screenshots: %lld in %s\n", static_cast<long long>(tour.Shots().size()),
                qPrintable(shotDirectory));
    if (result != kFinishedResult || wanAddress.isEmpty()) {
        std::printf("The wizard ended without a WAN address.\n");
        return 1;
    }
    std::printf("WAN address: %s\n", qPrintable(wanAddress));
    return 0;
}
