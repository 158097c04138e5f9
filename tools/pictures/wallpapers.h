#pragma once
#include <QImage>

namespace tq::pictures {

constexpr int wallpaperCount = 16;

// Background picture n (1 to 16): a seamless texture, size x size pixels.
QImage paintWallpaper(int n, int size = 256);

} // namespace tq::pictures
