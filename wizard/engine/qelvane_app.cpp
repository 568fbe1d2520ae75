#include "qelvane_app.h"

#include "language_choice.h"

#include <utility>

CQelvaneApp::CQelvaneApp(QString programDir)
    : languageTable(programDir), programDir_(programDir), settings_(std::move(programDir)) {}

LibraryLoadResult CQelvaneApp::BindLibrary() {
    return libraryModule.Load(programDir_, controlObject);
}

void CQelvaneApp::ChooseLanguage(int languageId) {
    const LanguageChoice choice = ChooseLanguageFile(languageId);
    isSimpChinese = choice.simpChinese;
    languageTable.SetFile(choice.fileName);
}

void CQelvaneApp::ReleaseLibrary() {
    libraryModule.Release(controlObject);
}

void CQelvaneApp::ReadLoginSettings() {
    settings_.ReadLogin(routerInfo);
}

void CQelvaneApp::OpenManual() {
    const QString target = settings_.ReadManualPath(isSimpChinese);
    if (manualOpener_) {
        manualOpener_(target);
    }
}

void CQelvaneApp::OpenExternal(const QString& target) {
    if (manualOpener_) {
        manualOpener_(target);
    }
}

void CQelvaneApp::SetManualOpener(ManualOpener opener) {
    manualOpener_ = std::move(opener);
}
