#include "calculator_panel.h"

#include "texts.h"

#include "engine/build_code.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace zephyr::ui {

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
    // The gestures rebuild the build as the clicks made it.
    for (int hero = 1; hero <= static_cast<int>(calculator_->Catalog().Heroes.size()); ++hero) {
        if (calculator_->Catalog().Heroes[static_cast<std::size_t>(hero - 1)].Name == recipe.Hero) {
            ChooseHero(hero);
            break;
        }
    }
    for (const Gesture& gesture : recipe.Gestures) {
        if (gesture.Kind == GestureKind::ChooseHero) {
            history_ = {gesture.Name, {}};
        } else if (gesture.Kind == GestureKind::Reset) {
            history_.Gestures.clear();
        }
        if (ApplyGesture(*calculator_, gesture) && gesture.Kind != GestureKind::ChooseHero &&
            gesture.Kind != GestureKind::Reset) {
            Record(gesture);
        }
    }
    LoadAttributePicture();
    LoadAbilityPictures();
    AfterBuildChange();
    SyncEditors();
    return {};
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
