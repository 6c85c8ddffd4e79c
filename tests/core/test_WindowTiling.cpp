#include "common/WindowTiling.h"

#include <gtest/gtest.h>

namespace trakora {

inline void PrintTo(const TileRect& r, std::ostream* os)
{
    *os << r.Left << "," << r.Top << " " << r.Width << "x" << r.Height;
}

namespace {

TEST(TileWindows, PacksEachWindowAgainstWhatIsThereWithoutOverlapping)
{
    const struct {
        const char* legend;
        TileRect area;
        std::vector<TileRect> taken;
        std::vector<TileSize> sizes;
        std::vector<TileRect> placed;
    } cases[] = {
        // Beside the bar it would touch the screen's top (247) and the bar (46); below it, the screen's
        // left edge (240) and the whole bar (247).
        {"below the main bar", {0, 0, 1280, 1024}, {{0, 0, 255, 46}}, {{247, 240}}, {{0, 46, 247, 240}}},
        {"beside the first, the higher of equals; then below it", {0, 0, 1000, 500}, {},
         {{400, 200}, {400, 200}, {400, 200}}, {{0, 0, 400, 200}, {400, 0, 400, 200}, {0, 200, 400, 200}}},
        {"below a panel", {0, 30, 1280, 994}, {}, {{200, 100}}, {{0, 30, 200, 100}}},
        {"no free place: the least overlap", {0, 0, 500, 300}, {{0, 0, 500, 200}}, {{300, 200}}, {{0, 100, 300, 200}}},
        {"larger than the area: its top-left corner", {0, 0, 300, 200}, {}, {{400, 300}}, {{0, 0, 400, 300}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TileWindows(c.area, c.taken, c.sizes), c.placed) << c.legend;
}

// The main bar and the six display windows, with their frames, as Show All opens them in a first run.
TEST(TileWindows, ShowAllFitsA1280By1024ScreenWithoutOverlap)
{
    const TileRect screen{0, 0, 1280, 1024}, bar{0, 0, 257, 44};
    const std::vector<TileSize> sizes{{249, 240}, {361, 294}, {249, 291}, {268, 78}, {761, 424}, {469, 359}};
    std::vector<TileRect> windows = TileWindows(screen, {bar}, sizes);
    windows.push_back(bar);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const TileRect& w = windows[i];
        EXPECT_TRUE(w.Left >= 0 && w.Top >= 0 && w.Right() <= 1280 && w.Bottom() <= 1024) << i;
        for (std::size_t j = i + 1; j < windows.size(); ++j) {
            const TileRect& o = windows[j];
            EXPECT_TRUE(w.Right() <= o.Left || o.Right() <= w.Left || w.Bottom() <= o.Top || o.Bottom() <= w.Top)
                << i << " and " << j;
        }
    }
}

} // namespace
} // namespace trakora
