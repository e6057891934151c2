#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace zephyr::ui {

// An owner-drawn fixed list box with 11-pixel lines: the build-order list
// `ListBox1` and, disabled, the line numbers `ListBox2` beside it.
class FixedLineListBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 11;

    explicit FixedLineListBox(QWidget* parent = nullptr);

    // Lines with their own font colour (nullopt keeps the list's colour).
    void SetLines(const QStringList& lines, std::vector<std::optional<QColor>> colours = {});
    const QStringList& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    int Selected() const { return selected_; }
    // While a line is dragged: the line it would land on, -1 when none.
    int DropLine() const { return dropLine_; }
    void SetSelected(int line);
    void ClearSelection() { SetSelected(-1); }

    void SetTextColour(const QColor& colour) { textColour_ = colour; }
    // The frame drawn round the list while it has the keyboard focus.
    void SetFocusFrameColour(const QColor& colour) { focusFrame_ = colour; }
    // Line under a point of the list, -1 when there is none.
    int LineAt(const QPoint& point) const;
    QRect LineRect(int line) const;
    // The whole line under a point when the list is too narrow to show it.
    QString ToolTipAt(const QPoint& point) const;

    // Which lines may be dragged; none when unset.
    std::function<bool(int line)> CanDrag;

signals:
    // An item line was dragged from line `from` and dropped on line `to`.
    void LineDropped(int from, int to);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QStringList lines_;
    std::vector<std::optional<QColor>> colours_;
    QColor textColour_ = Qt::white;
    QColor focusFrame_ = Qt::white;
    int selected_ = -1;
    bool dragging_ = false;
    int dropLine_ = -1; // the line under a dragged one, -1 over itself or none
};

} // namespace zephyr::ui
