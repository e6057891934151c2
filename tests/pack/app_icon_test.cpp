// The application icon: one SVG of our own and a PNG per theme size drawn
// from it, laid out as an icon theme wants them.
#include "app_icon.h"

#include "art_test_support.h"
#include "temp_folder.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace zephyr::pack {
namespace {

using zephyr::testing::TempFolder;

TEST(AppIcon, EveryThemeSizeIsDrawnFromTheSvg) {
    testing::EnsureGuiApplication();
    const TempFolder theme;
    WriteAppIcon(theme.Path());

    QFile svg(QString::fromStdString((theme.Path() / "scalable/apps/zephyrdex.svg").string()));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll(), AppIconSvg());

    for (const int size : kAppIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const QImage png(
            QString::fromStdString((theme.Path() / name / "apps/zephyrdex.png").string()));
        ASSERT_EQ(png.size(), QSize(size, size)) << name;
        EXPECT_TRUE(png.hasAlphaChannel()) << name;
        // The rounded tile leaves the corners clear and covers the middle.
        EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(png.pixel(size / 2, size / 2)), 255) << name;
    }
}

TEST(AppIcon, AnUnwritableFolderIsNamed) {
    testing::EnsureGuiApplication();
    const TempFolder folder;
    zephyr::testing::WriteFile(folder.Path() / "theme", "a file, not a folder");
    EXPECT_THROW(WriteAppIcon(folder.Path() / "theme"), std::exception);
}

} // namespace
} // namespace zephyr::pack
