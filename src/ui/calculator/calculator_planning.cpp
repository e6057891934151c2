#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/breakdown_popup.h"
#include "ui/calculator/change_marks.h"
#include "ui/calculator/figure_tooltips.h"
#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/menu_keys.h"
#include "ui/widgets/texts.h"

#include "engine/screen_texts.h"
#include "engine/stat_breakdown.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>

namespace zephyr::ui {
namespace {

// Where a label's text stands in its parent.
QRect LabelText(const QLabel* label) {
    const QFontMetrics metrics = label->fontMetrics();
    const int width = metrics.horizontalAdvance(label->text());
    QRect text(label->geometry().topLeft(), QSize(width, metrics.height()));
    if ((label->alignment() & Qt::AlignHCenter) != 0) {
        text.translate((label->width() - width) / 2, 0);
    }
    return text;
}

// Where an item's preview goes, given the open menus (the shops' menu and
// its submenus) and the tooltip's size: beside the entry, right of the
// menus or else left of them; where the screen leaves no room at either
// side, above or below them; covering no entry of any menu wherever it
// fits.
QPoint TipBesideMenus(const QRect& menus, const QRect& screen, const QSize& tip, int entryLeft,
                      int entryTop) {
    constexpr int kGap = 4;
    const int top = std::clamp(entryTop, screen.top(), screen.bottom() + 1 - tip.height());
    if (menus.right() + kGap + tip.width() <= screen.right()) {
        return {menus.right() + kGap, top};
    }
    if (menus.left() - kGap - tip.width() >= screen.left()) {
        return {menus.left() - kGap - tip.width(), top};
    }
    const int left = std::clamp(entryLeft, screen.left(), screen.right() + 1 - tip.width());
    if (menus.top() - kGap - tip.height() >= screen.top()) {
        return {left, menus.top() - kGap - tip.height()};
    }
    if (menus.bottom() + kGap + tip.height() <= screen.bottom()) {
        return {left, menus.bottom() + kGap};
    }
    return {std::max(screen.left(), menus.left() - kGap - tip.width()), top};
}

} // namespace

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
    QTextDocument measure;
    measure.setDefaultFont(QToolTip::font());
    measure.setHtml(text);
    const QSize tip = measure.size().toSize() + QSize(12, 8);
    const QRect entry = menu->actionGeometry(action);
    QRect menus = menu->geometry();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu*>(window) != nullptr && window->isVisible()) {
            menus |= window->geometry();
        }
    }
    const QPoint at =
        TipBesideMenus(menus, menu->screen()->availableGeometry(), tip, menu->geometry().left(),
                       menu->mapToGlobal(entry.topLeft()).y());
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
        Note(QStringLiteral("Сравнение снято"));
    } else if (calculator_->State().CurrentHero != 0) {
        pinned_ = calculator_->Stats();
        Note(QStringLiteral("Сборка закреплена: значения, которые изменятся, будут отмечены, "
                            "а их подсказки сравнят с ней"));
    } else {
        Note(QStringLiteral("Закреплять нечего: сначала выберите героя"));
    }
    pinEntry_->setText(pinned_ ? QStringLiteral("Открепить")
                               : QStringLiteral("Закрепить для сравнения"));
    MarkChangedValues();
}

std::optional<FigureChange> CalculatorPanel::ChangeSincePinned(Figure figure) const {
    if (!pinned_ || calculator_ == nullptr) {
        return std::nullopt;
    }
    return CompareFigure(*pinned_, calculator_->Stats(), figure, DecimalSeparator());
}

QString CalculatorPanel::PinnedToolTip(Figure figure) const {
    if (!pinned_ || calculator_ == nullptr) {
        return {};
    }
    if (const auto change = ChangeSincePinned(figure)) {
        return ComparisonToolTip(*change);
    }
    return QStringLiteral("<b>%1</b><br><nobr>Как в закреплённой сборке: %2</nobr>")
        .arg(FromCp1251(FigureCaption(figure)).toHtmlEscaped(),
             FromCp1251(FigureText(*pinned_, figure, DecimalSeparator())).toHtmlEscaped());
}

QString CalculatorPanel::ValueCellToolTip(int column, int row) const {
    const std::optional<Figure> figure = GridFigure(column, row);
    return figure ? PinnedToolTip(*figure) : QString();
}

QString CalculatorPanel::ValueLabelToolTip(const QObject* label) const {
    QStringList parts;
    for (const BlockValue& value : BlockValues()) {
        if (value.Value == label || value.Bonus == label) {
            parts << PinnedToolTip(value.Id);
        }
    }
    parts.removeAll(QString());
    return parts.join(QStringLiteral("<br>"));
}

std::vector<CalculatorPanel::BlockValue> CalculatorPanel::BlockValues() const {
    return {{Figure::Damage, valueLabels_[0], bonusLabels_[0]},
            {Figure::Armor, valueLabels_[1], bonusLabels_[1]},
            {Figure::Strength, valueLabels_[2], bonusLabels_[2]},
            {Figure::Agility, valueLabels_[3], bonusLabels_[3]},
            {Figure::Intelligence, valueLabels_[4], bonusLabels_[4]},
            {Figure::HitPoints, label16_, nullptr},
            {Figure::HpRegen, label16_, nullptr},
            {Figure::Mana, label17_, nullptr},
            {Figure::ManaRegen, label17_, nullptr}};
}

void CalculatorPanel::MarkChangedValues() {
    std::vector<std::pair<Figure, QRect>> changed;
    for (int row = 0; row < StringGrid::kRows; ++row) {
        for (int column = 1; column < StringGrid::kColumns; column += 2) {
            const std::optional<Figure> figure = GridFigure(column, row);
            if (!figure || !ChangeSincePinned(*figure)) {
                continue;
            }
            // The grid writes its values from the cell's left edge, centred
            // in the row.
            const QFontMetrics metrics = stringGrid1_->fontMetrics();
            const QRect cell = stringGrid1_->CellRect(column, row);
            const QPoint at(cell.left(), cell.top() + (cell.height() - metrics.height()) / 2);
            changed.emplace_back(
                *figure, QRect(stringGrid1_->mapTo(this, at),
                               QSize(metrics.horizontalAdvance(stringGrid1_->Cell(column, row)),
                                     metrics.height())));
        }
    }
    for (const BlockValue& value : BlockValues()) {
        if (!ChangeSincePinned(value.Id)) {
            continue;
        }
        QRect text = LabelText(value.Value);
        if (value.Bonus != nullptr && !value.Bonus->isHidden()) {
            text = text.united(LabelText(value.Bonus));
        }
        changed.emplace_back(value.Id, text);
    }
    changeMarks_->SetMarks(changed);
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
            text = ValueLabelToolTip(watched);
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
    // A label's first figure breaks down: the hit points and mana, not their
    // regeneration.
    for (const BlockValue& value : BlockValues()) {
        if (watched == value.Value || watched == value.Bonus) {
            auto* label = static_cast<QWidget*>(watched);
            clickGate_(label);
            ShowBreakdown(value.Id, label->mapToGlobal(QPoint(0, label->height())));
            return true;
        }
    }
    return false;
}

void CalculatorPanel::BuildPlanning() {
    changeMarks_ = new ChangeMarks(this);
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
