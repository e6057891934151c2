#include "ui/web_engine/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace zephyr::ui {

FindBar::FindBar(QWebEnginePage* page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("FindBar"));
    setAttribute(Qt::WA_StyledBackground); // the style sheet paints the bar

    setStyleSheet(QStringLiteral(
        "#FindBar { background-color: #000000; border: 1px solid #817879; }"
        "QLabel { color: #FFEBCD; }"
        "QLineEdit { background-color: #000000; color: #FFFFFF; border: 1px solid #817879; }"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(6);
    auto* caption = new QLabel(QStringLiteral("Найти:"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("FindField"));
    field_->setFixedWidth(200);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("FindResult"));
    result_->setMinimumWidth(90);
    layout->addWidget(caption);
    layout->addWidget(field_);
    layout->addWidget(result_);
    field_->installEventFilter(this);
    connect(field_, &QLineEdit::textChanged, this, [this] { Find(false); });
    adjustSize();
    hide();
}

void FindBar::Open() {
    show();
    raise();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    if (!field_->text().isEmpty()) {
        Find(false);
    }
}

void FindBar::Close() {
    // The page takes the keys back before the bar goes: a focused widget
    // that hides hands the focus on as Tab would, and a page that gets it
    // that way starts over at its top.
    if (QWidget* view = QWebEngineView::forPage(page_)) {
        view->setFocus(Qt::OtherFocusReason);
    }
    hide();
    result_->clear();
    page_->findText(QString()); // clears the highlight
}

void FindBar::Find(bool backward) {
    const QString text = field_->text();
    if (text.isEmpty()) {
        result_->clear();
        page_->findText(QString());
        return;
    }
    const QWebEnginePage::FindFlags flags =
        backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags();
    QPointer<QLabel> result = result_;
    page_->findText(text, flags, [result](const QWebEngineFindTextResult& found) {
        if (!result) {
            return;
        }
        result->setText(
            found.numberOfMatches() == 0
                ? QStringLiteral("не найдено")
                : QStringLiteral("%1 из %2").arg(found.activeMatch()).arg(found.numberOfMatches()));
    });
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Close();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Find((key->modifiers() & Qt::ShiftModifier) != 0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zephyr::ui
