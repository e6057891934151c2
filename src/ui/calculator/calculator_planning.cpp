#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/breakdown_popup.h"
#include "ui/calculator/figure_tooltips.h"
#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/menu_keys.h"
#include "ui/widgets/texts.h"

#include "engine/screen_texts.h"
#include "engine/stat_breakdown.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QToolTip>

namespace zephyr::ui {
QString CalculatorPanel::PreviewText(const QString& heading, const Gesture& gesture) const {
    const HeroStats after = calculator_->Preview(gesture);
    return ChangesToolTip(heading, PreviewChanges(calculator_->Stats(), after, DecimalSeparator()));
}

QString CalculatorPanel::ItemPreviewText(int item) const {
    const TItem* record = calculator_ != nullptr ? calculator_->Catalog().Item(item) : nullptr;
    if (record == nullptr || popupSlot_ < 1 || popupSlot_ > kSlotCount) {
        return {};
    }
    const QString name = FromCp1251(record->Name);
    if (const int slot = calculator_->OnePerHeroConflict(item); slot != 0) {
        const TItem* carried = calculator_->ItemInSlot(slot);
        return QStringLiteral("<b>%1</b><br><span style=\"color:#c62828\">Не поставить: такой "
                              "предмет герой носит только один, а в слоте %2 уже «%3».</span>")
            .arg(name.toHtmlEscaped())
            .arg(slot)
            .arg(FromCp1251(carried != nullptr ? carried->Name : std::string()).toHtmlEscaped());
    }
    return PreviewText(name, {GestureKind::Place, popupSlot_, 0, record->Name});
}

QString CalculatorPanel::AbilityPreviewText(int ability) const {
    if (calculator_ == nullptr || !calculator_->CanLevel(ability)) {
        return {};
    }
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    const std::string name = ability == kAttributeBonus || hero == nullptr
                                 ? Texts().AttributeBonus
                                 : hero->Abilities[static_cast<std::size_t>(ability - 1)].Name;
    const QString heading = QStringLiteral("%1: уровень %2")
                                .arg(FromCp1251(name))
                                .arg(AbilityLevel(calculator_->State(), ability) + 1);
    return PreviewText(heading, {GestureKind::LevelUp, ability, 0, {}});
}

QString CalculatorPanel::SlotPreviewText(int slot) const {
    const TItem* record = calculator_ != nullptr ? calculator_->ItemInSlot(slot) : nullptr;
    if (record == nullptr) {
        return {};
    }
    return PreviewText(QStringLiteral("Снять %1").arg(FromCp1251(record->Name)),
                       {GestureKind::Remove, slot, 0, {}});
}

void CalculatorPanel::ShowItemPreview(QMenu* menu, QAction* action) {
    // A menu hears of the hovers in its submenus as well; they show their own.
    if (!menu->actions().contains(action)) {
        return;
    }
    const QVariant item = action->property(kItemProperty);
    const QString text = item.isValid() ? ItemPreviewText(item.toInt()) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    // Beside the entry: right of the menu where the tip fits on the screen,
    // otherwise left of it, never over the entries.
    QTextDocument measure;
    measure.setDefaultFont(QToolTip::font());
    measure.setHtml(text);
    const QSize tip = measure.size().toSize() + QSize(12, 8);
    const QRect entry = menu->actionGeometry(action);
    const QRect screen = menu->screen()->availableGeometry();
    QPoint at = menu->mapToGlobal(QPoint(menu->width() + 4, entry.top()));
    if (at.x() + tip.width() > screen.right()) {
        at.setX(menu->mapToGlobal(QPoint(0, 0)).x() - tip.width() - 4);
    }
    // The tooltip puts itself below and right of the point it is given, as
    // for a mouse pointer.
    QToolTip::showText(at - QPoint(2, 16), text, menu, entry);
}

void CalculatorPanel::TogglePin() {
    if (calculator_ == nullptr) {
        return;
    }
    if (pinned_) {
        pinned_.reset();
    } else if (calculator_->State().CurrentHero != 0) {
        pinned_ = calculator_->Stats();
    }
    pinEntry_->setText(pinned_ ? QStringLiteral("Открепить")
                               : QStringLiteral("Закрепить для сравнения"));
    MarkChangedCells();
}

QString CalculatorPanel::ValueCellToolTip(int column, int row) const {
    const std::optional<Figure> figure = GridFigure(column, row);
    if (!pinned_ || calculator_ == nullptr || !figure) {
        return {};
    }
    if (const auto change =
            CompareFigure(*pinned_, calculator_->Stats(), *figure, DecimalSeparator())) {
        return ComparisonToolTip(*change);
    }
    return QStringLiteral("<b>%1</b><br><nobr>Как в закреплённой сборке: %2</nobr>")
        .arg(FromCp1251(FigureCaption(*figure)).toHtmlEscaped(),
             FromCp1251(FigureText(*pinned_, *figure, DecimalSeparator())).toHtmlEscaped());
}

void CalculatorPanel::MarkChangedCells() {
    for (int row = 0; row < StringGrid::kRows; ++row) {
        for (int column = 1; column < StringGrid::kColumns; column += 2) {
            const std::optional<Figure> figure = GridFigure(column, row);
            const bool changed =
                pinned_ && calculator_ != nullptr && figure &&
                CompareFigure(*pinned_, calculator_->Stats(), *figure, DecimalSeparator())
                    .has_value();
            stringGrid1_->SetMarked(column, row, changed);
        }
    }
}

void CalculatorPanel::ShowBreakdown(Figure figure, const QPoint& at) {
    if (calculator_ == nullptr || calculator_->State().CurrentHero == 0) {
        return;
    }
    const StatRecord record = calculator_->RecordStats();
    auto* popup = new BreakdownPopup(this, BreakDown(calculator_->Catalog(), calculator_->State(),
                                                     calculator_->Stats(), record, figure,
                                                     DecimalSeparator()));
    popup->move(at);
    popup->show();
}

bool CalculatorPanel::PlanningEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        QString text;
        for (int a = 1; a <= 5; ++a) {
            if (watched == imageAbility_[static_cast<std::size_t>(a - 1)]) {
                text = AbilityPreviewText(a);
            }
        }
        for (int s = 1; s <= kSlotCount; ++s) {
            if (watched == imageSlot_[static_cast<std::size_t>(s - 1)]) {
                text = SlotPreviewText(s);
            }
        }
        if (text.isEmpty()) {
            return false; // the picture's own tooltip, if it has one
        }
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text,
                           static_cast<QWidget*>(watched));
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return false;
    }
    static constexpr Figure kBlockFigures[5] = {Figure::Damage, Figure::Armor, Figure::Strength,
                                                Figure::Agility, Figure::Intelligence};
    std::optional<Figure> figure;
    for (std::size_t i = 0; i < 5; ++i) {
        if (watched == valueLabels_[i] || watched == bonusLabels_[i]) {
            figure = kBlockFigures[i];
        }
    }
    if (watched == label16_) {
        figure = Figure::HitPoints;
    } else if (watched == label17_) {
        figure = Figure::Mana;
    }
    if (!figure) {
        return false;
    }
    auto* label = static_cast<QWidget*>(watched);
    clickGate_(label);
    ShowBreakdown(*figure, label->mapToGlobal(QPoint(0, label->height())));
    return true;
}

void CalculatorPanel::BuildPlanning() {
    for (QWidget* picture : imageAbility_) {
        picture->installEventFilter(this);
    }
    for (QWidget* picture : imageSlot_) {
        picture->installEventFilter(this);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        valueLabels_[i]->installEventFilter(this);
        bonusLabels_[i]->installEventFilter(this);
    }
    label16_->installEventFilter(this);
    label17_->installEventFilter(this);

    // The grid takes clicks and tooltips on its values; a press on a caption
    // still reaches the panel.
    stringGrid1_->setEnabled(true);
    connect(stringGrid1_, &StringGrid::ValueClicked, this, [this](int column, int row) {
        clickGate_(stringGrid1_);
        if (const std::optional<Figure> figure = GridFigure(column, row)) {
            const QRect cell = stringGrid1_->CellRect(column, row);
            ShowBreakdown(*figure, stringGrid1_->mapToGlobal(cell.bottomLeft()));
        }
    });
    stringGrid1_->SetToolTipFunction(
        [this](int column, int row) { return ValueCellToolTip(column, row); });

    auto* pin = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    pin->setContext(Qt::WindowShortcut);
    connect(pin, &QShortcut::activated, this, [this] { TogglePin(); });
    portraitMenu_->addSeparator();
    pinEntry_ = portraitMenu_->addAction(QStringLiteral("Закрепить для сравнения"));
    ShowKeys(pinEntry_, QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(pinEntry_, &QAction::triggered, this, [this] { TogglePin(); });
}

} // namespace zephyr::ui
