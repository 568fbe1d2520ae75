// Cutting a window outline out of a skin bitmap: every pixel of the key
// colour lies outside, everything else inside. Pure computation over the
// pixels, so it runs and is tested without a window system.
#pragma once

#include "colour_values.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

// Rectangles handed over to QRegion at a time, and the step the batch grows
// by: ragged outlines of large bitmaps never need one huge allocation.
inline constexpr int kRegionBatchRects = 2000;
inline constexpr int kRegionGrowStep = 100;

// The horizontal runs of the picture, one pixel high, row by row from the top
// and left to right within a row. With cutMatching the runs are the pixels
// whose red, green and blue equal the key exactly; without it, the runs
// are the key pixels themselves.
std::vector<QRect> BitmapRuns(const QImage& bitmap, ColorRef keyColour, bool cutMatching = true);

// The union of BitmapRuns, built in batches of at most kRegionBatchRects;
// empty for a null picture.
QRegion BitmapToRegion(const QImage& bitmap, ColorRef keyColour, bool cutMatching = true);

// The bitmap with every key-colour pixel fully transparent and the rest as it
// was, for a window the compositor blends: there a window's outline (the
// region above) only cuts where the pointer reaches, and whatever the window
// paints shows, key colour included. Null for a null picture.
QImage KeyColourCleared(const QImage& bitmap, ColorRef keyColour);
