#include "ui/library/build_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zephyr::ui {
namespace {

// The keyboard goes back to the window that asked, which no window manager
// may be there to hand it back to.
void GiveKeyboardBack(QWidget* owner) {
    if (owner != nullptr && owner->window()->isVisible()) {
        owner->window()->activateWindow();
    }
}

} // namespace

BuildDialogs DialogBoxes() {
    BuildDialogs dialogs;
    dialogs.AskSave = [](QWidget* owner, const QString& buildName) {
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(),
                        QStringLiteral("В сборке «%1» есть несохранённые изменения. Сохранить их?")
                            .arg(buildName),
                        QMessageBox::NoButton, owner);
        QPushButton* save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
        QPushButton* discard =
            box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        save->setObjectName(QStringLiteral("SaveAnswerSave"));
        discard->setObjectName(QStringLiteral("SaveAnswerDiscard"));
        cancel->setObjectName(QStringLiteral("SaveAnswerCancel"));
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        GiveKeyboardBack(owner);
        if (box.clickedButton() == save) {
            return SaveAnswer::Save;
        }
        return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
    };
    dialogs.AskName = [](QWidget* owner, const QString& title,
                         const QString& proposal) -> std::optional<QString> {
        QInputDialog dialog(owner);
        dialog.setObjectName(QStringLiteral("BuildNameDialog"));
        dialog.setWindowTitle(title);
        dialog.setLabelText(QStringLiteral("Название:"));
        dialog.setTextValue(proposal);
        dialog.setOkButtonText(QStringLiteral("Сохранить"));
        dialog.setCancelButtonText(QStringLiteral("Отмена"));
        const int result = dialog.exec();
        GiveKeyboardBack(owner);
        if (result != QDialog::Accepted || dialog.textValue().trimmed().isEmpty()) {
            return std::nullopt;
        }
        return dialog.textValue().trimmed();
    };
    dialogs.Confirm = [](QWidget* owner, const QString& question) {
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                        QMessageBox::NoButton, owner);
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        GiveKeyboardBack(owner);
        return box.clickedButton() == yes;
    };
    dialogs.Tell = [](QWidget* owner, const QString& text) {
        QMessageBox::information(owner, QApplication::applicationDisplayName(), text);
        GiveKeyboardBack(owner);
    };
    return dialogs;
}

} // namespace zephyr::ui
