// The private-profile reader over any file contents (UTF-8, UTF-16LE with
// BOM, garbage): a value is never longer than the caller's buffer allows, and
// every key that ReadProfileKeys lists is found by ReadProfileString.
//
// Input: the caller's buffer size, the section and the key on a line each,
// then the file's bytes.
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "fuzz_check.h"
#include "profile_reader.h"
#include "text_input.h"

namespace {

// One scratch file per process, rewritten for every input; in memory where
// there is a tmpfs, since rewriting a file on disk flushes it on close.
const QString& ScratchFile() {
    static const QString path = [] {
        std::string name = QFile::exists(QStringLiteral("/dev/shm")) ? "/dev/shm" : "/tmp";
        name += "/qelvane-profile-fuzz-XXXXXX";
        const int descriptor = mkstemp(name.data());
        FuzzCheck(descriptor >= 0, "a scratch file can be made");
        close(descriptor);
        std::atexit([] { QFile::remove(ScratchFile()); });
        return QString::fromStdString(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TextInput input(data, size);
    const int bufferChars = static_cast<int>(input.Number() % (kLanguageBufferChars + 1));
    const QString section = QString::fromStdString(input.Line());
    const QString key = QString::fromStdString(input.Line());
    const std::string contents = input.Rest();

    QFile file(ScratchFile());
    FuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file opens");
    file.write(contents.data(), static_cast<qint64>(contents.size()));
    file.close();

    const qsizetype allowed = std::max(bufferChars - 1, 0);
    const QString defaultValue(3 * kLanguageBufferChars, u'd');
    for (const QString& wanted : {section, QStringLiteral("Setting"), QStringLiteral("String")}) {
        const QString value = ReadProfileString(wanted, key, defaultValue, file.fileName(), bufferChars);
        FuzzCheck(value.size() <= allowed, "a value never exceeds the buffer");

        // A line break never survives into a value, so it marks "not found".
        const QString absent = QStringLiteral("\n");
        for (const QString& listed : ReadProfileKeys(wanted, file.fileName())) {
            FuzzCheck(
                ReadProfileString(wanted, listed, absent, file.fileName(), kLanguageBufferChars) != absent,
                "every listed key is found");
        }
    }
    return 0;
}
