// The calculator's background: every panel holds its controls with room to
// spare, no two panels touch, and the lime areas lie inside their panels.
#include "interface_art.h"

#include "art_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace zephyr::pack {
namespace {

const QRect kMask(0, 0, kMainMaskWidth, kMainMaskHeight);

QRect Grown(const QRect& r, int by) {
    return r.adjusted(-by, -by, by, by);
}

const MaskPanel& Panel(const char* name) {
    for (const MaskPanel& panel : MainMaskPanels()) {
        if (std::string_view(panel.Name) == name) {
            return panel;
        }
    }
    throw std::runtime_error(std::string("no panel ") + name);
}

TEST(MainMask, PanelsHoldTheirControlsWithAMargin) {
    for (const MaskPanel& panel : MainMaskPanels()) {
        EXPECT_FALSE(panel.Controls.empty()) << panel.Name;
        EXPECT_TRUE(kMask.contains(panel.Area)) << panel.Name;
        for (const QRect& control : panel.Controls) {
            EXPECT_TRUE(panel.Area.contains(Grown(control, kMaskMargin)))
                << panel.Name << ": " << control.x() << "," << control.y() << " " << control.width()
                << "x" << control.height();
        }
        for (const QRect& lime : panel.Lime) {
            EXPECT_TRUE(panel.Area.contains(Grown(lime, kMaskMargin))) << panel.Name;
        }
    }
}

TEST(MainMask, PanelsKeepApart) {
    const std::vector<MaskPanel>& panels = MainMaskPanels();
    for (std::size_t a = 0; a < panels.size(); ++a) {
        for (std::size_t b = a + 1; b < panels.size(); ++b) {
            EXPECT_FALSE(Grown(panels[a].Area, kMaskMargin).intersects(panels[b].Area))
                << panels[a].Name << " and " << panels[b].Name;
            // No control or lime area of one reaches into another.
            for (const QRect& control : panels[a].Controls) {
                EXPECT_FALSE(control.intersects(panels[b].Area))
                    << panels[a].Name << " into " << panels[b].Name;
            }
            for (const QRect& lime : panels[b].Lime) {
                EXPECT_FALSE(lime.intersects(panels[a].Area))
                    << panels[b].Name << " into " << panels[a].Name;
            }
        }
    }
}

TEST(MainMask, HoldsTheControlsThatOnceCrossedTheirPanels) {
    // The tenth aura box.
    const std::vector<QRect>& hero = Panel("hero").Controls;
    EXPECT_NE(std::find(hero.begin(), hero.end(), QRect(248 + 17 * 9, 200, 15, 15)), hero.end());
    // The build list's lime ends at 393; the editors' box starts at 392.
    const MaskPanel& order = Panel("build order");
    EXPECT_NE(std::find(order.Lime.begin(), order.Lime.end(), QRect(592, 48, 161, 345)),
              order.Lime.end());
    EXPECT_NE(std::find(order.Controls.begin(), order.Controls.end(), QRect(584, 392, 193, 124)),
              order.Controls.end());
}

TEST(MainMask, IsDrawnAsTheListSays) {
    testing::EnsureGuiApplication();
    const Picture mask = DrawInterfaceArt("Data\\images\\design\\MainMask.bmp");
    ASSERT_EQ(mask.Width, kMainMaskWidth);
    ASSERT_EQ(mask.Height, kMainMaskHeight);
    const auto lime = [&](int x, int y) { return (mask.At(x, y) & 0xFFFFFF) == 0x00FF00; };
    const std::uint32_t background = 0x08080B;
    int limeInside = 0;
    int limeAll = 0;
    for (int y = 0; y < mask.Height; ++y) {
        for (int x = 0; x < mask.Width; ++x) {
            bool inLime = false;
            for (const MaskPanel& panel : MainMaskPanels()) {
                for (const QRect& area : panel.Lime) {
                    inLime = inLime || area.contains(x, y);
                }
            }
            limeAll += lime(x, y);
            limeInside += inLime && lime(x, y);
            if (inLime) {
                EXPECT_TRUE(lime(x, y)) << x << "," << y;
            }
        }
    }
    // Lime is exactly the listed areas.
    EXPECT_EQ(limeAll, limeInside);
    // Every control sits on its panel, not on the bare background around it.
    for (const MaskPanel& panel : MainMaskPanels()) {
        for (const QRect& control : panel.Controls) {
            const QPoint corners[] = {control.topLeft(), control.topRight(), control.bottomLeft(),
                                      control.bottomRight()};
            for (const QPoint corner : corners) {
                EXPECT_NE(mask.At(corner.x(), corner.y()) & 0xFFFFFF, background) << panel.Name;
            }
        }
    }
}

} // namespace
} // namespace zephyr::pack
