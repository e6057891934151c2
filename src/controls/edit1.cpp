#include "edit1.h"

namespace zephyr::controls {

Edit1::Edit1(QWidget* parent) : QLineEdit(parent) {
    ApplyAlignment();
}

void Edit1::SetAlignment(TAlign alignment) {
    if (alignment == alignment_) {
        return;
    }
    alignment_ = alignment;
    ApplyAlignment();
}

void Edit1::ApplyAlignment() {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment_ == eaCenter) {
        horizontal = Qt::AlignHCenter;
    } else if (alignment_ == eaRight) {
        horizontal = Qt::AlignRight;
    }
    setAlignment(horizontal | Qt::AlignVCenter);
}

} // namespace zephyr::controls
