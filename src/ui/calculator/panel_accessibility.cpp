#include "ui/calculator/panel_accessibility.h"

#include "ui/calculator/panel_keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zephyr::ui {
namespace {

constexpr char kRole[] = "zephyrAccessibleRole";

class PictureButtonInterface : public QAccessibleWidget {
public:
    explicit PictureButtonInterface(QWidget* control)
        : QAccessibleWidget(control, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }

    QStringList actionNames() const override {
        return {pressAction(), showMenuAction(), setFocusAction()};
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            PressLikeMouse(widget(), Qt::LeftButton);
        } else if (action == showMenuAction()) {
            PressLikeMouse(widget(), Qt::RightButton);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

QAccessibleInterface* MarkedWidgetFactory(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    const QVariant role = object->property(kRole);
    if (!role.isValid()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (role.toInt() == QAccessible::Button) {
        return new PictureButtonInterface(widget);
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

void Mark(QWidget* control, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(MarkedWidgetFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(kRole, static_cast<int>(role));
}

} // namespace

void MarkAsPictureButton(QWidget* control) {
    Mark(control, QAccessible::Button);
}

void MarkAsPicture(QWidget* control) {
    Mark(control, QAccessible::Graphic);
}

void MarkAsGroup(QWidget* control) {
    Mark(control, QAccessible::Grouping);
}

void MarkAsList(QWidget* control) {
    Mark(control, QAccessible::List);
}

} // namespace zephyr::ui
