#include "ui/calculator/panel_accessibility.h"

#include "ui/calculator/panel_keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zephyr::ui {
namespace {

constexpr char kPictureButton[] = "zephyrPictureButton";

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

QAccessibleInterface* PictureButtonFactory(const QString&, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->property(kPictureButton).toBool()) {
        return new PictureButtonInterface(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void MarkAsPictureButton(QWidget* control) {
    static const bool installed = [] {
        QAccessible::installFactory(PictureButtonFactory);
        return true;
    }();
    (void)installed;
    control->setProperty(kPictureButton, true);
}

} // namespace zephyr::ui
