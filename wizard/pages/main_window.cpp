#include "main_window.h"

#include "language_keys.h"
#include "qelvane_app.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString Text(const CQelvaneApp& app, QStringView key) {
    return app.languageTable.Lookup(key.toString());
}

}  // namespace

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
