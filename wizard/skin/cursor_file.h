// Cursor files (.cur) as Qt cursors. The hot spot lives in the file's
// directory entry, which Qt's image readers do not report.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPoint>
#include <QString>

#include <optional>

// The hot spot of the first cursor in a .cur file's bytes: the directory
// must be of type 2 (cursor) with at least one entry, whose "planes" field
// holds x and "bit count" y. Nothing for anything else.
std::optional<QPoint> CursorFileHotspot(const QByteArray& bytes);

// The cursor in the file at path (backslashes allowed); nothing when the
// file is missing or is no readable cursor.
std::optional<QCursor> LoadCursorFile(const QString& path);
