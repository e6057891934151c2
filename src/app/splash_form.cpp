#include "splash_form.h"

#include "controls/picture_control.h"
#include "data/data_error.h"
#include "data/interface_pictures.h"
#include "ui/widgets/cell_list.h"
#include "ui/widgets/texts.h"
#include "ui/widgets/window_placement.h"

#include <QLabel>

#include <utility>

namespace zephyr::app {

SplashForm::SplashForm(const DataLocation& location)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      location_(location) {
    setObjectName(QStringLiteral("Form3"));
    setFixedSize(250, 200);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    ui::CentreOnScreen(*this);
}

void SplashForm::setVisible(bool visible) {
    QWidget::setVisible(visible);
    // The picture's control comes once the window is mapped: the first
    // child shown asks for the screen readers' bridge, and that waits on
    // the session bus (a failed launch of one where there is none).
    if (visible && image1_ == nullptr) {
        image1_ = new controls::PictureControl(this);
        image1_->setObjectName(QStringLiteral("Image1"));
        image1_->setGeometry(0, 0, 250, 200);
        image1_->show();
    }
}

void SplashForm::paintEvent(QPaintEvent*) {
    // The picture control, a child, paints after this in the same pass.
    if (image1_ == nullptr || std::exchange(pictured_, true)) {
        return;
    }
    try {
        image1_->SetPicture(ui::LoadInterfacePicture(location_, interface_picture::kSplashImage));
    } catch (const DataError&) {
        // The splash goes on without its picture.
    }
}

void SplashForm::SetStatus(const std::string& text) {
    // The status line, empty until now, is made with its first text: its
    // font would otherwise be looked up before the splash is on screen.
    if (label1_ == nullptr) {
        label1_ = new QLabel(this);
        label1_->setObjectName(QStringLiteral("Label1"));
        label1_->setGeometry(8, 184, 234, 13);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        label1_->setFont(font);
        QPalette grey = label1_->palette();
        grey.setColor(QPalette::WindowText, QColor(145, 145, 145));
        label1_->setPalette(grey);
        label1_->show();
    }
    label1_->setText(ui::FromCp1251(text));
    repaint();
}

QString SplashForm::Status() const {
    return label1_ == nullptr ? QString() : label1_->text();
}

} // namespace zephyr::app
