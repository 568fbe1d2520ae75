// Which language file the wizard uses, decided once at start-up from the
// system's default language as a Windows language identifier.
#pragma once

#include <QLocale>
#include <QString>

// 1 when the wizard runs in Simplified Chinese (language id 2052), else 0.
// Set once during start-up; the pages choose layouts and images by it.
extern int isSimpChinese;

inline constexpr int kLanguageIdSimpChinese = 2052;

// The Windows language identifier (LANGID) for a locale: zh_CN 2052,
// zh_TW 1028, zh_HK 3076, zh_SG 4100, en_US 1033 ... Languages without an
// entry of their own give their primary language with the default sublanguage.
int WindowsLanguageId(const QLocale& locale);

// WindowsLanguageId of QLocale::system(), the stand-in for
// GetSystemDefaultLangID.
int SystemLanguageId();

struct LanguageChoice {
    int simpChinese;   // the value for isSimpChinese
    QString fileName;  // "SimpChinese.ini" or "English.ini"
};

// Only 2052 selects Simplified Chinese; Taiwan, Hong Kong and Singapore
// Chinese get the English file like every other language.
LanguageChoice ChooseLanguageFile(int languageId);
