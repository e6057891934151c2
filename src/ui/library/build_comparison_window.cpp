#include "ui/library/build_comparison_window.h"

#include "ui/library/build_comparison_card.h"
#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/secondary_window_style.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zephyr::ui {
namespace {

// A green and a red that read on black, for the better and the worse.
const QColor kBetter(70, 210, 100);
const QColor kWorse(240, 85, 85);

// The cards, within the common style.
QString CardStyle() {
    return QStringLiteral(
               "zephyr--ui--BuildComparisonCard { background: %1; border: 1px solid %3; }"
               "zephyr--ui--BuildComparisonCard QLabel { color: white; background: transparent;"
               " border: 0px; }"
               "zephyr--ui--BuildComparisonCard QLabel:disabled { color: #8c96a0; }"
               "QLabel#CardTitle { color: %2; font-weight: bold; }"
               "QLabel#CardHero { font-weight: bold; }")
        .arg(skin::kField.name(), skin::kCaption.name(), skin::kRule.name());
}

QString OtherTitle(const BuildFile& other) {
    return other.Name.empty() ? QStringLiteral("Сохранённая") : QString::fromStdString(other.Name);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

} // namespace

BuildComparisonWindow::BuildComparisonWindow(const Catalogue& catalogue, const BuildRecipe& current,
                                             const BuildFile& other, QWidget* parent)
    : SecondaryWindow(QStringLiteral("BuildComparisonWindow"), QStringLiteral("Сравнение сборок"),
                      parent, CardStyle()),
      catalogue_(&catalogue), decimalSeparator_(DecimalSeparator()),
      portraits_(CellList::FromImageList(catalogue.Heroes64)),
      itemPictures_(CellList::FromImageList(catalogue.Shops)) {

    currentCard_ = new BuildComparisonCard(portraits_, itemPictures_, this);
    currentCard_->setObjectName(QStringLiteral("CurrentBuildCard"));
    currentCard_->SetTitle(QStringLiteral("Текущая"));
    otherCard_ = new BuildComparisonCard(portraits_, itemPictures_, this);
    otherCard_->setObjectName(QStringLiteral("OtherBuildCard"));

    table_ = new QTableWidget(static_cast<int>(kPreviewFigures.size()), 4, this);
    table_->setObjectName(QStringLiteral("ComparisonTable"));
    table_->setAccessibleName(QStringLiteral("Показатели двух сборок"));
    SetUpFigureTable(table_, kCaptionColumn);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });

    auto* cards = new QHBoxLayout;
    cards->setSpacing(8);
    cards->addWidget(currentCard_, 1);
    cards->addWidget(otherCard_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->addLayout(cards);
    body->addWidget(table_, 1);
    body->addLayout(buttons);
    SetBody(body);
    resize(720, 940);

    current_ = ReplayBuild(*catalogue_, current);
    currentCard_->ShowBuild(current_);
    SetOther(other);
}

void BuildComparisonWindow::SetCurrent(const BuildRecipe& current) {
    current_ = ReplayBuild(*catalogue_, current);
    currentCard_->ShowBuild(current_);
    FillTable();
}

void BuildComparisonWindow::SetOther(const BuildFile& other) {
    other_ = ReplayBuild(*catalogue_, other.Recipe);
    otherCard_->SetTitle(OtherTitle(other));
    otherCard_->ShowBuild(other_);
    table_->setHorizontalHeaderLabels({QStringLiteral("Показатель"), QStringLiteral("Текущая"),
                                       OtherTitle(other), QStringLiteral("Разница")});
    FillTable();
}

QString BuildComparisonWindow::CellText(int row, int column) const {
    const QTableWidgetItem* cell = table_->item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

QColor BuildComparisonWindow::DifferenceColour(int row) const {
    const QTableWidgetItem* cell = table_->item(row, kDifferenceColumn);
    if (cell == nullptr || cell->data(Qt::ForegroundRole).isNull()) {
        return {};
    }
    return cell->foreground().color();
}

void BuildComparisonWindow::FillTable() {
    const std::vector<FigureComparison> lines =
        CompareFigures(current_.Stats, other_.Stats, decimalSeparator_);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const FigureComparison& line = lines[k];
        const int row = static_cast<int>(k);
        table_->setItem(row, kCaptionColumn, Cell(line.Caption, Qt::AlignLeft));
        table_->setItem(row, kCurrentColumn, Cell(line.Current, Qt::AlignRight));
        table_->setItem(row, kOtherColumn, Cell(line.Other, Qt::AlignRight));
        QTableWidgetItem* difference = Cell(line.Difference, Qt::AlignRight);
        // The colour says it to the eye, the text to a screen reader.
        if (line.Verdict != FigureVerdict::Same) {
            const bool better = line.Verdict == FigureVerdict::Better;
            difference->setForeground(better ? kBetter : kWorse);
            const QString verdict = better ? QStringLiteral("лучше") : QStringLiteral("хуже");
            difference->setToolTip(verdict);
            difference->setData(Qt::AccessibleTextRole, line.Difference + u' ' + verdict);
        }
        table_->setItem(row, kDifferenceColumn, difference);
    }
}

} // namespace zephyr::ui
