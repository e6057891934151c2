#include "ui/shell/main_window.h"

#include "ui/browser/link_protocol.h"
#include "ui/widgets/texts.h"

#include "builds/build_file.h"
#include "builds/builds_folder.h"
#include "builds/data_identity.h"

#include <QCloseEvent>
#include <QShortcut>

#include <iostream>

namespace zephyr::ui {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::filesystem::path LastSessionPath(const std::filesystem::path& folder) {
    return folder / BuildFileNameFor(kLastSessionName);
}

} // namespace

void MainWindow::BuildKeepingEntries() {
    if (!hooks_.Dialogs.AskSave) {
        hooks_.Dialogs = DialogBoxes();
    }
    const auto shortcut = [this](QKeyCombination keys, auto slot) {
        auto* key = new QShortcut(QKeySequence(keys), this);
        key->setContext(Qt::WindowShortcut);
        connect(key, &QShortcut::activated, this, slot);
    };
    shortcut(Qt::CTRL | Qt::Key_S, [this] { SaveBuild(false); });
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S, [this] { SaveBuild(true); });
    mainScrollBox_->SetHeroChangeGate([this] {
        if (!MayLeaveBuild()) {
            return false;
        }
        kept_.reset();
        return true;
    });
    connect(mainScrollBox_, &CalculatorPanel::BuildChanged, this, [this] { UpdateTitle(); });
    UpdateTitle();
    BuildLibraryEntries();
    // Build files and codes may be dropped anywhere on it.
    setAcceptDrops(true);
}

bool MainWindow::BuildModified() const {
    if (mainScrollBox_->Calc() == nullptr) {
        return false;
    }
    const BuildRecipe& recipe = mainScrollBox_->Recipe();
    return kept_ ? recipe != kept_->File.Recipe : !recipe.Gestures.empty();
}

void MainWindow::UpdateTitle() {
    // The desktop adds the program's name; "[*]" is where the mark goes.
    window()->setWindowTitle((kept_ ? Utf8(kept_->File.Name) : QStringLiteral("Новая сборка")) +
                             QStringLiteral("[*]"));
    window()->setWindowModified(BuildModified());
}

const std::string& MainWindow::DataId() {
    if (dataId_.empty()) {
        dataId_ = DataIdentity(location_);
    }
    return dataId_;
}

bool MainWindow::SaveBuild(bool asNew) {
    Calculator* calculator = mainScrollBox_->Calc();
    if (calculator == nullptr) {
        return false;
    }
    BuildFile file;
    std::filesystem::path path;
    if (kept_ && !asNew) {
        path = kept_->Path;
        file = kept_->File;
        const FileStamp onDisk = StampOf(path);
        if (onDisk.Size >= 0 && onDisk != kept_->Stamp &&
            !hooks_.Dialogs.Confirm(
                this, QStringLiteral("Файл сборки «%1» изменился после того, как она была "
                                     "открыта (другой копией программы?). Заменить его этой "
                                     "сборкой?")
                          .arg(Utf8(file.Name)))) {
            return false;
        }
    } else {
        const QString proposal =
            kept_ ? Utf8(kept_->File.Name)
                  : QStringLiteral("%1 %2")
                        .arg(FromCp1251(
                            calculator->Catalog().Hero(calculator->State().CurrentHero)->Name))
                        .arg(calculator->ShownLevel());
        const std::optional<QString> name = hooks_.Dialogs.AskName(
            this,
            asNew ? QStringLiteral("Сохранить сборку как") : QStringLiteral("Сохранить сборку"),
            proposal);
        if (!name) {
            return false;
        }
        path = BuildsFolder() / BuildFileNameFor(name->toStdString());
        const bool itself = kept_ && path == kept_->Path;
        if (!itself && StampOf(path).Size >= 0 &&
            !hooks_.Dialogs.Confirm(
                this, QStringLiteral("Сборка с именем «%1» уже есть. Заменить её?").arg(*name))) {
            return false;
        }
        if (kept_) {
            file.Notes = kept_->File.Notes;
        }
        file.Name = name->toStdString();
        file.Created = UtcNow();
    }
    file.Modified = UtcNow();
    file.HeroLevel = calculator->ShownLevel();
    file.DataId = DataId();
    file.Recipe = mainScrollBox_->Recipe();
    if (const QString reason = WriteBuildFile(path, BuildFileText(file)); !reason.isEmpty()) {
        hooks_.Dialogs.Tell(this, QStringLiteral("Сборку «%1» не удалось сохранить: %2. Она "
                                                 "осталась в окне несохранённой.")
                                      .arg(Utf8(file.Name), reason));
        return false;
    }
    kept_ = KeptBuild{path, file, StampOf(path)};
    UpdateTitle();
    mainScrollBox_->Note(QStringLiteral("Сборка сохранена: %1").arg(Utf8(file.Name)));
    return true;
}

bool MainWindow::MayLeaveBuild() {
    if (!kept_ || !BuildModified()) {
        return true;
    }
    switch (hooks_.Dialogs.AskSave(this, Utf8(kept_->File.Name))) {
    case SaveAnswer::Save:
        return SaveBuild(false);
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void MainWindow::ShowCalculatorForBuild() {
    searchScrollBox_->hide();
    // A build link has recorded its own calculator entry already.
    const bool recorded =
        navIndex_ >= 0 && IsCalculatorEntry(navHistory_[static_cast<std::size_t>(navIndex_)].Url);
    if (mainScrollBox_->isHidden() && !recorded) {
        RecordHistory("calc");
    }
    mainScrollBox_->show();
}

bool MainWindow::OpenBuildFile(const std::filesystem::path& path) {
    if (!calculatorReady_ || mainScrollBox_->Calc() == nullptr) {
        hooks_.Dialogs.Tell(this, QStringLiteral("Калькулятор не загружен: сборку не открыть."));
        return false;
    }
    QString refusal;
    std::optional<ReadBuild> read = ReadBuildFileAt(path, catalogue_, DataId(), refusal);
    if (!read) {
        hooks_.Dialogs.Tell(this, QStringLiteral("Сборку «%1» не удалось открыть: %2.")
                                      .arg(ShownPath(path.filename()), refusal));
        return false;
    }
    if (!MayLeaveBuild()) {
        return false;
    }
    mainScrollBox_->OpenRecipe(read->Build.Recipe);
    // The last session comes back as the build it was: new, not yet kept.
    if (path.filename() == LastSessionPath({}).filename()) {
        kept_.reset();
    } else {
        kept_ = KeptBuild{path, read->Build, read->Stamp};
        // What took on this data is the build as saved.
        kept_->File.Recipe = mainScrollBox_->Recipe();
    }
    UpdateTitle();
    ShowCalculatorForBuild();
    if (read->OtherData) {
        mainScrollBox_->Note(
            QStringLiteral("Сборка сделана на других данных игры: цифры могут отличаться"));
    }
    return true;
}

bool MainWindow::OpenBuildCode(const QString& code) {
    if (mainScrollBox_->Calc() == nullptr || !MayLeaveBuild()) {
        return false;
    }
    if (const QString reason = mainScrollBox_->PasteBuildCode(code); !reason.isEmpty()) {
        hooks_.Dialogs.Tell(this, QStringLiteral("Сборку не удалось открыть: %1.").arg(reason));
        return false;
    }
    kept_.reset();
    UpdateTitle();
    ShowCalculatorForBuild();
    return true;
}

void MainWindow::KeepLastSession() {
    if (mainScrollBox_->Calc() == nullptr || mainScrollBox_->Recipe().Gestures.empty() ||
        (kept_ && !BuildModified()) || BuildsFolder().empty()) {
        return;
    }
    BuildFile file;
    file.Name = std::string(kLastSessionName);
    file.Created = file.Modified = UtcNow();
    file.HeroLevel = mainScrollBox_->Calc()->ShownLevel();
    file.DataId = DataId();
    file.Recipe = mainScrollBox_->Recipe();
    if (const QString reason = WriteBuildFile(LastSessionPath(BuildsFolder()), BuildFileText(file));
        !reason.isEmpty()) {
        std::cerr << "zephyrdex: the last session was not kept: " << reason.toStdString() << '\n';
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayLeaveBuild()) {
        event->ignore();
        return;
    }
    KeepLastSession();
    QWidget::closeEvent(event);
}

} // namespace zephyr::ui
