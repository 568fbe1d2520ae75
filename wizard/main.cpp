// Qelvane, the one-key router set-up wizard. Until the wizard pages land this
// is a plain window that says what the program is.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Qelvane — the router set-up wizard is being built."));
    window.setWindowTitle(QStringLiteral("Qelvane"));
    window.resize(480, 120);
    window.show();
    return app.exec();
}
