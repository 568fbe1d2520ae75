#include "window_snapshot.h"

#include <QPainter>
#include <QWidget>

QImage SnapshotWindow(QWidget* window) {
    QImage shot(window->size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    if (!window->mask().isEmpty()) {
        painter.setClipRegion(window->mask());
    }
    painter.drawPixmap(0, 0, window->grab());
    return shot;
}
