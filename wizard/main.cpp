// Qelvane, the one-key router set-up wizard. Start-up and shutdown run in the
// order the wizard has always used: bind the router-control library (or stop
// with "Load Dll failed!!!" and exit code 0), choose the language, run the
// main window, then free the control object and unload the library. Until the
// wizard pages land, the main window is a plain one that names the product.
#include "language_choice.h"
#include "language_keys.h"
#include "qelvane_app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>

namespace {

QString Text(const CQelvaneApp& app, QStringView key) {
    return app.languageTable.Lookup(key.toString());
}

int RunMainWindow(CQelvaneApp& app) {
    QWidget window;
    window.setWindowTitle(Text(app, lang::kAppName));
    auto* layout = new QVBoxLayout(&window);
    auto* title = new QLabel(Text(app, lang::kAppName), &window);
    QFont titleFont(app.GetSkinFontName(), 16, QFont::Bold);
    title->setFont(titleFont);
    layout->addWidget(title);
    for (QStringView key : {lang::kModelNo, lang::kVersionNo}) {
        const QString text = Text(app, key);
        if (!text.isEmpty()) {
            layout->addWidget(new QLabel(text, &window));
        }
    }
    window.resize(480, 160);
    window.show();
    return QApplication::exec();
}

}  // namespace

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
