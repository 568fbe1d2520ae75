// The wizard's single application object: the settings records the pages
// fill and the set-up tasks hand to the router-control library, the binding
// of that library with its control object, and the language table. No GUI:
// the program wires these to windows.
#pragma once

#include "language_table.h"
#include "library_binding.h"
#include "settings_file.h"
#include "settings_records.h"

#include <QString>

#include <functional>

// Opens a file or web address with the desktop's default handler; the
// program passes QDesktopServices::openUrl, tests record the call.
using ManualOpener = std::function<void(const QString& target)>;

class CQelvaneApp : public SettingsRecords {
public:
    explicit CQelvaneApp(QString programDir = GetModuleDir());
    CQelvaneApp(const CQelvaneApp&) = delete;
    CQelvaneApp& operator=(const CQelvaneApp&) = delete;

    // Start-up: load the library and create the control object. NotFound
    // means: show kLoadLibraryFailedMessage and exit with code 0.
    LibraryLoadResult BindLibrary();

    // Start-up: isSimpChinese and the language file from a Windows language
    // id (SystemLanguageId() in the program).
    void ChooseLanguage(int languageId);

    // Shutdown: free the control object and unload the library.
    void ReleaseLibrary();

    // True when router operations can be called; nothing may call through a
    // null control object.
    bool HasControlObject() const { return controlObject != nullptr; }

    // routerInfo's address, user and password from setting.ini.
    void ReadLoginSettings();

    // Opens "Manual Path" (Simplified Chinese) or "Manual Path2" with the
    // opener, even when the value is empty; failures are not reported.
    void OpenManual();
    void SetManualOpener(ManualOpener opener);
    // Opens target (a file or web address) with the same opener: the web link.
    void OpenExternal(const QString& target);

    QString GetSkinFontName() const { return settings_.GetSkinFontName(); }
    EditFocusColors ReadEditFocusColors() const { return settings_.ReadEditFocusColors(); }
    const CSettingsFile& Settings() const { return settings_; }
    QString ProgramDir() const { return programDir_; }

    CLibraryBinding libraryModule;
    CDLLObject* controlObject = nullptr;
    CLanguageTable languageTable;

private:
    QString programDir_;
    CSettingsFile settings_;
    ManualOpener manualOpener_;
};
