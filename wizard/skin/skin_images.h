// Skin pictures are read once per file and shared by every control and window
// that shows them (QImage shares its pixels implicitly).
#pragma once

#include <QImage>
#include <QString>

// The picture at path (backslashes allowed); a null image when the file is
// missing or unreadable. GUI thread only.
QImage LoadSkinImage(const QString& path);

// Forgets every picture read so far (tests that rewrite skin files).
void ClearSkinImageCache();
