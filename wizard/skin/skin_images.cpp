#include "skin_images.h"

#include "native_path.h"

#include <QHash>

namespace {

QHash<QString, QImage>& Cache() {
    static QHash<QString, QImage> cache;
    return cache;
}

}  // namespace

QImage LoadSkinImage(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    auto& cache = Cache();
    const auto found = cache.constFind(path);
    if (found != cache.constEnd()) {
        return *found;
    }
    QImage image(NativePath(path));
    cache.insert(path, image);
    return image;
}

void ClearSkinImageCache() {
    Cache().clear();
}
