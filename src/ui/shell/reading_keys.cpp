#include "ui/shell/main_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>

// The keys and mouse buttons of a reader: history steps, the dictionary, and
// the find bar and zoom of a document. Seen by the window's event filter
// before any control, the browser engine's included.
namespace zephyr::ui {

bool MainWindow::DocumentShown() const {
    return mainScrollBox_->isHidden() && searchScrollBox_->isHidden();
}

bool MainWindow::ReadingShortcut(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            button == Qt::BackButton ? GoBack() : GoNext();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        return button == Qt::BackButton || button == Qt::ForwardButton;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const auto take = [&](auto&& action) {
        if (press) {
            action();
        } else {
            event->accept(); // the key press comes to us, not to a shortcut
        }
        return true;
    };
    if (key->matches(QKeySequence::Back)) {
        return take([this] { GoBack(); });
    }
    if (key->matches(QKeySequence::Forward)) {
        return take([this] { GoNext(); });
    }
    if (key->key() == Qt::Key_L &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && action4_->isEnabled()) {
        return take([this] {
            Action4Execute();
            searchScrollBox_->FocusSearchText();
        });
    }
    if (!DocumentShown()) {
        return false;
    }
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->matches(QKeySequence::Find)) {
        return take([this] { webBrowser1_->OpenFindBar(); });
    }
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        switch (key->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return take([this] { webBrowser1_->Zoom(+1); });
        case Qt::Key_Minus:
            return take([this] { webBrowser1_->Zoom(-1); });
        case Qt::Key_0:
            return take([this] { webBrowser1_->Zoom(0); });
        default:
            break;
        }
    }
    return false;
}

} // namespace zephyr::ui
