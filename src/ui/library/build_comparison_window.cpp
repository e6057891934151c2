#include "ui/library/build_comparison_window.h"

#include "ui/library/build_comparison_card.h"
#include "ui/widgets/caption_strip.h"
#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/window_placement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zephyr::ui {
namespace {

// The panel's own colours: its black, the field blue, the caption yellow,
// the grid's rule grey, the selection blue; a green and a red that read on
// black for the better and the worse.
const QColor kBackground(Qt::black);
const QColor kField(30, 36, 52);
const QColor kCaption(245, 255, 0);
const QColor kRule(62, 76, 77);
const QColor kSelected(10, 36, 106);
const QColor kBetter(70, 210, 100);
const QColor kWorse(240, 85, 85);

QFont PixelFont(int pixels) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

QString StyleSheet() {
    return QStringLiteral(
               "QWidget#BuildComparisonWindow { background: %1; border: 1px solid %4; }"
               "zephyr--ui--BuildComparisonCard { background: %2; border: 1px solid %4; }"
               "zephyr--ui--BuildComparisonCard QLabel { color: white; background: transparent;"
               " border: 0px; }"
               "zephyr--ui--BuildComparisonCard QLabel:disabled { color: #8c96a0; }"
               "QLabel#CardTitle { color: %3; font-weight: bold; }"
               "QLabel#CardHero { font-weight: bold; }"
               "QTableWidget { background: %1; color: white; gridline-color: %4;"
               " border: 1px solid %4; }"
               "QHeaderView::section { background: %2; color: %3; border: 0px;"
               " border-right: 1px solid %4; border-bottom: 1px solid %4; padding: 2px 4px;"
               " font-weight: bold; }"
               "QScrollBar:vertical { background: %1; width: 12px; margin: 0px; }"
               "QScrollBar::handle:vertical { background: %4; min-height: 20px; }"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
               "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: %1; }"
               "QPushButton { background: %2; color: white; border: 1px solid %4;"
               " padding: 4px 14px; }"
               "QPushButton:hover, QPushButton:focus { background: %5; }")
        .arg(kBackground.name(), kField.name(), kCaption.name(), kRule.name(), kSelected.name());
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
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), catalogue_(&catalogue),
      decimalSeparator_(DecimalSeparator()),
      portraits_(CellList::FromImageList(catalogue.Heroes64)),
      itemPictures_(CellList::FromImageList(catalogue.Shops)) {
    setObjectName(QStringLiteral("BuildComparisonWindow"));
    setWindowTitle(QStringLiteral("Сравнение сборок"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(StyleSheet());
    setFont(PixelFont(11));

    currentCard_ = new BuildComparisonCard(portraits_, itemPictures_, this);
    currentCard_->setObjectName(QStringLiteral("CurrentBuildCard"));
    currentCard_->SetTitle(QStringLiteral("Текущая"));
    otherCard_ = new BuildComparisonCard(portraits_, itemPictures_, this);
    otherCard_->setObjectName(QStringLiteral("OtherBuildCard"));

    table_ = new QTableWidget(static_cast<int>(kPreviewFigures.size()), 4, this);
    table_->setObjectName(QStringLiteral("ComparisonTable"));
    table_->setAccessibleName(QStringLiteral("Показатели двух сборок"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(kCaptionColumn, QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(20);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setCursor(Qt::PointingHandCursor);
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });
    // Esc and Ctrl+W close it, as its caption's button does (Alt+F4 too,
    // where no window manager takes that key).
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W),
          QKeySequence(Qt::ALT | Qt::Key_F4)}) {
        auto* closeKeys = new QShortcut(keys, this);
        closeKeys->setContext(Qt::WindowShortcut);
        connect(closeKeys, &QShortcut::activated, this, [this] { this->close(); });
    }

    auto* cards = new QHBoxLayout;
    cards->setSpacing(8);
    cards->addWidget(currentCard_, 1);
    cards->addWidget(otherCard_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->setSpacing(8);
    body->addLayout(cards);
    body->addWidget(table_, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(new CaptionStrip(windowTitle(), this));
    layout->addLayout(body);
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

void BuildComparisonWindow::ShowBeside(const QWidget* anchor) {
    if (anchor != nullptr && anchor->window()->screen() != nullptr) {
        const QWidget* main = anchor->window();
        const QRect free = main->screen()->availableGeometry();
        resize(width(), std::min(height(), free.height()));
        move(PlaceBeside(main->frameGeometry(), size(), free));
    }
    show();
    raise();
    activateWindow();
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

void BuildComparisonWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The keyboard goes back to the window it came from, which no window
    // manager may be there to hand it back to.
    if (!event->spontaneous() && parentWidget() != nullptr) {
        parentWidget()->window()->activateWindow();
    }
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
