// Qelvane, the one-key router set-up wizard. Start-up and shutdown run in the
// order the wizard has always used: bind the router-control library (or stop
// with "Load Dll failed!!!" and exit code 0), choose the language, run the
// main window, then free the control object and unload the library.
#include "language_choice.h"
#include "main_window.h"
#include "open_target.h"
#include "qelvane_app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    CQelvaneApp app;
    if (app.BindLibrary() == LibraryLoadResult::NotFound) {
        QMessageBox::critical(nullptr, QString(), QString::fromUtf16(kLoadLibraryFailedMessage));
        return 0;
    }
    app.ChooseLanguage(SystemLanguageId());
    const QString programDir = app.ProgramDir();
    app.SetManualOpener([programDir](const QString& target) {
        // A failure to open is not reported, as with the shell's "open".
        QDesktopServices::openUrl(OpenableUrl(target, programDir));
    });

    // Finish ends the program with status 1, a confirmed close with 0; the
    // control object is freed and the library unloaded either way.
    const int status = RunMainWindow(app) == kFinishedResult ? 1 : 0;
    app.ReleaseLibrary();
    return status;
}
