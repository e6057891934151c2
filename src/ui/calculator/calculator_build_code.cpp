#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/build_code_refusal.h"
#include "ui/widgets/menu_keys.h"
#include "ui/widgets/texts.h"

#include "engine/build_code.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace zephyr::ui {

QString CalculatorPanel::BuildCode() const {
    if (calculator_ == nullptr || history_.Recipe().Hero.empty()) {
        return {};
    }
    try {
        return QString::fromLatin1(EncodeBuildCode(history_.Recipe()));
    } catch (const BuildCodeError&) {
        return {}; // a build of more gestures than a code holds
    }
}

QString CalculatorPanel::PasteBuildCode(const QString& code) {
    if (calculator_ == nullptr) {
        return QStringLiteral("калькулятор не загружен");
    }
    BuildRecipe recipe;
    try {
        recipe = DecodeBuildCode(code.trimmed().toStdString());
    } catch (const BuildCodeError& error) {
        return BuildCodeRefusal(error);
    }
    if (const std::optional<MissingRecord> missing =
            FindMissingRecord(calculator_->Catalog(), recipe)) {
        return BuildCodeRefusal(*missing);
    }
    OpenRecipe(recipe);
    return {};
}

void CalculatorPanel::OpenRecipe(const BuildRecipe& recipe) {
    history_.Replace(recipe);
    Rebuild(recipe);
}

void CalculatorPanel::Rebuild(const BuildRecipe& recipe) {
    // The gestures rebuild the build as the clicks made it.
    history_.SetRecipe(Replay(*calculator_, recipe));
    ShowWholeBuild();
    SyncEditors();
    emit BuildChanged();
}

bool CalculatorPanel::ShowStep(const std::optional<BuildRecipe>& step) {
    if (step) {
        Rebuild(*step);
    }
    return step.has_value();
}

bool CalculatorPanel::Undo() {
    return calculator_ != nullptr && ShowStep(history_.Undo());
}

bool CalculatorPanel::Redo() {
    return calculator_ != nullptr && ShowStep(history_.Redo());
}

void CalculatorPanel::CopyBuild() {
    const QString code = BuildCode();
    if (code.isEmpty()) {
        Note(calculator_ == nullptr || history_.Recipe().Hero.empty()
                 ? QStringLiteral("Копировать нечего: сначала выберите героя")
                 : QStringLiteral("Сборка не помещается в код: в нём не больше %1 действий")
                       .arg(kMaxCodeGestures));
        return;
    }
    QGuiApplication::clipboard()->setText(code);
    Note(QStringLiteral("Код сборки скопирован: Ctrl+V в калькуляторе вставит её снова"));
}

void CalculatorPanel::PasteBuild() {
    const QString code = QGuiApplication::clipboard()->text().trimmed();
    if (!code.isEmpty() && code == BuildCode()) {
        Note(QStringLiteral("Эта сборка уже открыта: ничего не изменилось"));
        return;
    }
    const QString reason = PasteBuildCode(code);
    if (!reason.isEmpty()) {
        Note(QStringLiteral("Сборку не удалось вставить: %1.").arg(reason));
        return;
    }
    const BuildState& state = calculator_->State();
    Note(QStringLiteral("Сборка вставлена: %1, уровень %2")
             .arg(FromCp1251(calculator_->Catalog().Hero(state.CurrentHero)->Name))
             .arg(state.HeroLevel));
}

void CalculatorPanel::BuildCodeShortcuts() {
    // The panel's keys work wherever the focus is while the panel is shown (a
    // hidden panel's shortcuts are off); a focused text field keeps its own
    // copy, paste and undo, as it claims those keys first.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, this, [this] { CopyBuild(); });
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    paste->setContext(Qt::WindowShortcut);
    connect(paste, &QShortcut::activated, this, [this] { PasteBuild(); });
    auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    undo->setContext(Qt::WindowShortcut);
    connect(undo, &QShortcut::activated, this, [this] {
        if (!Undo()) {
            Note(QStringLiteral("Отменять нечего"));
        }
    });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        auto* redo = new QShortcut(keys, this);
        redo->setContext(Qt::WindowShortcut);
        connect(redo, &QShortcut::activated, this, [this] {
            if (!Redo()) {
                Note(QStringLiteral("Повторять нечего"));
            }
        });
    }

    // The portrait's context menu offers the same.
    portraitMenu_ = new QMenu(this);
    portraitMenu_->setObjectName(QStringLiteral("PortraitMenu"));
    menuStyle_->Attach(portraitMenu_, MenuKind::SlotMenu);
    QAction* copyEntry = portraitMenu_->addAction(QStringLiteral("Копировать сборку"));
    ShowKeys(copyEntry, QKeySequence::Copy);
    connect(copyEntry, &QAction::triggered, this, [this] { CopyBuild(); });
    QAction* pasteEntry = portraitMenu_->addAction(QStringLiteral("Вставить сборку"));
    ShowKeys(pasteEntry, QKeySequence::Paste);
    connect(pasteEntry, &QAction::triggered, this, [this] { PasteBuild(); });
}

} // namespace zephyr::ui
