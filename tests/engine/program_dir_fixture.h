// A throw-away program directory for tests that read files beside the program.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class TempProgramDir {
public:
    TempProgramDir() { EXPECT_TRUE(dir_.isValid()); }

    // With the trailing separator, as GetModuleDir returns it.
    QString Path() const { return dir_.path() + u'/'; }

    // Writes bytes to a file below the directory, creating folders as needed.
    QString Write(const QString& relativePath, const QByteArray& bytes) const {
        const QString path = Path() + relativePath;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

private:
    QTemporaryDir dir_;
};
