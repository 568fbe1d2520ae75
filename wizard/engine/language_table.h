// The language string table: every text the wizard shows is looked up by key
// in section "String" of the chosen language file under <program>/Language.
#pragma once

#include "program_dir.h"

#include <QString>

inline constexpr char16_t kDefaultLanguageFile[] = u"English.ini";

class CLanguageTable {
public:
    explicit CLanguageTable(QString programDir = GetModuleDir());

    // The bare file name, "English.ini" or "SimpChinese.ini".
    void SetFile(const QString& name);
    QString File() const { return fileName_; }

    // The file every lookup reads; English.ini while no name is set.
    QString FilePath() const;

    // The text for key with "\r\n" turned into a line break and then
    // "[~NULL~]" removed; the key itself when the file lacks it. The empty
    // key finds no entry and so gives the empty text.
    QString Lookup(QString key) const;

private:
    QString programDir_;
    QString fileName_;
};

// A control's caption after translation: the text found under the caption,
// or the caption unchanged when that text is empty.
QString TranslateCaption(const CLanguageTable& table, const QString& caption);
