#pragma once

#include <QString>
#include <QWidget>

#include <array>

namespace zephyr::ui {

// StringGrid1: six columns by eight rows of owner-drawn cells, captions in
// the even columns (yellow), values in the odd ones (white).
class StringGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 6;
    static constexpr int kRows = 8;
    static constexpr int kRowHeight = 16;
    static constexpr std::array<int, kColumns> kColumnWidths{99, 69, 134, 62, 93, 64};

    explicit StringGrid(QWidget* parent = nullptr);

    void SetCell(int column, int row, const QString& text);
    const QString& Cell(int column, int row) const;
    QRect CellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<std::array<QString, kColumns>, kRows> cells_;
};

} // namespace zephyr::ui
