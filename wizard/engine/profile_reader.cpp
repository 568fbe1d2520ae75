#include "profile_reader.h"

#include "native_path.h"

#include <QFile>
#include <QStringView>

#include <functional>

namespace {

QString DecodeProfile(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArray body = bytes.mid(2);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return QString::fromUtf8(bytes.mid(3));
    }
    return QString::fromUtf8(bytes);
}

QString Unquote(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

// Calls visit(key, value) for every entry of section in file order until it
// returns false. Returns false when the file cannot be read.
bool ForEachEntry(const QString& section, const QString& filePath,
                  const std::function<bool(const QString& key, const QString& value)>& visit) {
    QFile file(NativePath(filePath));
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QString wantedSection = section.trimmed();
    const QString text = DecodeProfile(file.readAll());
    bool inSection = false;
    for (QStringView rawLine : QStringView(text).tokenize(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.front() == u';') {
            continue;
        }
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            const QStringView name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(wantedSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0) {
            continue;
        }
        const QString key = line.left(equals).trimmed().toString();
        if (!key.isEmpty() && !visit(key, Unquote(line.mid(equals + 1).trimmed().toString()))) {
            break;
        }
    }
    return true;
}

}  // namespace

QString ReadProfileString(const QString& section, const QString& key, const QString& defaultValue,
                          const QString& filePath, int bufferChars) {
    const QString wantedKey = key.trimmed();
    QString result = defaultValue;
    ForEachEntry(section, filePath, [&](const QString& entryKey, const QString& value) {
        if (entryKey.compare(wantedKey, Qt::CaseInsensitive) != 0) {
            return true;
        }
        result = value;
        return false;
    });
    result.truncate(std::max(bufferChars - 1, 0));
    return result;
}

QStringList ReadProfileKeys(const QString& section, const QString& filePath) {
    QStringList keys;
    ForEachEntry(section, filePath, [&keys](const QString& entryKey, const QString&) {
        keys.append(entryKey);
        return true;
    });
    return keys;
}
