#include "console_command.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include "command_line.h"

std::string RunConsoleCommand(const std::string& commandLine, const PauseFunction& pauseAfterBlock) {
    const std::vector<std::string> parts = SplitCommandLine(commandLine);
    if (parts.empty()) {
        return {};
    }
    QStringList arguments;
    for (auto part = parts.begin() + 1; part != parts.end(); ++part) {
        arguments << QString::fromStdString(*part);
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The tools never read input; a closed input keeps one that asks from hanging.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(parts.front()), arguments);
    if (!process.waitForStarted(-1)) {
        return {};
    }

    std::string output;
    for (;;) {
        if (process.bytesAvailable() == 0 && !process.waitForReadyRead(-1) && process.bytesAvailable() == 0) {
            break;  // the child has closed its output and everything is read
        }
        const QByteArray block = process.read(kOutputBlockBytes);
        if (block.isEmpty()) {
            continue;
        }
        output.append(block.constData(), static_cast<std::size_t>(block.size()));
        pauseAfterBlock(kPauseAfterOutputBlock);
    }
    process.waitForFinished(-1);
    return output;
}
