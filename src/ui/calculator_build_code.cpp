#include "calculator_panel.h"

#include "texts.h"

#include "engine/build_code.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace zephyr::ui {
namespace {

// How many gestures Undo can take back.
constexpr std::size_t kUndoSteps = 200;

} // namespace

QString CalculatorPanel::BuildCode() const {
    if (calculator_ == nullptr || history_.Hero.empty()) {
        return {};
    }
    try {
        return QString::fromLatin1(EncodeBuildCode(history_));
    } catch (const BuildCodeError&) {
        return {}; // a build of more gestures than a code holds
    }
}

QString CalculatorPanel::PasteBuildCode(const QString& code) {
    if (calculator_ == nullptr) {
        return QStringLiteral("the calculator is not available");
    }
    BuildRecipe recipe;
    try {
        recipe = DecodeBuildCode(code.trimmed().toStdString());
    } catch (const BuildCodeError& error) {
        return QString::fromUtf8(error.what());
    }
    if (const std::optional<std::string> missing = MissingName(calculator_->Catalog(), recipe)) {
        return QStringLiteral("this build needs %1, which this pack does not have")
            .arg(FromCp1251(*missing));
    }
    Remember();
    Rebuild(recipe);
    return {};
}

void CalculatorPanel::Remember() {
    if (history_.Hero.empty()) {
        return; // nothing shown yet
    }
    undo_.push_back(history_);
    if (undo_.size() > kUndoSteps) {
        undo_.erase(undo_.begin());
    }
    redo_.clear();
}

void CalculatorPanel::Rebuild(const BuildRecipe& recipe) {
    // The gestures rebuild the build as the clicks made it.
    history_ = {recipe.Hero, {}};
    ApplyGesture(*calculator_, {GestureKind::ChooseHero, 0, 0, recipe.Hero});
    for (const Gesture& gesture : recipe.Gestures) {
        if (!ApplyGesture(*calculator_, gesture)) {
            continue;
        }
        if (gesture.Kind == GestureKind::ChooseHero) {
            history_ = {gesture.Name, {}};
        } else if (gesture.Kind == GestureKind::Reset) {
            history_.Gestures.clear();
        } else {
            history_.Gestures.push_back(gesture);
        }
    }
    ShowWholeBuild();
    SyncEditors();
}

bool CalculatorPanel::StepTo(std::vector<BuildRecipe>& from, std::vector<BuildRecipe>& to) {
    if (calculator_ == nullptr || from.empty()) {
        return false;
    }
    to.push_back(history_);
    const BuildRecipe step = std::move(from.back());
    from.pop_back();
    Rebuild(step);
    return true;
}

bool CalculatorPanel::Undo() {
    return StepTo(undo_, redo_);
}

bool CalculatorPanel::Redo() {
    return StepTo(redo_, undo_);
}

void CalculatorPanel::CopyBuild() {
    const QString code = BuildCode();
    if (!code.isEmpty()) {
        QGuiApplication::clipboard()->setText(code);
    }
}

void CalculatorPanel::PasteBuild() {
    const QString reason = PasteBuildCode(QGuiApplication::clipboard()->text());
    if (!reason.isEmpty() && message_) {
        message_(QStringLiteral("Сборку не удалось вставить: %1.").arg(reason));
    }
}

void CalculatorPanel::BuildCodeShortcuts() {
    // Fields keep their own copy and paste: a focused editor takes these keys first.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, [this] { CopyBuild(); });
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    paste->setContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, [this] { PasteBuild(); });
    auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, this, [this] { Undo(); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        auto* redo = new QShortcut(keys, this);
        redo->setContext(Qt::WidgetWithChildrenShortcut);
        connect(redo, &QShortcut::activated, this, [this] { Redo(); });
    }

    // The portrait's context menu offers the same.
    portraitMenu_ = new QMenu(this);
    portraitMenu_->setObjectName(QStringLiteral("PortraitMenu"));
    menuStyle_->Attach(portraitMenu_, MenuKind::SlotMenu);
    QAction* copyEntry = portraitMenu_->addAction(QStringLiteral("Копировать сборку"));
    connect(copyEntry, &QAction::triggered, this, [this] { CopyBuild(); });
    QAction* pasteEntry = portraitMenu_->addAction(QStringLiteral("Вставить сборку"));
    connect(pasteEntry, &QAction::triggered, this, [this] { PasteBuild(); });
}

} // namespace zephyr::ui
