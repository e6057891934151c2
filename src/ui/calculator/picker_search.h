#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;

namespace zephyr::ui {

// Typing in a picker menu (the items, the heroes): while the picker or one
// of its submenus is open, the letters typed replace its entries with one
// list of the matching entries of every submenu, under a line that shows
// what was typed. Backspace takes a letter back, Esc clears the text, Up and
// Down move between the matches and Enter chooses one; choosing an entry of
// the list triggers the entry itself, as a click on it does.
class PickerSearch : public QObject {
public:
    explicit PickerSearch(QMenu* picker);

    // Forgets the entries, before the picker is filled anew.
    void Clear();
    // A submenu of the picker, where typing starts the list as well.
    void Watch(QMenu* submenu);
    // An entry that can be found, under the name the list shows.
    void AddEntry(QAction* entry, const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPressed(const QKeyEvent& key);
    // Shows the list for `typed`; empty brings the shops back.
    void Show(const QString& typed);
    void DropList();
    void Select(int step);
    int Room() const;
    // Puts the picker where it was opened, moved up only as far as the
    // screen needs.
    void Place();

    struct Entry {
        QAction* Action;
        QString Name;
    };

    QMenu* picker_;
    std::vector<Entry> entries_;
    QString typed_;
    std::optional<QPoint> home_;    // where the picker stood when typing began
    std::vector<QAction*> hidden_;  // the picker's own entries, while typing
    std::vector<QAction*> listed_;  // the typed text and the matches
    std::vector<QAction*> matches_; // the matches alone
};

} // namespace zephyr::ui
