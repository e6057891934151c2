#include "ui/library/library_model.h"

#include "ui/library/build_files.h"
#include "ui/library/library_actions.h"

#include "data/cp1251.h"

#include <QApplication>
#include <QDateTime>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

namespace zephyr::ui {
namespace {

namespace fs = std::filesystem;

// The entry that leads up out of a folder.
constexpr const char* kUp = "..";

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString ChangedText(const std::string& iso) {
    const QDateTime time = QDateTime::fromString(QString::fromStdString(iso), Qt::ISODate);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))
                          : QString();
}

} // namespace

LibraryModel::LibraryModel(const Catalogue& catalogue, fs::path root, QObject* parent)
    : QAbstractTableModel(parent), catalogue_(catalogue),
      portraits_(CellList::FromImageList(catalogue.Heroes32)), root_(std::move(root)),
      folder_(root_) {
    Reload();
}

void LibraryModel::ShowFolder(const fs::path& folder) {
    folder_ = folder;
    Reload();
}

void LibraryModel::SetFilter(const QString& filter) {
    filter_ = filter;
    Reload();
}

void LibraryModel::Reload() {
    beginResetModel();
    const std::string filter = filter_.trimmed().toStdString();
    all_ = ListLibrary(folder_, !filter.empty());
    entries_.clear();
    if (filter.empty() && folder_ != root_) {
        LibraryEntry up;
        up.IsFolder = true;
        up.Path = folder_.parent_path();
        up.Header.Name = kUp;
        entries_.push_back(std::move(up));
    }
    for (const LibraryEntry& entry : all_) {
        if (filter.empty() || (!entry.IsFolder && MatchesFilter(entry, filter))) {
            entries_.push_back(entry);
        }
    }
    // ".." leads, whatever the order.
    SortLibrary(entries_, order_, descending_);
    std::stable_partition(entries_.begin(), entries_.end(),
                          [](const LibraryEntry& e) { return e.Header.Name == kUp; });
    endResetModel();
}

const LibraryEntry* LibraryModel::Entry(int row) const {
    return row >= 0 && row < static_cast<int>(entries_.size())
               ? &entries_[static_cast<std::size_t>(row)]
               : nullptr;
}

int LibraryModel::RowOf(const fs::path& path) const {
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (entries_[row].Path == path && entries_[row].Header.Name != kUp) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

int LibraryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QImage LibraryModel::Portrait(const LibraryEntry& entry) const {
    const std::string hero = Cp1251FromUtf8(entry.Header.Hero);
    for (std::size_t k = 0; k < catalogue_.Heroes.size(); ++k) {
        if (catalogue_.Heroes[k].Name == hero) {
            const QImage* cell = portraits_.Cell(static_cast<int>(k));
            return cell != nullptr ? *cell : QImage();
        }
    }
    return {};
}

QVariant LibraryModel::data(const QModelIndex& index, int role) const {
    const LibraryEntry* entry = Entry(index.row());
    if (entry == nullptr) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        switch (column) {
        case NameColumn:
            // A build found deeper down says where it lies.
            return entry->Folder.empty() ? Text(entry->Header.Name)
                                         : Text(entry->Folder + " / " + entry->Header.Name);
        case HeroColumn:
            return entry->IsFolder ? QStringLiteral("папка") : Text(entry->Header.Hero);
        case LevelColumn:
            return entry->IsFolder || entry->Header.HeroLevel == 0
                       ? QVariant()
                       : QVariant(entry->Header.HeroLevel);
        case ChangedColumn:
            return entry->IsFolder ? QVariant() : QVariant(ChangedText(entry->Header.Modified));
        }
    }
    if (role == Qt::DecorationRole && column == NameColumn) {
        if (entry->IsFolder) {
            return QApplication::style()->standardIcon(QStyle::SP_DirIcon);
        }
        return Portrait(*entry);
    }
    if (role == Qt::ToolTipRole) {
        return entry->Problem.empty()
                   ? QVariant(ShownPath(entry->Path))
                   : QVariant(QStringLiteral("Файл не читается: %1").arg(Text(entry->Problem)));
    }
    if (role == Qt::TextAlignmentRole && column == LevelColumn) {
        return QVariant::fromValue(Qt::AlignCenter);
    }
    if (role == Qt::ForegroundRole && !entry->Problem.empty()) {
        return QColor(Qt::gray);
    }
    return {};
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case NameColumn:
        return QStringLiteral("Название");
    case HeroColumn:
        return QStringLiteral("Герой");
    case LevelColumn:
        return QStringLiteral("Уровень");
    case ChangedColumn:
        return QStringLiteral("Изменена");
    }
    return {};
}

void LibraryModel::sort(int column, Qt::SortOrder order) {
    static constexpr LibraryOrder kOrders[] = {LibraryOrder::Name, LibraryOrder::Hero,
                                               LibraryOrder::Level, LibraryOrder::Changed};
    if (column < 0 || column >= ColumnCount) {
        return;
    }
    order_ = kOrders[column];
    descending_ = order == Qt::DescendingOrder;
    Reload();
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex& index) const {
    const LibraryEntry* entry = Entry(index.row());
    if (entry == nullptr) {
        return Qt::ItemIsDropEnabled;
    }
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return entry->IsFolder ? flags | Qt::ItemIsDropEnabled : flags | Qt::ItemIsDragEnabled;
}

QStringList LibraryModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* LibraryModel::mimeData(const QModelIndexList& indexes) const {
    QList<QUrl> urls;
    for (const QModelIndex& index : indexes) {
        const LibraryEntry* entry = Entry(index.row());
        const QUrl url = entry != nullptr ? QUrl::fromLocalFile(ShownPath(entry->Path)) : QUrl();
        if (entry != nullptr && !entry->IsFolder && !urls.contains(url)) {
            urls << url;
        }
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

Qt::DropActions LibraryModel::supportedDropActions() const {
    return Qt::MoveAction;
}

bool LibraryModel::dropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                const QModelIndex& parent) {
    const LibraryEntry* target = Entry(parent.row());
    if (target == nullptr || !target->IsFolder || !data->hasUrls()) {
        return false;
    }
    const fs::path folder = target->Path;
    QString problem;
    for (const QUrl& url : data->urls()) {
        const fs::path build = url.toLocalFile().toStdString();
        // Only builds of this library move, and never onto themselves.
        const fs::path relative = fs::relative(build, root_);
        if (relative.empty() || *relative.begin() == "..") {
            continue;
        }
        if (const ActionResult moved = MoveBuild(build, folder); !moved.Ok()) {
            problem = moved.Problem;
        }
    }
    Reload();
    emit Moved(problem);
    // The files moved here; the view must not remove rows itself.
    return false;
}

} // namespace zephyr::ui
