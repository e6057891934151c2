#pragma once

#include "find/find_index.h"
#include "ui/widgets/secondary_window.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace zephyr::ui {

class FindIndexLoader;

// The search over everything (Ctrl+K): a field, and the results as they are
// typed, grouped by kind, each with its snippet. Arrows, Enter and the mouse
// choose; Esc closes. A query made before the index is built is answered
// when it is.
class FindWindow : public SecondaryWindow {
    Q_OBJECT
public:
    FindWindow(FindIndexLoader* loader, QWidget* parent);

    // Shown over the window `over`, the field holding `text`, all of it
    // selected, and the keyboard in it.
    void Ask(const QWidget* over, const QString& text);

    QLineEdit* Field() const { return field_; }
    QListWidget* Results() const { return results_; }
    QLabel* Note() const { return note_; }

signals:
    // A result was chosen; `words` are what the document's find bar looks
    // for. The window has closed.
    void Chosen(const FindEntry* entry, const QString& words);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Move(int step);
    void OpenRow(int row);

    FindIndexLoader* loader_;
    QLineEdit* field_;
    QLabel* note_;
    QListWidget* results_;
    FindAnswer answer_;
};

} // namespace zephyr::ui
