#include "ui/calculator/level_chart_window.h"

#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/secondary_window_style.h"
#include "ui/widgets/transient_note.h"

#include "engine/level_progress_table.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace zephyr::ui {
namespace {

// The series colours: the lines in the header orange, the mana blue, the
// hit-point green and the level caption's lilac.
using skin::kBackground;
using skin::kCaption;
using skin::kRule;
const QColor kPhysicalDps(231, 120, 23);
const QColor kMagicalDps(0, 146, 221);
const QColor kPhysicalEhp(0, 170, 80);
const QColor kMagicalEhp(150, 138, 205);

QLineSeries* Line(const QString& name, const QColor& colour, Qt::PenStyle style) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour);
    pen.setWidth(2);
    pen.setStyle(style);
    series->setPen(pen);
    series->setPointsVisible(true);
    return series;
}

QValueAxis* Axis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(kCaption);
    axis->setTitleFont(PixelFont(11, true));
    axis->setLabelsBrush(Qt::white);
    axis->setLabelsFont(PixelFont(11));
    axis->setLinePenColor(kRule);
    axis->setGridLineColor(kRule);
    return axis;
}

// Room above the highest point, round ticks from zero, and decimals only
// where the ticks need them.
void FitFromZero(QValueAxis* axis, double highest) {
    axis->setRange(0, highest > 0 ? highest * 1.1 : 1);
    axis->applyNiceNumbers();
    axis->setLabelFormat(axis->max() >= 10 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
}

// Two-word captions over two lines keep the columns narrow.
QString HeaderCaption(const std::string& caption) {
    return QString::fromStdString(caption).replace(QLatin1Char(' '), QLatin1Char('\n'));
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

LevelChartWindow::LevelChartWindow(QWidget* parent)
    : SecondaryWindow(QStringLiteral("LevelChartWindow"), QStringLiteral("Прогресс по уровням"),
                      parent),
      decimalSeparator_(DecimalSeparator()) {

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("LevelTable"));
    table_->setColumnCount(static_cast<int>(kLevelTableColumns));
    QStringList captions;
    for (const std::string& caption : LevelTableCaptions()) {
        captions << HeaderCaption(caption);
    }
    table_->setHorizontalHeaderLabels(captions);
    SetUpFigureTable(table_, 0);

    chart_ = new QChart;
    chart_->setBackgroundBrush(kBackground);
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->legend()->setLabelColor(Qt::white);
    chart_->legend()->setFont(PixelFont(11));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* chartView = new QChartView(chart_, this);
    chartView->setObjectName(QStringLiteral("LevelChart"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setStyleSheet(
        QStringLiteral("background: black; border: 1px solid %1;").arg(kRule.name()));

    auto* copy = new QPushButton(QStringLiteral("Копировать таблицу"), this);
    copy->setObjectName(QStringLiteral("CopyTableButton"));
    copy->setCursor(Qt::PointingHandCursor);
    connect(copy, &QPushButton::clicked, this, [this] { CopyTable(); });
    auto* copyKeys = new QShortcut(QKeySequence::Copy, this);
    copyKeys->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copyKeys, &QShortcut::activated, this, [this] { CopyTable(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* body = new QVBoxLayout;
    body->setSpacing(8);
    body->addWidget(table_, 2);
    body->addWidget(chartView, 3);
    body->addLayout(buttons);
    SetBody(body);
    resize(820, 660);
    note_ = new TransientNote(this);
}

void LevelChartWindow::ShowLevels(std::vector<HeroStats> levels) {
    levels_ = std::move(levels);
    FillTable();
    DrawChart();
}

QString LevelChartWindow::TableText() const {
    return FromUtf8(LevelProgressTable(levels_, decimalSeparator_));
}

void LevelChartWindow::CopyTable() {
    QGuiApplication::clipboard()->setText(TableText());
    note_->Show(QStringLiteral("Таблица скопирована: её можно вставить в электронную таблицу"));
}

void LevelChartWindow::FillTable() {
    table_->setRowCount(static_cast<int>(levels_.size()));
    for (std::size_t k = 0; k < levels_.size(); ++k) {
        const LevelTableLine cells =
            LevelTableCells(static_cast<int>(k + 1), levels_[k], decimalSeparator_);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            auto* cell = new QTableWidgetItem(FromUtf8(cells[column]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(k), static_cast<int>(column), cell);
        }
    }
}

void LevelChartWindow::DrawChart() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    const LevelTableLine& captions = LevelTableCaptions();
    QLineSeries* physicalDps = Line(FromUtf8(captions[5]), kPhysicalDps, Qt::SolidLine);
    QLineSeries* magicalDps = Line(FromUtf8(captions[6]), kMagicalDps, Qt::SolidLine);
    QLineSeries* physicalEhp = Line(FromUtf8(captions[7]), kPhysicalEhp, Qt::DashLine);
    QLineSeries* magicalEhp = Line(FromUtf8(captions[8]), kMagicalEhp, Qt::DashLine);
    double highestDps = 0;
    double highestEhp = 0;
    for (std::size_t k = 0; k < levels_.size(); ++k) {
        const HeroStats& stats = levels_[k];
        const double level = static_cast<double>(k + 1);
        physicalDps->append(level, stats.PhysicalDps);
        magicalDps->append(level, stats.MagicalDps);
        highestDps = std::max({highestDps, stats.PhysicalDps, stats.MagicalDps});
        // Unbounded survival has no point to draw.
        for (auto [series, ehp] :
             {std::pair{physicalEhp, stats.PhysicalEhp}, std::pair{magicalEhp, stats.MagicalEhp}}) {
            if (ehp != -1) {
                series->append(level, ehp);
                highestEhp = std::max(highestEhp, static_cast<double>(ehp));
            }
        }
    }

    QValueAxis* levelAxis = Axis(FromUtf8(captions[0]));
    const int lastLevel = std::max(static_cast<int>(levels_.size()), 2);
    levelAxis->setRange(1, lastLevel);
    levelAxis->setTickCount(lastLevel);
    levelAxis->setLabelFormat(QStringLiteral("%d"));
    levelAxis->setGridLineVisible(false);
    QValueAxis* dpsAxis = Axis(QStringLiteral("DPS"));
    FitFromZero(dpsAxis, highestDps);
    QValueAxis* ehpAxis = Axis(QStringLiteral("EHP"));
    FitFromZero(ehpAxis, highestEhp);
    ehpAxis->setGridLineVisible(false);
    chart_->addAxis(levelAxis, Qt::AlignBottom);
    chart_->addAxis(dpsAxis, Qt::AlignLeft);
    chart_->addAxis(ehpAxis, Qt::AlignRight);
    for (QLineSeries* series : {physicalDps, magicalDps, physicalEhp, magicalEhp}) {
        chart_->addSeries(series);
        series->attachAxis(levelAxis);
        series->attachAxis(series == physicalDps || series == magicalDps ? dpsAxis : ehpAxis);
    }
}

} // namespace zephyr::ui
