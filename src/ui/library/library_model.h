#pragma once

#include "ui/widgets/cell_list.h"

#include "builds/build_library.h"
#include "data/catalogue.h"

#include <QAbstractTableModel>
#include <QImage>

#include <filesystem>
#include <vector>

namespace zephyr::ui {

// The library window's list: the folders and builds of one folder, or, with
// a filter, the matching builds of it and every folder beneath. Columns:
// name (with the hero's portrait), hero, level, last change. Builds drag onto
// folders to move there.
class LibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, HeroColumn, LevelColumn, ChangedColumn, ColumnCount };

    LibraryModel(const Catalogue& catalogue, std::filesystem::path root, QObject* parent);

    const std::filesystem::path& Root() const { return root_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // Lists `folder` (a folder of the root, or the root) anew.
    void ShowFolder(const std::filesystem::path& folder);
    void SetFilter(const QString& filter);
    const QString& Filter() const { return filter_; }
    // Reads the folder again, keeping the order and the filter.
    void Reload();

    const LibraryEntry* Entry(int row) const;
    // The row of a path, or -1.
    int RowOf(const std::filesystem::path& path) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // Builds dragged into a folder were moved; a move that failed says why.
    void Moved(const QString& problem);

private:
    QImage Portrait(const LibraryEntry& entry) const;

    const Catalogue& catalogue_;
    CellList portraits_;
    std::filesystem::path root_;
    std::filesystem::path folder_;
    QString filter_;
    LibraryOrder order_ = LibraryOrder::Name;
    bool descending_ = false;
    std::vector<LibraryEntry> all_;     // as read
    std::vector<LibraryEntry> entries_; // as shown
};

} // namespace zephyr::ui
