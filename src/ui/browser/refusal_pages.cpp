#include "ui/browser/refusal_pages.h"

namespace zephyr::ui {
namespace {

QString Page(const QString& title, const QString& first, const QString& second) {
    return QStringLiteral("<html><head><title>%1</title></head>"
                          "<body style=\"background-color:#000000;color:#FFEBCD;"
                          "font:12px Verdana, Tahoma\"><p>%2</p><p>%3</p>"
                          "</body></html>")
        .arg(title.toHtmlEscaped(), first.toHtmlEscaped(), second.toHtmlEscaped());
}

} // namespace

QString RefusalPage(const QString& path, const QString& reason) {
    return Page(QStringLiteral("Документ не найден"),
                QStringLiteral("Документ не найден: %1").arg(path), reason);
}

QString FailurePage(const QString& address, int errorCode) {
    return Page(
        QStringLiteral("Документ не открылся"),
        QStringLiteral("Документ не открылся: %1").arg(address),
        QStringLiteral("Просмотрщик не смог его загрузить (код ошибки %1).").arg(errorCode));
}

} // namespace zephyr::ui
