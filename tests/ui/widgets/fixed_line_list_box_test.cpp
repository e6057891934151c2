#include "ui/widgets/fixed_line_list_box.h"

#include <QHelpEvent>
#include <QImage>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zephyr::uitest {
namespace {

using ui::FixedLineListBox;

// The build-order list is 129 pixels wide; item lines carry their group.
struct BuildOrderLines : ::testing::Test {
    BuildOrderLines() {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        list.setFont(font);
        list.setGeometry(0, 0, 129, 100);
        list.SetLines({QStringLiteral("1. Ability"),
                       QStringLiteral("> Stormglass Rod - Overcharge of the Deep <")},
                      {QColor(81, 102, 165), QColor(255, 128, 64)});
        list.show();
    }

    // Whether some pixel of the line's text is (nearly) this colour.
    bool Shows(const QImage& image, int line, const QColor& colour) const {
        const QRect r = list.LineRect(line);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left() + 2; x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                        std::abs(c.blue() - colour.blue()) <
                    40) {
                    return true;
                }
            }
        }
        return false;
    }

    FixedLineListBox list;
};

TEST_F(BuildOrderLines, ALineCutAtTheEdgeShowsWholeAsATooltip) {
    EXPECT_EQ(list.ToolTipAt(list.LineRect(0).center()), QString());
    const QPoint longLine = list.LineRect(1).center();
    EXPECT_EQ(list.ToolTipAt(longLine), list.Lines()[1]);
    EXPECT_EQ(list.ToolTipAt(QPoint(5, 90)), QString()); // below the last line

    QHelpEvent help(QEvent::ToolTip, longLine, list.mapToGlobal(longLine));
    QApplication::sendEvent(&list, &help);
    EXPECT_EQ(QToolTip::text(), list.Lines()[1]);
    QHelpEvent shortHelp(QEvent::ToolTip, list.LineRect(0).center(),
                         list.mapToGlobal(list.LineRect(0).center()));
    QApplication::sendEvent(&list, &shortHelp);
    EXPECT_FALSE(QToolTip::isVisible() && QToolTip::text() == list.Lines()[0]);
}

// Ability 1's blue on the selection blue cannot be read: a selected line is
// written in white and keeps its colour in a bar at its left edge.
TEST_F(BuildOrderLines, ASelectedLineStaysReadable) {
    list.SetSelected(0);
    const QImage image = list.grab().toImage();
    const QRect selected = list.LineRect(0);
    EXPECT_EQ(image.pixelColor(0, selected.center().y()), QColor(81, 102, 165));
    EXPECT_TRUE(Shows(image, 0, Qt::white));
    EXPECT_FALSE(Shows(image, 0, QColor(81, 102, 165)));
    // The other line keeps its own colour on black.
    EXPECT_TRUE(Shows(image, 1, QColor(255, 128, 64)));
    EXPECT_EQ(image.pixelColor(0, list.LineRect(1).center().y()), QColor(Qt::black));
}

// While a line is dragged, a bar marks where it will land: below the line
// under the mouse when moving down, above it when moving up; none over the
// dragged line itself, and none once it is dropped.
TEST(BuildOrderDrag, AMarkerShowsWhereTheLineWillLand) {
    FixedLineListBox list;
    list.setGeometry(0, 0, 129, 100);
    list.SetLines({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                  {Qt::white, Qt::white, Qt::white});
    list.CanDrag = [](int) { return true; };
    list.show();
    int droppedFrom = -1;
    int droppedTo = -1;
    QObject::connect(&list, &FixedLineListBox::LineDropped, [&](int from, int to) {
        droppedFrom = from;
        droppedTo = to;
    });
    const QColor marker(255, 204, 102);
    const auto markedRows = [&list, &marker] {
        const QImage image = list.grab().toImage();
        std::vector<int> rows;
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(list.width() / 2, y) == marker) {
                rows.push_back(y);
            }
        }
        return rows;
    };

    QTest::mousePress(&list, Qt::LeftButton, {}, list.LineRect(0).center());
    QTest::mouseMove(&list, list.LineRect(0).center() + QPoint(1, 0));
    EXPECT_EQ(list.DropLine(), -1);
    EXPECT_TRUE(markedRows().empty());
    QTest::mouseMove(&list, list.LineRect(2).center());
    EXPECT_EQ(list.DropLine(), 2);
    const std::vector<int> below = markedRows();
    ASSERT_EQ(below.size(), 2u);
    EXPECT_GE(below.front(), list.LineRect(2).center().y());
    EXPECT_LE(below.back(), list.LineRect(2).bottom());
    QTest::mouseRelease(&list, Qt::LeftButton, {}, list.LineRect(2).center());
    EXPECT_EQ(droppedFrom, 0);
    EXPECT_EQ(droppedTo, 2);
    EXPECT_EQ(list.DropLine(), -1);
    EXPECT_TRUE(markedRows().empty());

    // Upwards, the bar sits on the top of the line under the mouse.
    QTest::mousePress(&list, Qt::LeftButton, {}, list.LineRect(2).center());
    QTest::mouseMove(&list, list.LineRect(1).center());
    const std::vector<int> above = markedRows();
    ASSERT_EQ(above.size(), 2u);
    EXPECT_EQ(above.front(), list.LineRect(1).top());
    QTest::mouseRelease(&list, Qt::LeftButton, {}, list.LineRect(1).center());
}

} // namespace
} // namespace zephyr::uitest
