#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/texts.h"

#include "engine/screen_texts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace zephyr::ui {

void CalculatorPanel::PopupMenu3Popup(int ability, const QPoint& at) {
    popupAbility_ = ability;
    const AbilityMenuView view = calculator_->AbilityMenu(ability);
    n2_->setText(
        FromCp1251(view.ActivateCaption.empty() ? Texts().Activate : view.ActivateCaption));
    n2_->setVisible(view.ActivateVisible);
    n4_->setVisible(view.ConfigureVisible);
    // A menu without a visible entry does not open; the note says why.
    if (view.ActivateVisible || view.ConfigureVisible) {
        popupMenu3_->popup(at);
    } else if (const QString why = AbilityMenuRefusal(ability); !why.isEmpty()) {
        Note(why);
    }
}

void CalculatorPanel::PopupMenu4Popup(int slot, const QPoint& at) {
    popupSlot_ = slot;
    const SlotMenuView view = calculator_->SlotMenu(slot);
    n1_->setText(
        FromCp1251(view.ActivateCaption.empty() ? Texts().Activate : view.ActivateCaption));
    n1_->setVisible(view.ActivateVisible);
    if (view.ActivateVisible) {
        popupMenu4_->popup(at);
    } else if (const QString why = SlotMenuRefusal(slot); !why.isEmpty()) {
        Note(why);
    }
}

void CalculatorPanel::N2Click() {
    clickGate_(n2_);
    if (calculator_ != nullptr && calculator_->ToggleAbility(popupAbility_)) {
        Record({GestureKind::ToggleAbility, popupAbility_, 0, {}});
        AfterBuildChange();
    }
}

void CalculatorPanel::N4Click() {
    clickGate_(n4_);
    if (calculator_ != nullptr && calculator_->ConfigureAbility(popupAbility_)) {
        Record({GestureKind::OpenParams, popupAbility_, 0, {}});
        SyncEditors();
    }
}

void CalculatorPanel::N1Click() {
    clickGate_(n1_);
    if (calculator_ != nullptr && calculator_->ToggleSlot(popupSlot_)) {
        Record({GestureKind::ToggleSlot, popupSlot_, 0, {}});
        AfterBuildChange();
    }
}

void CalculatorPanel::SyncEditors() {
    if (syncingEditors_) {
        return;
    }
    syncingEditors_ = true;
    for (int n = 1; n <= 3; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        EditorView view;
        if (calculator_ != nullptr) {
            view = calculator_->Editor(n);
        }
        const QString caption = FromCp1251(view.Label);
        dynLabel_[i]->setText(caption);
        dynEdit_[i]->setText(FromCp1251(view.Text));
        dynEdit_[i]->setPlaceholderText(caption);
        const QString tip = view.Enabled ? caption : EditorRefusal();
        dynEdit_[i]->setToolTip(tip);
        dynLeftArrow_[i]->setToolTip(tip);
        dynRightArrow_[i]->setToolTip(tip);
        dynEdit_[i]->setReadOnly(view.ReadOnly);
        if (dynEdit_[i]->isEnabled() != view.Enabled) {
            dynEdit_[i]->setEnabled(view.Enabled);
        }
        for (controls::ImageEx* arrow : {dynLeftArrow_[i], dynRightArrow_[i]}) {
            if (arrow->isEnabled() != view.Enabled) {
                arrow->setEnabled(view.Enabled);
                // A disabled arrow keeps the passive picture.
                arrow->SetPicture(pictures_.Buttons.Get(
                    arrow == dynLeftArrow_[i] ? ButtonGroup::EditLeft : ButtonGroup::EditRight,
                    ButtonState::Passive));
            }
        }
    }
    UpdateEditorNames();
    syncingEditors_ = false;
}

void CalculatorPanel::DynEdit1Enter(int editor) {
    if (calculator_ != nullptr && calculator_->EnterEditor(editor)) {
        dynEdit_[static_cast<std::size_t>(editor - 1)]->setText(
            FromCp1251(calculator_->Editor(editor).Text));
    }
}

void CalculatorPanel::DynEdit1Exit(int editor) {
    if (syncingEditors_ || calculator_ == nullptr) {
        return;
    }
    clickGate_(dynEdit_[static_cast<std::size_t>(editor - 1)]);
    const std::string typed = calculator_->Editor(editor).Text;
    if (calculator_->LeaveEditor(editor)) {
        Record({GestureKind::ParamText, editor, 0, typed});
        RefreshStats();
    } else {
        SyncEditors();
    }
}

bool CalculatorPanel::DynEdit1KeyPress(int editor, QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || calculator_ == nullptr) {
        return false;
    }
    char key = 0;
    if (event->key() == Qt::Key_Backspace) {
        key = '\b';
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        key = '\r';
    } else if (event->text().size() == 1) {
        const QChar typed = event->text().at(0);
        if (typed == QLatin1Char('-') || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'))) {
            key = static_cast<char>(typed.unicode());
        }
    }
    const std::string typed = calculator_->Editor(editor).Text;
    if (key == 0 || !calculator_->EditorKey(editor, key)) {
        return true; // discarded
    }
    controls::Edit1* edit = dynEdit_[static_cast<std::size_t>(editor - 1)];
    if (key == '\r') {
        // Enter ends the editing: the focus leaves the field for the panel
        // (the engine has already taken the value).
        Record({GestureKind::ParamText, editor, 0, typed});
        syncingEditors_ = true;
        setFocus(Qt::OtherFocusReason);
        syncingEditors_ = false;
        RefreshStats();
        return true;
    }
    edit->setText(FromCp1251(calculator_->Editor(editor).Text));
    return true;
}

void CalculatorPanel::EndEditing() {
    for (controls::Edit1* edit : dynEdit_) {
        // Leaving the field ends its editing; the panel takes the focus so
        // that it does not wander on to another field.
        if (edit->isEnabled() && edit->hasFocus()) {
            setFocus(Qt::OtherFocusReason);
        }
    }
}

void CalculatorPanel::DynArrowMouseDown(int editor, bool right) {
    const auto i = static_cast<std::size_t>(editor - 1);
    clickGate_(right ? dynRightArrow_[i] : dynLeftArrow_[i]);
    if (calculator_ != nullptr && calculator_->EditorArrow(editor, right)) {
        Record({GestureKind::ParamArrow, editor, right ? 1 : 0, {}});
        RefreshStats();
    }
}

bool CalculatorPanel::eventFilter(QObject* watched, QEvent* event) {
    if (PlanningEvent(watched, event)) {
        return true;
    }
    for (int n = 1; n <= 3; ++n) {
        if (watched != dynEdit_[static_cast<std::size_t>(n - 1)]) {
            continue;
        }
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            // Switching windows or opening a popup is no entering or leaving.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
                return false;
            }
        }
        switch (event->type()) {
        case QEvent::FocusIn:
            DynEdit1Enter(n);
            break;
        case QEvent::FocusOut:
            DynEdit1Exit(n);
            break;
        case QEvent::KeyPress:
            return DynEdit1KeyPress(n, static_cast<QKeyEvent*>(event));
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zephyr::ui
