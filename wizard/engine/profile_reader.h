// Reads INI ("private profile") files the way the wizard has always read
// them: section and key compared case-insensitively with surrounding blanks
// ignored, the first matching entry wins, one pair of surrounding quotes is
// removed, lines starting with ';' are comments. Files may be UTF-8 (with or
// without BOM) or UTF-16LE with BOM, with CR LF or LF line ends. Every call
// reads the file again; nothing is cached.
#pragma once

#include <QString>
#include <QStringList>

// Buffer sizes of the callers, terminator included, as the program has them.
inline constexpr int kSettingsBufferChars = 64;
inline constexpr int kLanguageBufferChars = 2048;

// The value of key in section, or defaultValue when the file, the section or
// the key is missing. The result is cut to bufferChars - 1 characters (the
// default too). Backslashes in filePath are taken as separators.
QString ReadProfileString(const QString& section, const QString& key, const QString& defaultValue,
                          const QString& filePath, int bufferChars);

// The keys of every entry of section, as the file writes them (trimmed), in
// file order; duplicates included.
QStringList ReadProfileKeys(const QString& section, const QString& filePath);
