#pragma once

#include "engine/stat_figures.h"

#include <QRect>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace zephyr::ui {

// The orange marks over the panel on the values that differ from the pinned
// build. Each sits against the end of its value's text, so that it reads as
// that value's mark and not as one of the caption beside it. It takes no
// input: clicks and tooltips reach the widgets below.
class ChangeMarks : public QWidget {
public:
    static constexpr int kSize = 6;

    explicit ChangeMarks(QWidget* panel);

    // The changed figures with the rectangles of their texts, in the panel's
    // coordinates; the marks drawn so far go.
    void SetMarks(const std::vector<std::pair<Figure, QRect>>& texts);
    // The rectangle of a figure's mark, nothing when it carries none.
    std::optional<QRect> MarkOf(Figure figure) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<std::pair<Figure, QRect>> marks_;
};

} // namespace zephyr::ui
