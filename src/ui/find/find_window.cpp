#include "find_window.h"

#include "find_index_loader.h"
#include "find_result_delegate.h"
#include "find_result_text.h"

#include <QKeyEvent>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zephyr::ui {
namespace {

// Each result row holds its place in the answer.
constexpr int kResultRole = Qt::UserRole + 1;

constexpr int kWidth = 560;
constexpr int kHeight = 470;

} // namespace

FindWindow::FindWindow(FindIndexLoader* loader, QWidget* parent)
    : SecondaryWindow(QStringLiteral("FindWindow"), QStringLiteral("Поиск"), parent),
      loader_(loader), field_(new QLineEdit(this)), note_(new QLabel(this)),
      results_(new QListWidget(this)) {
    field_->setObjectName(QStringLiteral("FindQuery"));
    field_->setPlaceholderText(
        QStringLiteral("Герой, способность, предмет, термин, слово из статей"));
    field_->setAccessibleName(QStringLiteral("Что найти"));
    field_->installEventFilter(this);
    note_->setObjectName(QStringLiteral("FindNote"));
    note_->setWordWrap(true);
    note_->hide();
    results_->setObjectName(QStringLiteral("FindResults"));
    results_->setAccessibleName(QStringLiteral("Найденное"));
    results_->setItemDelegate(new FindResultDelegate(results_));
    results_->setWordWrap(true);
    results_->setResizeMode(QListView::Adjust);
    results_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    results_->setFocusPolicy(Qt::NoFocus); // the keys stay in the field
    auto* body = new QVBoxLayout;
    body->setSpacing(6);
    body->addWidget(field_);
    body->addWidget(note_);
    body->addWidget(results_, 1);
    SetBody(body);
    resize(kWidth, kHeight);

    connect(field_, &QLineEdit::textChanged, this, &FindWindow::Refresh);
    connect(results_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenRow(results_->row(item)); });
    connect(loader_, &FindIndexLoader::Ready, this, &FindWindow::Refresh);
}

void FindWindow::Ask(const QWidget* over, const QString& text) {
    if (over != nullptr) {
        const QRect frame = over->window()->frameGeometry();
        move(frame.left() + (frame.width() - width()) / 2, frame.top() + 48);
    }
    loader_->Start();
    field_->setText(text);
    Refresh();
    Present();
    field_->setFocus(Qt::ShortcutFocusReason);
    if (text.isEmpty()) {
        field_->selectAll();
    } else {
        field_->deselect();
        field_->end(false);
    }
}

void FindWindow::Refresh() {
    results_->clear();
    answer_ = {};
    note_->hide();
    const QString query = field_->text();
    if (query.trimmed().isEmpty()) {
        return;
    }
    const FindIndex* index = loader_->Index();
    if (index == nullptr) {
        note_->setText(QStringLiteral("Указатель ещё строится, ответ будет через мгновение…"));
        note_->show();
        return;
    }
    answer_ = index->Find(query.toStdString());
    if (answer_.Results.empty()) {
        note_->setText(QStringLiteral("Ничего не найдено."));
    } else if (!answer_.Retyped.empty()) {
        note_->setText(QStringLiteral("Найдено по «%1»: запрос набран в другой раскладке.")
                           .arg(QString::fromStdString(answer_.Retyped)));
    } else if (answer_.NearMisses) {
        note_->setText(QStringLiteral("Точно так ничего не найдено. Может быть, вы искали:"));
    }
    note_->setVisible(answer_.Results.empty() || !answer_.Retyped.empty() || answer_.NearMisses);

    // Grouped by kind, the group with the best result first, best first
    // within each.
    std::vector<FindKind> groups;
    for (const FindResult& result : answer_.Results) {
        if (std::find(groups.begin(), groups.end(), result.Entry->Kind) == groups.end()) {
            groups.push_back(result.Entry->Kind);
        }
    }
    for (const FindKind kind : groups) {
        bool captioned = false;
        for (std::size_t r = 0; r < answer_.Results.size(); ++r) {
            const FindResult& result = answer_.Results[r];
            if (result.Entry->Kind != kind) {
                continue;
            }
            if (!captioned) {
                auto* group = new QListWidgetItem(FindGroupCaption(result.Entry->Kind), results_);
                group->setFlags(Qt::NoItemFlags);
                captioned = true;
            }
            auto* item = new QListWidgetItem(FindResultHtml(result), results_);
            item->setData(kResultRole, static_cast<int>(r));
            item->setData(Qt::AccessibleTextRole, FindResultPlainText(result));
            item->setToolTip(QString::fromStdString(TargetText(result.Entry->Target)));
        }
    }
    Move(1);
}

void FindWindow::Move(int step) {
    const int count = results_->count();
    if (count == 0) {
        return;
    }
    int row = results_->currentRow();
    for (int tried = 0; tried < count; ++tried) {
        row = row < 0 ? (step > 0 ? 0 : count - 1) : row + step;
        if (row < 0 || row >= count) {
            return; // no wrap: the ends stop the highlight
        }
        if (results_->item(row)->flags() & Qt::ItemIsSelectable) {
            results_->setCurrentRow(row);
            results_->scrollToItem(results_->item(row));
            if (row == 1) {
                results_->scrollToTop(); // the first group's caption stays in view
            }
            return;
        }
    }
}

void FindWindow::OpenRow(int row) {
    QListWidgetItem* item = results_->item(row);
    if (item == nullptr || !(item->flags() & Qt::ItemIsSelectable)) {
        return;
    }
    const FindResult& result = answer_.Results[item->data(kResultRole).toInt()];
    const FindEntry* entry = result.Entry;
    const QString words = FirstMarkedWords(result.Excerpt);
    close();
    emit Chosen(entry, words);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
            Move(1);
            return true;
        case Qt::Key_Up:
            Move(-1);
            return true;
        case Qt::Key_PageDown:
            Move(5);
            return true;
        case Qt::Key_PageUp:
            Move(-5);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OpenRow(results_->currentRow());
            return true;
        default:
            break;
        }
    }
    return SecondaryWindow::eventFilter(watched, event);
}

} // namespace zephyr::ui
