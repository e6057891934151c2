#include "ui/calculator/panel_keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace zephyr::ui {

void PressLikeMouse(QWidget* widget, Qt::MouseButton button) {
    PressLikeMouse(widget, button, widget->rect().center());
}

void PressLikeMouse(QWidget* widget, Qt::MouseButton button, const QPoint& at) {
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    // The press may open a menu that runs until it closes; the widget may be
    // gone by then.
    const QPointer<QWidget> alive(widget);
    // A press gives the focus to the first widget above that takes it by a
    // click (the panel); pressed from the keyboard, the control keeps it, and
    // gets it back when a menu it opened closes.
    const bool focused = widget->hasFocus();
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    if (alive.isNull()) {
        return;
    }
    if (focused) {
        widget->setFocus(Qt::OtherFocusReason);
        // A menu the press opened hands the focus on when it closes; it
        // comes back here once that is done.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            QObject::connect(
                menu, &QMenu::aboutToHide, widget,
                [alive] {
                    QTimer::singleShot(0, alive.data(), [alive] {
                        if (!alive.isNull()) {
                            alive->setFocus(Qt::PopupFocusReason);
                        }
                    });
                },
                Qt::SingleShotConnection);
        }
    }
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void PanelKeyboard::AddGroup(std::vector<QWidget*> controls) {
    for (QWidget* control : controls) {
        control->setFocusPolicy(Qt::TabFocus);
        control->installEventFilter(this);
    }
    groups_.push_back(std::move(controls));
}

bool PanelKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* control = static_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
         key->key() == Qt::Key_Space)) {
        PressLikeMouse(control, Qt::LeftButton);
        return true;
    }
    if ((key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        PressLikeMouse(control, Qt::RightButton);
        return true;
    }
    int step = 0;
    if (modifiers == Qt::NoModifier) {
        if (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) {
            step = 1;
        } else if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) {
            step = -1;
        }
    }
    if (step == 0) {
        return false;
    }
    for (const std::vector<QWidget*>& group : groups_) {
        const auto at = std::find(group.begin(), group.end(), control);
        if (at == group.end()) {
            continue;
        }
        // Round the group, past the controls that cannot take the focus now.
        const auto size = static_cast<std::ptrdiff_t>(group.size());
        for (std::ptrdiff_t k = 1; k < size; ++k) {
            QWidget* next = group[static_cast<std::size_t>(
                ((at - group.begin()) + step * k % size + size) % size)];
            if (next->isEnabled() && next->isVisible()) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return true;
    }
    return false;
}

} // namespace zephyr::ui
