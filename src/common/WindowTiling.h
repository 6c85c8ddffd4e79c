#pragma once

#include <vector>

namespace trakora {

// A window's outer rectangle on the screen, in pixels; Right and Bottom lie
// just past it.
struct TileRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TileRect&) const = default;
};

struct TileSize {
    int Width = 0;
    int Height = 0;
};

// Free places for windows that have none of their own: each window of
// `sizes`, in order, goes inside `area` where it overlaps none of `taken`
// (the windows already on the screen) nor the windows placed before it.
// The places tried are the area's corners and the corners that line up
// with the edges of every window already there. Of the free ones, the one
// whose outline runs longest along other windows and along the area's left
// and top edges wins (the highest, then the leftmost, of equals): windows
// pack against what is there and leave the open room in one piece. Where
// none is free, the place that overlaps the least is taken. A window larger
// than the area keeps its size and starts at the area's top or left edge.
std::vector<TileRect> TileWindows(const TileRect& area, std::vector<TileRect> taken,
                                  const std::vector<TileSize>& sizes);

} // namespace trakora
