#include "ui/calculator/breakdown_popup.h"

#include "ui/calculator/figure_tooltips.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zephyr::ui {

BreakdownPopup::BreakdownPopup(QWidget* parent, const FigureBreakdown& breakdown)
    : QFrame(parent, Qt::Popup) {
    setObjectName(QStringLiteral("BreakdownPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(
        QStringLiteral("#BreakdownPopup { background: #101418; border: 1px solid #8a7a2a; }"
                       "QLabel { color: white; background: transparent; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    body_ = new QLabel(this);
    body_->setTextFormat(Qt::RichText);
    body_->setText(BreakdownHtml(breakdown));
    layout->addWidget(body_);
    adjustSize();
}

QString BreakdownPopup::Text() const {
    return body_->text();
}

} // namespace zephyr::ui
