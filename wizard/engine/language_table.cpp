#include "language_table.h"

#include "format_string.h"
#include "profile_reader.h"

#include <utility>

CLanguageTable::CLanguageTable(QString programDir) : programDir_(std::move(programDir)) {}

void CLanguageTable::SetFile(const QString& name) {
    fileName_ = name;
}

QString CLanguageTable::FilePath() const {
    const QString name = fileName_.isEmpty() ? QString::fromUtf16(kDefaultLanguageFile) : fileName_;
    return FormatString(u"%sLanguage\\", programDir_) + name;
}

QString CLanguageTable::Lookup(QString key) const {
    QString text = ReadProfileString(QStringLiteral("String"), key, key, FilePath(), kLanguageBufferChars);
    // Line breaks first, so that a backslash-r and backslash-n with "[~NULL~]"
    // between them stay the four plain characters once the marker is gone.
    text.replace(QStringLiteral("\\r\\n"), QStringLiteral("\r\n"));
    text.remove(QStringLiteral("[~NULL~]"));
    return text;
}

QString TranslateCaption(const CLanguageTable& table, const QString& caption) {
    const QString translated = table.Lookup(caption);
    return translated.isEmpty() ? caption : translated;
}
