#pragma once

#include <QLineEdit>

namespace zephyr::controls {

// TEdit1: a single-line edit box whose text alignment can be chosen.
class Edit1 : public QLineEdit {
    Q_OBJECT
public:
    enum TAlign { eaLeft, eaCenter, eaRight };

    explicit Edit1(QWidget* parent = nullptr);

    TAlign Alignment() const { return alignment_; }
    // Re-applies the style only when the value changes; the text is kept.
    void SetAlignment(TAlign alignment);

private:
    void ApplyAlignment();

    TAlign alignment_ = eaLeft;
};

} // namespace zephyr::controls
