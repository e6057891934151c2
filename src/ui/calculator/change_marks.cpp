#include "ui/calculator/change_marks.h"

#include <QPainter>
#include <QPainterPath>

namespace zephyr::ui {

ChangeMarks::ChangeMarks(QWidget* panel) : QWidget(panel) {
    setObjectName(QStringLiteral("ChangeMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(panel->rect());
}

void ChangeMarks::SetMarks(const std::vector<std::pair<Figure, QRect>>& texts) {
    std::vector<std::pair<Figure, QRect>> marks;
    for (const auto& [figure, text] : texts) {
        // Against the text's top right, one pixel apart.
        marks.emplace_back(figure, QRect(text.right() + 2, text.top(), kSize, kSize));
    }
    if (marks != marks_) {
        marks_ = std::move(marks);
        raise();
        update();
    }
}

std::optional<QRect> ChangeMarks::MarkOf(Figure figure) const {
    for (const auto& [marked, mark] : marks_) {
        if (marked == figure) {
            return mark;
        }
    }
    return std::nullopt;
}

void ChangeMarks::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [figure, mark] : marks_) {
        // A corner whose upright edge stands against the text.
        QPainterPath corner;
        corner.moveTo(mark.left(), mark.top());
        corner.lineTo(mark.left() + kSize, mark.top());
        corner.lineTo(mark.left(), mark.top() + kSize);
        corner.closeSubpath();
        painter.fillPath(corner, QColor(255, 140, 0));
    }
}

} // namespace zephyr::ui
