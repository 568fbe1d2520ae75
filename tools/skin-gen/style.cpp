#include "style.h"

#include <QLinearGradient>
#include <QStringList>

namespace skin_gen {

QFont TextFont(Lang lang, int pixelSize, bool bold) {
    QFont font;
    if (lang == Lang::Chinese) {
        font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                          QStringLiteral("DejaVu Sans")});
    } else {
        font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    }
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage Canvas(QSize size, const QColor& fill) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage Canvas(int width, int height, const QColor& fill) {
    return Canvas(QSize(width, height), fill);
}

void PrepareSmooth(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

QBrush VerticalGradient(qreal top, qreal bottom, const QColor& from, const QColor& to) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return QBrush(gradient);
}

}  // namespace skin_gen
