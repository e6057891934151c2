#include "ui/calculator/panel_accessibility.h"

#include "ui/calculator/panel_keyboard.h"
#include "ui/widgets/fixed_line_list_box.h"
#include "ui/widgets/string_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <array>
#include <vector>

namespace zephyr::ui {
namespace {

constexpr char kRole[] = "zephyrAccessibleRole";

class PictureButtonInterface : public QAccessibleWidget {
public:
    explicit PictureButtonInterface(QWidget* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }

    QStringList actionNames() const override {
        return {pressAction(), showMenuAction(), setFocusAction()};
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            PressLikeMouse(widget(), Qt::LeftButton);
        } else if (action == showMenuAction()) {
            PressLikeMouse(widget(), Qt::RightButton);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

// One line of a list drawn line by line: a list item named by its text.
class LineInterface : public QAccessibleInterface {
public:
    LineInterface(FixedLineListBox* list, int line) : list_(list), line_(line) {}

    bool isValid() const override { return !list_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || list_.isNull() || line_ >= list_->Count()) {
            return {};
        }
        return list_->Lines()[line_].trimmed();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (list_.isNull()) {
            return {};
        }
        const QRect line = list_->LineRect(line_);
        return QRect(list_->mapToGlobal(line.topLeft()), line.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = !list_.isNull() && list_->Selected() == line_;
        state.invisible = list_.isNull() || !list_->isVisible();
        return state;
    }

private:
    QPointer<FixedLineListBox> list_;
    int line_;
};

// A list drawn line by line, its lines as items.
class LinesInterface : public QAccessibleWidget {
public:
    explicit LinesInterface(FixedLineListBox* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~LinesInterface() override {
        for (const QAccessible::Id id : lines_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return List()->Count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(lines_.size()) <= index) {
            lines_.push_back(QAccessible::registerAccessibleInterface(
                new LineInterface(List(), static_cast<int>(lines_.size()))));
        }
        return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            if (QAccessible::accessibleInterface(lines_[k]) == child) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }

private:
    FixedLineListBox* List() const { return static_cast<FixedLineListBox*>(widget()); }

    mutable std::vector<QAccessible::Id> lines_;
};

// A cell of the statistics table: a caption (a row header) or a value.
class GridCellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCellInterface(StringGrid* grid, int row, int column)
        : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && isValid() ? grid_->Cell(column_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect cell = grid_->CellRect(column_, row_);
        return QRect(grid_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override {
        return column_ % 2 == 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = column_ % 2 == 1;
        state.focused =
            isValid() && grid_->hasFocus() && grid_->CurrentCell() == std::pair(column_, row_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        QAccessibleInterface* table = parent();
        if (column_ % 2 == 0 || table == nullptr || table->tableInterface() == nullptr) {
            return {};
        }
        return {table->tableInterface()->cellAt(row_, column_ - 1)};
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<StringGrid> grid_;
    int row_;
    int column_;
};

// The statistics as a table: each caption heads the value beside it.
class GridInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridInterface(StringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridInterface() override {
        for (const QAccessible::Id id : cells_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return StringGrid::kRows * StringGrid::kColumns; }
    QAccessibleInterface* child(int index) const override {
        return cellAt(index / StringGrid::kColumns, index % StringGrid::kColumns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t k = 0; k < cells_.size(); ++k) {
            if (cells_[k] != 0 && QAccessible::accessibleInterface(cells_[k]) == child) {
                return static_cast<int>(k);
            }
        }
        return -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        QAccessible::Id& id = cells_[static_cast<std::size_t>(row * StringGrid::kColumns + column)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new GridCellInterface(static_cast<StringGrid*>(widget()), row, column));
        }
        return QAccessible::accessibleInterface(id);
    }
    int columnCount() const override { return StringGrid::kColumns; }
    int rowCount() const override { return StringGrid::kRows; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, StringGrid::kRows * StringGrid::kColumns> cells_{};
};

QAccessibleInterface* MarkedWidgetFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    const QVariant role = object->property(kRole);
    if (!role.isValid()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (role.toInt() == QAccessible::Button) {
        return new PictureButtonInterface(widget);
    }
    if (auto* list = qobject_cast<FixedLineListBox*>(widget); list != nullptr) {
        return new LinesInterface(list);
    }
    if (auto* grid = qobject_cast<StringGrid*>(widget); grid != nullptr) {
        return new GridInterface(grid);
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

void Mark(QWidget* control, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(MarkedWidgetFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(kRole, static_cast<int>(role));
}

} // namespace

void MarkAsPictureButton(QWidget* control) {
    Mark(control, QAccessible::Button);
}

void MarkAsPicture(QWidget* control) {
    Mark(control, QAccessible::Graphic);
}

void MarkAsGroup(QWidget* control) {
    Mark(control, QAccessible::Grouping);
}

void MarkAsList(FixedLineListBox* control) {
    Mark(control, QAccessible::List);
}

void MarkAsTable(StringGrid* control) {
    Mark(control, QAccessible::Table);
}

} // namespace zephyr::ui
