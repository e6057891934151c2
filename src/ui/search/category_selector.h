#pragma once

#include <QComboBox>

namespace zephyr::ui {

// ComboBox1: the search area, a drop-down list drawn by the program. Every
// entry of the dropped-down list carries its piece of a white frame.
class CategorySelector : public QComboBox {
    Q_OBJECT
public:
    explicit CategorySelector(QWidget* parent);

    static constexpr int kItemHeight = 16;
};

} // namespace zephyr::ui
