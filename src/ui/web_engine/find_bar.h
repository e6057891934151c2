#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QWebEnginePage;

namespace zephyr::ui {

// A small bar over the bottom of a document: finds as you type, Enter and
// Shift+Enter go to the next and previous match, Esc closes it.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(QWebEnginePage* page, QWidget* parent);

    void Open();
    void Close();
    QLineEdit* Field() const { return field_; }
    QLabel* Result() const { return result_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Find(bool backward);

    QWebEnginePage* page_;
    QLineEdit* field_;
    QLabel* result_;
};

} // namespace zephyr::ui
