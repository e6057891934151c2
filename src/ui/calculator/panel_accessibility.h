#pragma once

class QWidget;

namespace zephyr::ui {

// Makes `control`, a drawn picture of the panel, a button to assistive
// technology: its role, its name and description (the widget's accessible
// ones), its focus, and the actions "Press" (a left click) and "ShowMenu" (a
// right click), both as the mouse makes them. Installs the interface factory
// once.
void MarkAsPictureButton(QWidget* control);

} // namespace zephyr::ui
