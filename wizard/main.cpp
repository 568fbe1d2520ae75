// Qelvane, the one-key router set-up wizard. Start-up and shutdown run in the
// order the wizard has always used: bind the router-control library (or stop
// with "Load Dll failed!!!" and exit code 0), choose the language, run the
// main window, then free the control object and unload the library.
#include "language_choice.h"
#include "main_window.h"
#include "qelvane_app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    CQelvaneApp app;
    if (app.BindLibrary() == LibraryLoadResult::NotFound) {
        QMessageBox::critical(nullptr, QString(), QString::fromUtf16(kLoadLibraryFailedMessage));
        std::exit(0);
    }
    app.ChooseLanguage(SystemLanguageId());
    app.SetManualOpener(
        [](const QString& target) { QDesktopServices::openUrl(QUrl::fromUserInput(target)); });

    const int status = RunMainWindow(app);
    app.ReleaseLibrary();
    return status;
}
