// first-page-probe BIN_DIR: starts the wizard as the program does (library,
// language, main window from BIN_DIR) and prints "drawn" the moment the
// welcome page has been painted, then quits. The benchmark times it.
#include "language_choice.h"
#include "main_window.h"
#include "qelvane_app.h"
#include "wizard_page.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Printed from inside the paint, right after the page drew.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::printf("drawn\n");
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: first-page-probe BIN_DIR\n");
        return 2;
    }
    QApplication application(argc, argv);
    CQelvaneApp app(QString::fromLocal8Bit(argv[1]) + u'/');
    app.BindLibrary();
    app.ChooseLanguage(SystemLanguageId());
    CQelvaneDlg window(app);
    if (!window.Create() || window.Page(0) == nullptr) {
        return 1;
    }
    FirstPaintWatch watch;
    window.Page(0)->installEventFilter(&watch);
    window.show();
    return application.exec();
}
