#pragma once

class QWidget;

namespace zephyr::ui {

class FixedLineListBox;
class StringGrid;

// What assistive technology takes the panel's drawn widgets for. The name
// and description are the widget's accessible ones. Marked as soon as it is
// made: the first change announced of a widget fixes its interface.
//
// A button: focusable, with the actions "Press" (a left click) and
// "ShowMenu" (a right click), both as the mouse makes them.
void MarkAsPictureButton(QWidget* control);
// A picture that shows something (the aura strip, the orb box, the stat
// icons) or only decorates (the background).
void MarkAsPicture(QWidget* control);
// A box of controls that belong together (the parameter editors).
void MarkAsGroup(QWidget* control);
// A list drawn line by line (the build order), its lines as items.
void MarkAsList(FixedLineListBox* control);
// The statistics as a table: 8 rows of caption and value pairs, each caption
// the row header of the value beside it.
void MarkAsTable(StringGrid* control);

} // namespace zephyr::ui
