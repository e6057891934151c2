#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/texts.h"

#include <QLabel>
#include <QTimer>

namespace zephyr::ui {

void CalculatorPanel::BuildRunningLine() {
    label18_ = new QLabel(this);
    label18_->setObjectName(QStringLiteral("Label18"));
    label18_->setGeometry(97, 8, 417, 13);
    label18_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    label18_->setFont(font);
    label18_->setAutoFillBackground(true);
    QPalette palette = label18_->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label18_->setPalette(palette);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(125);
    connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(); });

    connect(imageEx1_, &controls::PictureControl::MouseDown, this, [this] { ImageEx1MouseDown(); });
    connect(imageEx1_, &controls::ImageEx::MouseEnter, this, [this] { ImageEx1Hover(true); });
    connect(imageEx1_, &controls::ImageEx::MouseLeave, this, [this] { ImageEx1Hover(false); });
}

void CalculatorPanel::LoadTickerLines(std::vector<std::string> lines) {
    ticker_.Load(std::move(lines));
    // Without lines there is nothing to run: the line stays empty and
    // stopped until the switch button is used.
    if (!ticker_.Empty()) {
        timer1_->start();
    }
}

void CalculatorPanel::SetTickerRandom(Ticker::RandomFunction random) {
    ticker_.SetRandom(std::move(random));
}

void CalculatorPanel::Timer1Timer() {
    label18_->setText(FromCp1251(ticker_.Step()));
}

void CalculatorPanel::ImageEx1MouseDown() {
    clickGate_(imageEx1_);
    const ButtonPictures& b = pictures_.Buttons;
    if (!timer1_->isActive()) {
        ticker_.Restart();
        imageEx1_->SetPicture(b.Get(ButtonGroup::StringOn, ButtonState::Active));
        timer1_->start();
        return;
    }
    timer1_->stop();
    label18_->clear();
    imageEx1_->SetPicture(b.Get(ButtonGroup::StringOff, ButtonState::Active));
}

void CalculatorPanel::ImageEx1Hover(bool inside) {
    const ButtonGroup group = timer1_->isActive() ? ButtonGroup::StringOn : ButtonGroup::StringOff;
    imageEx1_->SetPicture(
        pictures_.Buttons.Get(group, inside ? ButtonState::Active : ButtonState::Passive));
}

} // namespace zephyr::ui
