#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace zephyr::ui {

enum class SaveAnswer { Save, Discard, Cancel };

// The questions the build library asks; replaceable so that tests answer them.
struct BuildDialogs {
    // "Сохранить / Не сохранять / Отмена" for a build with unsaved changes.
    std::function<SaveAnswer(QWidget* owner, const QString& buildName)> AskSave;
    // A name for a build, starting from a proposal; nothing when cancelled.
    std::function<std::optional<QString>(QWidget* owner, const QString& title,
                                         const QString& proposal)>
        AskName;
    // A yes-or-no question (replace a file, delete, overwrite a changed one).
    std::function<bool(QWidget* owner, const QString& question)> Confirm;
    // A message with an OK button.
    std::function<void(QWidget* owner, const QString& text)> Tell;
};

// The questions as dialog boxes.
BuildDialogs DialogBoxes();

} // namespace zephyr::ui
