#pragma once

#include <QObject>
#include <QPoint>

#include <vector>

class QWidget;

namespace zephyr::ui {

// Sends `widget` a press and a release of `button` at its centre (or at
// `at`), as the mouse makes them: the click gate and the widget's own
// handlers see a click.
void PressLikeMouse(QWidget* widget, Qt::MouseButton button);
void PressLikeMouse(QWidget* widget, Qt::MouseButton button, const QPoint& at);

// The panel's drawn controls from the keyboard. Each control added takes the
// focus (by Tab, in the order the panel sets) and is framed while it has it;
// Enter or Space is a left click and the menu key or Shift+F10 a right
// click, both through PressLikeMouse; the arrow keys move within the
// control's group.
class PanelKeyboard : public QObject {
public:
    explicit PanelKeyboard(QObject* parent) : QObject(parent) {}

    // One group of controls, in their arrow order.
    void AddGroup(std::vector<QWidget*> controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::vector<QWidget*>> groups_;
};

} // namespace zephyr::ui
