// "setting.ini" beside the program: the router login, the manual paths and
// the skin's font and edit colours. Read-only; every read opens the file anew
// and a missing file or key gives the default.
#pragma once

#include "dll_object.h"
#include "colour_values.h"
#include "program_dir.h"

#include <QString>

inline constexpr char16_t kSettingsFileName[] = u"setting.ini";

// Colours of a focused skinned edit. The file's key names are crossed:
// "EditFontColor" colours the background and "EditBkColor" the text.
struct EditFocusColors {
    ColorRef background;
    ColorRef text;
};

class CSettingsFile {
public:
    // programDir ends with a separator, as GetModuleDir does.
    explicit CSettingsFile(QString programDir = GetModuleDir());

    QString Path() const;

    // One value, cut to 63 characters like every settings read.
    QString Read(const QString& section, const QString& key, const QString& defaultValue) const;

    // "LAN IP", "User Name" and "Password" of [Setting] into address, user and
    // password; the defaults are the router's factory login.
    void ReadLogin(RouterInfo& info) const;

    // "Manual Path" for Simplified Chinese, "Manual Path2" otherwise.
    QString ReadManualPath(int simpChinese) const;

    // "FontName" of [Font], "Arial" by default.
    QString GetSkinFontName() const;

    // White background and black text unless the file says otherwise.
    EditFocusColors ReadEditFocusColors() const;

private:
    QString programDir_;
};
