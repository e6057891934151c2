#include "ui/calculator/picker_search.h"

#include "ui/calculator/item_name_filter.h"
#include "ui/widgets/menu_style.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

#include <algorithm>

namespace zephyr::ui {
namespace {

// One printable character typed without Ctrl, Alt or Meta; null otherwise.
QChar TypedCharacter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = key.text();
    if ((key.modifiers() & commands) != 0 || text.size() != 1 || !text[0].isPrint()) {
        return {};
    }
    return text[0];
}

QAction* Line(const QString& text, QObject* owner) {
    auto* line = new QAction(text, owner);
    line->setEnabled(false);
    line->setProperty(kIconIndexProperty, -1);
    return line;
}

} // namespace

PickerSearch::PickerSearch(QMenu* picker) : QObject(picker), picker_(picker) {
    picker_->installEventFilter(this);
    connect(picker_, &QMenu::aboutToHide, this, [this] { Show({}); });
}

void PickerSearch::Clear() {
    Show({});
    entries_.clear();
}

void PickerSearch::Watch(QMenu* submenu) {
    submenu->installEventFilter(this);
}

void PickerSearch::AddEntry(QAction* entry, const QString& name) {
    entries_.push_back({entry, name});
}

bool PickerSearch::eventFilter(QObject* /*menu*/, QEvent* event) {
    return event->type() == QEvent::KeyPress && KeyPressed(static_cast<const QKeyEvent&>(*event));
}

bool PickerSearch::KeyPressed(const QKeyEvent& key) {
    if (!typed_.isEmpty()) {
        switch (key.key()) {
        case Qt::Key_Escape:
            Show({});
            return true;
        case Qt::Key_Backspace:
            Show(typed_.chopped(1));
            return true;
        case Qt::Key_Up:
            Select(-1);
            return true;
        case Qt::Key_Down:
            Select(1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (matches_.empty()) {
                return true;
            }
            if (std::find(matches_.begin(), matches_.end(), picker_->activeAction()) ==
                matches_.end()) {
                picker_->setActiveAction(matches_.front());
            }
            // The menu triggers its highlighted entry, as for any other.
            return false;
        default:
            break;
        }
    }
    const QChar typed = TypedCharacter(key);
    // A space on its own still chooses the highlighted entry.
    if (typed.isNull() || (typed_.isEmpty() && typed.isSpace())) {
        return false;
    }
    Show(typed_ + typed);
    return true;
}

void PickerSearch::Show(const QString& typed) {
    typed_ = typed;
    DropList();
    if (typed_.isEmpty()) {
        for (QAction* entry : hidden_) {
            entry->setVisible(true);
        }
        hidden_.clear();
        Place();
        home_.reset();
        return;
    }
    if (!home_ && picker_->isVisible()) {
        home_ = picker_->pos();
    }
    if (hidden_.empty()) {
        for (QAction* entry : picker_->actions()) {
            if (entry->isVisible()) {
                entry->setVisible(false);
                hidden_.push_back(entry);
            }
        }
    }
    listed_.push_back(Line(QStringLiteral("Поиск: %1").arg(typed_), this));
    std::vector<QString> names;
    names.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        names.push_back(entry.Name);
    }
    const std::vector<int> found = FilterItemNames(names, typed_);
    if (found.empty()) {
        listed_.push_back(Line(QStringLiteral("Ничего не найдено"), this));
    }
    const int room = Room();
    for (std::size_t n = 0; n < found.size() && n < static_cast<std::size_t>(room); ++n) {
        const Entry& entry = entries_[static_cast<std::size_t>(found[n])];
        auto* match = new QAction(entry.Name, this);
        match->setEnabled(entry.Action->isEnabled());
        // What the menu's style and previews read of the entry (its icon, its
        // item or hero).
        for (const QByteArray& property : entry.Action->dynamicPropertyNames()) {
            match->setProperty(property.constData(), entry.Action->property(property.constData()));
        }
        connect(match, &QAction::triggered, entry.Action, &QAction::trigger);
        listed_.push_back(match);
        matches_.push_back(match);
    }
    for (QAction* line : listed_) {
        picker_->addAction(line);
    }
    picker_->setActiveAction(matches_.empty() ? nullptr : matches_.front());
    Place();
}

void PickerSearch::DropList() {
    for (QAction* line : listed_) {
        picker_->removeAction(line);
        // The menu may be triggering it right now.
        line->deleteLater();
    }
    listed_.clear();
    matches_.clear();
}

void PickerSearch::Select(int step) {
    if (matches_.empty()) {
        return;
    }
    const int count = static_cast<int>(matches_.size());
    const auto at = std::find(matches_.begin(), matches_.end(), picker_->activeAction());
    const int current =
        at == matches_.end() ? (step > 0 ? -1 : count) : static_cast<int>(at - matches_.begin());
    picker_->setActiveAction(matches_[static_cast<std::size_t>((current + step + count) % count)]);
}

// How many matches the picker shows below its typed line: as many as the
// screen has room for.
int PickerSearch::Room() const {
    const QScreen* screen = picker_->screen();
    const int height = screen != nullptr ? screen->availableGeometry().height() : 0;
    return std::max(1, height / kItemEntryHeight - 1);
}

void PickerSearch::Place() {
    const QScreen* screen = picker_->screen();
    if (!picker_->isVisible() || screen == nullptr || !home_) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const int top = std::min(home_->y(), room.bottom() + 1 - picker_->height());
    picker_->move(home_->x(), std::max(room.top(), top));
}

} // namespace zephyr::ui
