// A picture of a window as it is drawn now, for screenshots: a shaped
// window's outside is left transparent, so its outline shows.
#pragma once

#include <QImage>

class QWidget;

QImage SnapshotWindow(QWidget* window);
