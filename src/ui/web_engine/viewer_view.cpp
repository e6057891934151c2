#include "ui/web_engine/viewer_view.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace zephyr::ui {

ViewerPage::ViewerPage(QWebEngineProfile* profile, QObject* parent, AcceptFunction accept)
    : QWebEnginePage(profile, parent), accept_(std::move(accept)) {}

bool ViewerPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    return accept_(url, type, isMainFrame);
}

void ViewerView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ViewerContextMenu"));
    QAction* copy = menu.addAction(QStringLiteral("Копировать"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(page()->hasSelection());
    QAction* selectAll = menu.addAction(QStringLiteral("Выделить всё"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    connect(copy, &QAction::triggered, this,
            [this] { page()->triggerAction(QWebEnginePage::Copy); });
    connect(selectAll, &QAction::triggered, this,
            [this] { page()->triggerAction(QWebEnginePage::SelectAll); });
    menu.exec(event->globalPos());
}

} // namespace zephyr::ui
