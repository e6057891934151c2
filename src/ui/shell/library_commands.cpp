#include "ui/shell/main_window.h"

#include "ui/library/build_comparison_window.h"
#include "ui/library/library_window.h"
#include "ui/widgets/menu_keys.h"

#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTableView>

namespace zephyr::ui {

void MainWindow::BuildLibraryEntries() {
    auto* keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    keys->setContext(Qt::WindowShortcut);
    connect(keys, &QShortcut::activated, this, [this] { ShowLibrary(); });

    // In "Приложение", before the end.
    QAction* exit = applicationMenu_->actions().last();
    auto* library = new QAction(QStringLiteral("Библиотека сборок"), applicationMenu_);
    library->setObjectName(QStringLiteral("ActionLibrary"));
    ShowKeys(library, QKeySequence(Qt::CTRL | Qt::Key_O));
    auto* save = new QAction(QStringLiteral("Сохранить сборку"), applicationMenu_);
    save->setObjectName(QStringLiteral("ActionSaveBuild"));
    ShowKeys(save, QKeySequence(Qt::CTRL | Qt::Key_S));
    applicationMenu_->insertActions(exit, {library, save});
    applicationMenu_->insertSeparator(exit);
    connect(library, &QAction::triggered, this, [this] { ShowLibrary(); });
    connect(save, &QAction::triggered, this, [this] { SaveBuild(false); });
    for (QAction* entry : {library, save}) {
        entry->setFont(menuBar_->font());
        entry->setEnabled(calculatorReady_);
    }

    // And in the portrait's menu.
    QMenu* portrait = mainScrollBox_->PortraitMenu();
    portrait->addSeparator();
    QAction* saveEntry = portrait->addAction(QStringLiteral("Сохранить сборку"));
    ShowKeys(saveEntry, QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveEntry, &QAction::triggered, this, [this] { SaveBuild(false); });
    QAction* libraryEntry = portrait->addAction(QStringLiteral("Библиотека сборок"));
    ShowKeys(libraryEntry, QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(libraryEntry, &QAction::triggered, this, [this] { ShowLibrary(); });
    QAction* compareEntry = portrait->addAction(QStringLiteral("Сравнить с…"));
    connect(compareEntry, &QAction::triggered, this, [this] {
        ShowLibrary();
        library_->List()->setFocus();
    });

    // The comparison follows the build in the panel.
    connect(mainScrollBox_, &CalculatorPanel::BuildChanged, this, [this] {
        if (comparison_ != nullptr && comparison_->isVisible()) {
            comparison_->SetCurrent(mainScrollBox_->Recipe());
        }
    });
}

void MainWindow::ShowLibrary() {
    if (!calculatorReady_ || mainScrollBox_->Calc() == nullptr) {
        return;
    }
    if (library_ == nullptr) {
        library_ = new LibraryWindow(catalogue_, BuildsFolder(), hooks_.Dialogs, this);
        connect(library_, &LibraryWindow::OpenRequested, this,
                [this](const std::filesystem::path& build) {
                    if (OpenBuildFile(build)) {
                        library_->close();
                    }
                });
        connect(library_, &LibraryWindow::CompareRequested, this,
                [this](const std::filesystem::path& build) { CompareWith(build); });
        connect(library_, &LibraryWindow::BuildRewritten, this,
                [this](const std::filesystem::path& before, const std::filesystem::path& after) {
                    FollowLibraryChange(before, after);
                });
        library_->PlaceBeside(this);
    }
    library_->Refresh(kept_ ? kept_->Path : std::filesystem::path());
    library_->Present();
    library_->List()->setFocus();
}

void MainWindow::CompareWith(const std::filesystem::path& build) {
    QString refusal;
    const std::optional<ReadBuild> read = ReadBuildFileAt(build, catalogue_, DataId(), refusal);
    if (!read) {
        hooks_.Dialogs.Tell(this, QStringLiteral("Сборку «%1» не удалось открыть: %2.")
                                      .arg(ShownPath(build.filename()), refusal));
        return;
    }
    if (comparison_ == nullptr) {
        comparison_ =
            new BuildComparisonWindow(catalogue_, mainScrollBox_->Recipe(), read->Build, this);
    } else {
        comparison_->SetCurrent(mainScrollBox_->Recipe());
        comparison_->SetOther(read->Build);
    }
    comparison_->ShowBeside(this);
}

void MainWindow::FollowLibraryChange(const std::filesystem::path& before,
                                     const std::filesystem::path& after) {
    if (!kept_ || kept_->Path != before) {
        return;
    }
    // Deleted: the build stays in the window, no longer kept.
    if (after.empty()) {
        kept_.reset();
        UpdateTitle();
        return;
    }
    // Renamed or its notes rewritten here: the library knows it, no other copy.
    QString refusal;
    if (const std::optional<ReadBuild> read =
            ReadBuildFileAt(after, catalogue_, DataId(), refusal)) {
        kept_->Path = after;
        kept_->File.Name = read->Build.Name;
        kept_->File.Notes = read->Build.Notes;
        kept_->File.Modified = read->Build.Modified;
        kept_->Stamp = read->Stamp;
    }
    UpdateTitle();
}

} // namespace zephyr::ui
