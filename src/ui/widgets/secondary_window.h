#pragma once

#include <QWidget>

class QLayout;
class QTableWidget;

namespace zephyr::ui {

// A window beside the main one (the level chart, the library, a
// comparison): frameless, in the skin's colours, with a caption strip that
// moves it and closes it, closed by Esc, Ctrl+W and Alt+F4 with or without a
// window manager, and handing the keyboard back to the main window when it
// goes.
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    // `name` is the object name the style sheet's frame is drawn for;
    // `extraStyle` is added to the common style sheet.
    SecondaryWindow(const QString& name, const QString& title, QWidget* parent,
                    const QString& extraStyle = {});

    // Beside the main window where the screen has room, no taller than the
    // screen.
    void PlaceBeside(const QWidget* anchor);
    // Shown, raised and given the keyboard.
    void Present();
    void ShowBeside(const QWidget* anchor) {
        PlaceBeside(anchor);
        Present();
    }

protected:
    // Puts the caption strip above `body`, inside the frame.
    void SetBody(QLayout* body);
    void hideEvent(QHideEvent* event) override;
};

// A table of figures to read: no editing, selection, focus or row numbers,
// the columns sharing the width beside the caption column.
void SetUpFigureTable(QTableWidget* table, int captionColumn);

} // namespace zephyr::ui
