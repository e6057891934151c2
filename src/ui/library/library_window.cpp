#include "ui/library/library_window.h"

#include "ui/library/build_files.h"
#include "ui/library/library_actions.h"
#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/secondary_window_style.h"
#include "ui/widgets/texts.h"
#include "ui/widgets/transient_note.h"

#include "engine/build_history.h"
#include "engine/calculator.h"
#include "engine/stat_figures.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace zephyr::ui {
namespace {

namespace fs = std::filesystem;

// The figures a preview shows.
constexpr Figure kPreviewed[] = {Figure::PhysicalDps, Figure::MagicalDps, Figure::PhysicalEhp,
                                 Figure::MagicalEhp,  Figure::HitPoints,  Figure::Mana};

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

LibraryWindow::LibraryWindow(const Catalogue& catalogue, fs::path root, BuildDialogs dialogs,
                             QWidget* parent)
    : SecondaryWindow(QStringLiteral("LibraryWindow"), QStringLiteral("Библиотека сборок"), parent),
      catalogue_(catalogue), dialogs_(std::move(dialogs)) {

    model_ = new LibraryModel(catalogue_, std::move(root), this);
    place_ = new QLabel(this);
    place_->setObjectName(QStringLiteral("LibraryPlace"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("LibraryFilter"));
    filter_->setPlaceholderText(QStringLiteral("Фильтр: название, герой, заметки (Ctrl+F)"));
    filter_->setAccessibleName(QStringLiteral("Фильтр сборок"));
    filter_->setClearButtonEnabled(true);

    list_ = new QTableView(this);
    list_->setObjectName(QStringLiteral("LibraryList"));
    list_->setAccessibleName(QStringLiteral("Сборки"));
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(true);
    list_->sortByColumn(LibraryModel::NameColumn, Qt::AscendingOrder);
    list_->setDragDropMode(QAbstractItemView::DragDrop);
    list_->setDefaultDropAction(Qt::MoveAction);
    list_->setDragDropOverwriteMode(true);
    list_->setShowGrid(false);
    list_->setIconSize(QSize(32, 32));
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(36);
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->horizontalHeader()->setSectionResizeMode(LibraryModel::NameColumn, QHeaderView::Stretch);
    list_->installEventFilter(this);

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("LibraryPreview"));
    preview_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    preview_->setWordWrap(true);
    preview_->setTextFormat(Qt::RichText);
    preview_->setMinimumWidth(240);
    auto* notesCaption = new QLabel(QStringLiteral("Заметки:"), this);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("LibraryNotes"));
    notes_->setAccessibleName(QStringLiteral("Заметки к сборке"));
    notes_->setTabChangesFocus(true);
    notes_->installEventFilter(this);
    notesCaption->setBuddy(notes_);

    open_ = Button(QStringLiteral("Открыть"), "LibraryOpen", this);
    compare_ = Button(QStringLiteral("Сравнить с текущей"), "LibraryCompare", this);
    auto* newFolder = Button(QStringLiteral("Новая папка"), "LibraryNewFolder", this);
    duplicate_ = Button(QStringLiteral("Дублировать"), "LibraryDuplicate", this);
    rename_ = Button(QStringLiteral("Переименовать"), "LibraryRename", this);
    delete_ = Button(QStringLiteral("Удалить"), "LibraryDelete", this);
    auto* close = Button(QStringLiteral("Закрыть"), "LibraryClose", this);
    open_->setToolTip(QStringLiteral("Enter"));
    newFolder->setToolTip(QStringLiteral("Ctrl+Shift+N"));
    duplicate_->setToolTip(QStringLiteral("Ctrl+D"));
    rename_->setToolTip(QStringLiteral("F2"));
    delete_->setToolTip(QStringLiteral("Delete"));
    connect(open_, &QPushButton::clicked, this, [this] { OpenSelected(); });
    connect(compare_, &QPushButton::clicked, this, [this] { CompareSelected(); });
    connect(newFolder, &QPushButton::clicked, this, [this] { NewFolder(); });
    connect(duplicate_, &QPushButton::clicked, this, [this] { DuplicateSelected(); });
    connect(rename_, &QPushButton::clicked, this, [this] { RenameSelected(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    const auto keys = [this](const QKeySequence& sequence, auto slot) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    keys(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        filter_->setFocus(Qt::ShortcutFocusReason);
        filter_->selectAll();
    });
    keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), [this] { NewFolder(); });
    keys(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { DuplicateSelected(); });

    connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
        SaveNotesIfChanged();
        model_->SetFilter(text);
        list_->selectRow(0);
        ShowSelected();
    });
    // Down from the filter goes into the list.
    filter_->installEventFilter(this);
    connect(list_, &QTableView::activated, this, [this] { OpenSelected(); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { ShowSelected(); });
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { SaveNotesIfChanged(); });
    connect(model_, &LibraryModel::Moved, this, [this](const QString& problem) {
        if (!problem.isEmpty()) {
            Tell(problem);
        }
        ShowSelected();
    });

    auto* side = new QVBoxLayout;
    side->addWidget(preview_, 3);
    side->addWidget(notesCaption);
    side->addWidget(notes_, 2);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 3);
    middle->addLayout(side, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {open_, compare_, newFolder, duplicate_, rename_, delete_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    auto* body = new QVBoxLayout;
    body->setSpacing(6);
    body->addWidget(place_);
    body->addWidget(filter_);
    body->addLayout(middle, 1);
    body->addLayout(buttons);
    SetBody(body);
    resize(860, 560);
    note_ = new TransientNote(this);
    Refresh();
}

void LibraryWindow::Refresh(const fs::path& select) {
    model_->Reload();
    const fs::path relative = fs::relative(model_->Folder(), model_->Root());
    place_->setText(relative.empty() || relative == "."
                        ? QStringLiteral("Папка: %1").arg(ShownPath(model_->Root()))
                        : QStringLiteral("Папка: %1 / %2")
                              .arg(ShownPath(model_->Root().filename()), ShownPath(relative)));
    if (select.empty() || !Select(select)) {
        list_->selectRow(0);
    }
    ShowSelected();
}

bool LibraryWindow::Select(const fs::path& path) {
    const int row = model_->RowOf(path);
    if (row >= 0) {
        list_->selectRow(row);
    }
    return row >= 0;
}

std::optional<fs::path> LibraryWindow::Selected() const {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    return entry != nullptr ? std::optional(entry->Path) : std::nullopt;
}

void LibraryWindow::UpdateButtons() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    const bool build = entry != nullptr && !entry->IsFolder;
    const bool readable = build && entry->Problem.empty();
    open_->setEnabled(entry != nullptr && (!build || readable));
    compare_->setEnabled(readable);
    duplicate_->setEnabled(readable);
    rename_->setEnabled(readable);
    delete_->setEnabled(entry != nullptr && entry->Header.Name != "..");
    notes_->setEnabled(readable);
}

void LibraryWindow::ShowSelected() {
    SaveNotesIfChanged();
    UpdateButtons();
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    notesOf_.reset();
    notes_->clear();
    if (entry == nullptr) {
        preview_->setText(model_->rowCount() == 0
                              ? (model_->Filter().isEmpty()
                                     ? QStringLiteral("Здесь пока нет сборок. Сохраните сборку "
                                                      "в калькуляторе: Ctrl+S.")
                                     : QStringLiteral("Ничего не найдено"))
                              : QString());
        return;
    }
    if (entry->IsFolder) {
        preview_->setText(QStringLiteral("<b>%1</b><br>Папка: Enter открывает её")
                              .arg(Utf8(entry->Header.Name).toHtmlEscaped()));
        return;
    }
    QString refusal;
    const std::optional<ReadBuild> read = ReadBuildFileAt(entry->Path, catalogue_, {}, refusal);
    if (!read) {
        preview_->setText(QStringLiteral("<b>%1</b><br>Сборку не открыть: %2")
                              .arg(Utf8(entry->Header.Name).toHtmlEscaped(), refusal));
        return;
    }
    Calculator calculator(catalogue_);
    Replay(calculator, read->Build.Recipe);
    const char separator = DecimalSeparator();
    QString text =
        QStringLiteral("<b>%1</b><br>%2, уровень %3<br><br><table>")
            .arg(Utf8(read->Build.Name).toHtmlEscaped(), Utf8(entry->Header.Hero).toHtmlEscaped())
            .arg(calculator.ShownLevel());
    for (const Figure figure : kPreviewed) {
        text +=
            QStringLiteral("<tr><td>%1</td><td align=right>&nbsp;%2</td></tr>")
                .arg(FromCp1251(FigureCaption(figure)).toHtmlEscaped(),
                     FromCp1251(FigureText(calculator.Stats(), figure, separator)).toHtmlEscaped());
    }
    preview_->setText(text + QStringLiteral("</table>"));
    notesOf_ = entry->Path;
    notesRead_ = Utf8(read->Build.Notes);
    notes_->setPlainText(notesRead_);
}

void LibraryWindow::SaveNotesIfChanged() {
    if (!notesOf_ || notes_->toPlainText() == notesRead_) {
        return;
    }
    const fs::path build = *notesOf_;
    notesRead_ = notes_->toPlainText();
    if (const ActionResult saved = SaveNotes(build, notesRead_.toStdString()); !saved.Ok()) {
        Tell(saved.Problem);
        return;
    }
    note_->Show(QStringLiteral("Заметки сохранены"));
    emit BuildRewritten(build, build);
}

void LibraryWindow::Tell(const QString& problem) {
    dialogs_.Tell(this, problem);
}

void LibraryWindow::OpenSelected() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    if (entry == nullptr) {
        return;
    }
    if (entry->IsFolder) {
        const fs::path left = model_->Folder();
        SaveNotesIfChanged();
        filter_->clear();
        model_->ShowFolder(entry->Path);
        Refresh(left); // back up, the folder that was left is selected
        return;
    }
    SaveNotesIfChanged();
    emit OpenRequested(entry->Path);
}

void LibraryWindow::CompareSelected() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    if (entry != nullptr && !entry->IsFolder && entry->Problem.empty()) {
        emit CompareRequested(entry->Path);
    }
}

void LibraryWindow::GoUp() {
    if (model_->Folder() == model_->Root()) {
        return;
    }
    const fs::path left = model_->Folder();
    model_->ShowFolder(left.parent_path());
    Refresh(left);
}

void LibraryWindow::NewFolder() {
    const std::optional<QString> name =
        dialogs_.AskName(this, QStringLiteral("Новая папка"), QStringLiteral("Новая папка"));
    if (!name) {
        return;
    }
    const ActionResult made = MakeFolder(model_->Folder(), name->toStdString());
    if (!made.Ok()) {
        Tell(QStringLiteral("Папку не удалось создать: %1").arg(made.Problem));
        return;
    }
    filter_->clear();
    Refresh(made.Path);
}

void LibraryWindow::DuplicateSelected() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    if (entry == nullptr || entry->IsFolder || !entry->Problem.empty()) {
        return;
    }
    const ActionResult copy = DuplicateBuild(entry->Path);
    if (!copy.Ok()) {
        Tell(QStringLiteral("Сборку не удалось скопировать: %1").arg(copy.Problem));
        return;
    }
    Refresh(copy.Path);
}

void LibraryWindow::RenameSelected() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    if (entry == nullptr || entry->IsFolder || !entry->Problem.empty()) {
        return;
    }
    SaveNotesIfChanged();
    const fs::path before = entry->Path;
    const std::optional<QString> name =
        dialogs_.AskName(this, QStringLiteral("Переименовать сборку"), Utf8(entry->Header.Name));
    if (!name || name->toStdString() == entry->Header.Name) {
        return;
    }
    const ActionResult renamed = RenameBuild(before, name->toStdString());
    if (!renamed.Ok()) {
        Tell(QStringLiteral("Сборку не удалось переименовать: %1").arg(renamed.Problem));
        return;
    }
    Refresh(renamed.Path);
    emit BuildRewritten(before, renamed.Path);
}

void LibraryWindow::DeleteSelected() {
    const LibraryEntry* entry = model_->Entry(list_->currentIndex().row());
    if (entry == nullptr || entry->Header.Name == "..") {
        return;
    }
    const fs::path path = entry->Path;
    const QString question =
        entry->IsFolder ? QStringLiteral("Удалить папку «%1»?").arg(Utf8(entry->Header.Name))
                        : QStringLiteral("Удалить сборку «%1»? Её нельзя будет вернуть.")
                              .arg(Utf8(entry->Header.Name));
    if (!dialogs_.Confirm(this, question)) {
        return;
    }
    notesOf_.reset(); // nothing to keep of what goes
    const int row = list_->currentIndex().row();
    if (const ActionResult gone = DeleteEntry(path); !gone.Ok()) {
        Tell(QStringLiteral("Не удалось удалить: %1").arg(gone.Problem));
        return;
    }
    Refresh();
    list_->selectRow(std::min(row, model_->rowCount() - 1));
    ShowSelected();
    emit BuildRewritten(path, {});
}

bool LibraryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == notes_) {
        SaveNotesIfChanged();
    }
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == filter_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return ||
                               key->key() == Qt::Key_Enter)) {
        list_->setFocus(Qt::TabFocusReason);
        if (!list_->currentIndex().isValid()) {
            list_->selectRow(0);
        }
        return true;
    }
    if (watched == list_ && key->modifiers() == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenSelected();
            return true;
        case Qt::Key_Backspace:
            GoUp();
            return true;
        case Qt::Key_Delete:
            DeleteSelected();
            return true;
        case Qt::Key_F2:
            RenameSelected();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LibraryWindow::hideEvent(QHideEvent* event) {
    SaveNotesIfChanged();
    SecondaryWindow::hideEvent(event);
}

} // namespace zephyr::ui
