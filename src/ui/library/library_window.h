#pragma once

#include "ui/library/build_dialogs.h"
#include "ui/library/library_model.h"

#include "data/catalogue.h"

#include "ui/widgets/secondary_window.h"

#include <filesystem>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace zephyr::ui {

class TransientNote;

// "Библиотека сборок": the builds of the library folder as a list (folders
// first, sorted by any column, a filter over names, heroes and notes of
// every folder beneath), the selected build's notes and figures beside it,
// and what can be done with it. Everything works from the keyboard.
class LibraryWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // The catalogue must outlive the window.
    LibraryWindow(const Catalogue& catalogue, std::filesystem::path root, BuildDialogs dialogs,
                  QWidget* parent);

    LibraryModel* Model() const { return model_; }
    QTableView* List() const { return list_; }
    QLineEdit* FilterField() const { return filter_; }
    QPlainTextEdit* NotesField() const { return notes_; }
    QLabel* Preview() const { return preview_; }

    // The folder shown again, and the build at `path` selected when it is there.
    void Refresh(const std::filesystem::path& select = {});
    // Selects the row of a path; false when it is not listed.
    bool Select(const std::filesystem::path& path);
    std::optional<std::filesystem::path> Selected() const;

    // The buttons' commands, on the selected entry.
    void OpenSelected();
    void CompareSelected();
    void NewFolder();
    void DuplicateSelected();
    void RenameSelected();
    void DeleteSelected();
    void GoUp();

signals:
    void OpenRequested(const std::filesystem::path& build);
    void CompareRequested(const std::filesystem::path& build);
    // A build's file was rewritten here (notes, name) or moved away.
    void BuildRewritten(const std::filesystem::path& before, const std::filesystem::path& after);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSelected();
    void SaveNotesIfChanged();
    void UpdateButtons();
    void Tell(const QString& problem);

    const Catalogue& catalogue_;
    BuildDialogs dialogs_;
    LibraryModel* model_;
    QLabel* place_;
    QLineEdit* filter_;
    QTableView* list_;
    QLabel* preview_;
    QPlainTextEdit* notes_;
    QPushButton* open_;
    QPushButton* compare_;
    QPushButton* duplicate_;
    QPushButton* rename_;
    QPushButton* delete_;
    TransientNote* note_;
    // The build whose notes are in the field, as they were read.
    std::optional<std::filesystem::path> notesOf_;
    QString notesRead_;
};

} // namespace zephyr::ui
