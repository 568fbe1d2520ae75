#include "setup_summary.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

QImage JoinCodePicture(const QrModules& code, int scale) {
    constexpr int kQuiet = 4;
    const int side = (code.size + 2 * kQuiet) * scale;
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.IsDark(x, y)) {
                painter.fillRect((x + kQuiet) * scale, (y + kQuiet) * scale, scale, scale, Qt::black);
            }
        }
    }
    return picture;
}

bool WriteSummaryPdf(const QString& path, const SetupSummary& summary) {
    // Written beside the target and renamed over it at the end, with the
    // owner-only permissions set before a byte of the key is in it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setTitle(summary.title);
        QPainter painter(&pdf);
        const int margin = 150;  // half an inch
        const int width = pdf.width() - 2 * margin;
        int y = margin;
        QFont font = painter.font();
        font.setPointSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(margin, y, width, 200), Qt::AlignLeft | Qt::TextWordWrap, summary.title);
        y += 250;
        font.setPointSize(12);
        font.setBold(false);
        painter.setFont(font);
        const int captionWidth = width / 3;
        for (const auto& [caption, value] : summary.rows) {
            const QRect valueBox(margin + captionWidth, y, width - captionWidth, 400);
            const QRect used = painter.boundingRect(valueBox, Qt::AlignLeft | Qt::TextWrapAnywhere, value);
            painter.drawText(QRect(margin, y, captionWidth, used.height()), Qt::AlignLeft, caption);
            painter.drawText(valueBox, Qt::AlignLeft | Qt::TextWrapAnywhere, value);
            y += std::max(used.height(), 60) + 30;
        }
        if (!summary.joinCode.isNull()) {
            const int side = std::min(width, 900);
            painter.drawImage(QRect(margin, y + 60, side, side), summary.joinCode);
        }
        if (!painter.end()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}
