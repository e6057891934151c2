#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

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
    // The cell under a point of the grid, nothing outside every cell.
    std::optional<std::pair<int, int>> CellAt(const QPoint& point) const;

    // The tooltip of a cell; an empty text shows none.
    void SetToolTipFunction(std::function<QString(int column, int row)> toolTip) {
        toolTip_ = std::move(toolTip);
    }

    // The value cell the keyboard is on while the grid has the focus: the
    // arrows walk the values shown, and it is framed.
    std::optional<std::pair<int, int>> CurrentCell() const { return current_; }
    void SetFocusFrameColour(const QColor& colour) { focusFrame_ = colour; }

signals:
    // A left press on a value cell; a press on a caption goes to the parent.
    void ValueClicked(int column, int row);
    // Enter or Space on the current value cell.
    void ValueKeyed(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Makes `cell` current, framed and told to screen readers as its
    // caption and value.
    void MakeCurrent(std::pair<int, int> cell);
    // The next value cell with text from the current one, `columns` pairs
    // across or `rows` down; the current one when there is none.
    std::pair<int, int> Step(int columns, int rows) const;

    std::array<std::array<QString, kColumns>, kRows> cells_;
    std::optional<std::pair<int, int>> current_;
    QColor focusFrame_ = Qt::white;
    std::function<QString(int column, int row)> toolTip_;
};

} // namespace zephyr::ui
