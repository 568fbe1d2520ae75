// What the user takes away from the result page: the new network's join code
// as a picture, and the whole summary (connection, WAN address, wireless
// name, security and key, the code) as a PDF in the wizard's language.
#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

#include "qr_code.h"

// The code drawn black on white, `scale` pixels a module, with the quiet
// zone of four modules a reader needs around it.
QImage JoinCodePicture(const QrModules& code, int scale);

struct SetupSummary {
    QString title;
    QList<QPair<QString, QString>> rows;  // caption, value
    QImage joinCode;                      // may be null
};

// Writes the summary as a one-page PDF. The file holds the wireless key, so
// it is readable by its owner only (0600) from the moment it exists; an
// existing file is replaced. False, with nothing left behind, on failure.
bool WriteSummaryPdf(const QString& path, const SetupSummary& summary);
