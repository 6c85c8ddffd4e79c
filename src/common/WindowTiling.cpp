#include "common/WindowTiling.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace trakora {

namespace {

std::int64_t Overlap(const TileRect& a, const TileRect& b)
{
    const std::int64_t width = std::min(a.Right(), b.Right()) - std::max(a.Left, b.Left);
    const std::int64_t height = std::min(a.Bottom(), b.Bottom()) - std::max(a.Top, b.Top);
    return width > 0 && height > 0 ? width * height : 0;
}

std::int64_t Shared(int start, int end, int otherStart, int otherEnd)
{
    return std::max(0, std::min(end, otherEnd) - std::max(start, otherStart));
}

// How much of the window's outline lies along the area's left and top edges
// and along the edges of the windows taken.
std::int64_t Contact(const TileRect& window, const TileRect& area, const std::vector<TileRect>& taken)
{
    std::int64_t contact = (window.Left == area.Left ? window.Height : 0) + (window.Top == area.Top ? window.Width : 0);
    for (const TileRect& other : taken) {
        if (other.Right() == window.Left || window.Right() == other.Left)
            contact += Shared(window.Top, window.Bottom(), other.Top, other.Bottom());
        if (other.Bottom() == window.Top || window.Bottom() == other.Top)
            contact += Shared(window.Left, window.Right(), other.Left, other.Right());
    }
    return contact;
}

// A coordinate moved so that a window of `length` stays inside [start, end).
int Inside(int at, int length, int start, int end)
{
    return std::max(start, std::min(at, end - length));
}

TileRect Place(const TileRect& area, const std::vector<TileRect>& taken, const TileSize& size)
{
    std::vector<int> lefts{area.Left, area.Right() - size.Width};
    std::vector<int> tops{area.Top, area.Bottom() - size.Height};
    for (const TileRect& window : taken) {
        lefts.push_back(window.Right());
        lefts.push_back(window.Left);
        tops.push_back(window.Bottom());
        tops.push_back(window.Top);
    }
    std::vector<std::pair<int, int>> corners; // (top, left): rows first
    for (int top : tops)
        for (int left : lefts)
            corners.emplace_back(Inside(top, size.Height, area.Top, area.Bottom()),
                                 Inside(left, size.Width, area.Left, area.Right()));
    std::sort(corners.begin(), corners.end());

    TileRect best{area.Left, area.Top, size.Width, size.Height};
    std::pair<std::int64_t, std::int64_t> bestScore{std::numeric_limits<std::int64_t>::max(), 0};
    for (const auto& [top, left] : corners) {
        const TileRect candidate{left, top, size.Width, size.Height};
        std::int64_t overlap = 0;
        for (const TileRect& window : taken)
            overlap += Overlap(candidate, window);
        const std::pair score{overlap, -Contact(candidate, area, taken)};
        if (score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

} // namespace

std::vector<TileRect> TileWindows(const TileRect& area, std::vector<TileRect> taken,
                                  const std::vector<TileSize>& sizes)
{
    std::vector<TileRect> placed;
    for (const TileSize& size : sizes) {
        placed.push_back(Place(area, taken, size));
        taken.push_back(placed.back());
    }
    return placed;
}

} // namespace trakora
