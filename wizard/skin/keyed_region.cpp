#include "keyed_region.h"

#include <algorithm>

namespace {

// Calls addRun(QRect) for every run, in scan order. The scan always reads a
// 32-bit copy, so any source row padding or pixel format is irrelevant.
template <typename AddRun>
void ScanRuns(const QImage& bitmap, ColorRef keyColour, bool cutMatching, AddRun&& addRun) {
    if (bitmap.isNull()) {
        return;
    }
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    const QRgb key = qRgb(static_cast<int>(keyColour & 0xFFu), static_cast<int>((keyColour >> 8) & 0xFFu),
                          static_cast<int>((keyColour >> 16) & 0xFFu)) &
                     RGB_MASK;
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        // A pixel ends a run when it is (or, without cutMatching, is not) the key.
        const auto endsRun = [&](int x) { return ((row[x] & RGB_MASK) == key) == cutMatching; };
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && !endsRun(x)) {
                ++x;
            }
            if (x > start) {
                addRun(QRect(start, y, x - start, 1));
            }
            ++x;
        }
    }
}

}  // namespace

std::vector<QRect> BitmapRuns(const QImage& bitmap, ColorRef keyColour, bool cutMatching) {
    std::vector<QRect> runs;
    ScanRuns(bitmap, keyColour, cutMatching, [&](const QRect& run) { runs.push_back(run); });
    return runs;
}

QRegion BitmapToRegion(const QImage& bitmap, ColorRef keyColour, bool cutMatching) {
    QRegion result;
    std::vector<QRect> batch;
    batch.reserve(kRegionGrowStep);
    const auto flush = [&] {
        if (batch.empty()) {
            return;
        }
        // The runs of one batch are already y-x sorted, one pixel high and
        // never touching, which is the layout setRects takes as it is.
        QRegion part;
        part.setRects(batch.data(), static_cast<int>(batch.size()));
        result = result.united(part);
        batch.clear();
    };
    ScanRuns(bitmap, keyColour, cutMatching, [&](const QRect& run) {
        if (batch.size() == batch.capacity()) {
            batch.reserve(batch.capacity() + kRegionGrowStep);
        }
        batch.push_back(run);
        if (batch.size() == static_cast<std::size_t>(kRegionBatchRects)) {
            flush();
        }
    });
    flush();
    return result;
}

QImage KeyColourCleared(const QImage& bitmap, ColorRef keyColour) {
    if (bitmap.isNull()) {
        return {};
    }
    QImage cleared = bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ScanRuns(bitmap, keyColour, false, [&](const QRect& run) {
        auto* row = reinterpret_cast<QRgb*>(cleared.scanLine(run.y()));
        std::fill(row + run.left(), row + run.left() + run.width(), QRgb{0});
    });
    return cleared;
}
