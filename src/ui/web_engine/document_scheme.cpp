#include "ui/web_engine/document_scheme.h"

#include "ui/browser/refusal_pages.h"
#include "ui/widgets/texts.h"

#include "data/byte_helpers.h"
#include "data/data_error.h"
#include "data/file_bytes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include <optional>

namespace zephyr::ui {
namespace {

const QByteArray kHtmlType = "text/html;charset=windows-1251";

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& type, QByteArray bytes) {
    auto* buffer = new QBuffer(job);
    buffer->setData(std::move(bytes));
    buffer->open(QIODevice::ReadOnly);
    job->reply(type, buffer);
}

// Text files of the documents are Windows-1251 like everything else.
QByteArray ContentType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        return kHtmlType;
    }
    if (suffix == QLatin1String("css")) {
        return "text/css;charset=windows-1251";
    }
    if (suffix == QLatin1String("js")) {
        return "text/javascript;charset=windows-1251";
    }
    if (suffix == QLatin1String("txt")) {
        return "text/plain;charset=windows-1251";
    }
    static const QMimeDatabase mimes;
    return mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toLatin1();
}

// A page the reader sees instead of a document that cannot be served.
bool IsPageAddress(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix.isEmpty() || suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

struct DocumentFile {
    std::optional<std::string> Bytes;
    QString Problem;
};

// `relative` is the address's path below the program folder, which must lie
// in the Data folder.
DocumentFile ReadDocument(const DataLocation& location, const std::string& relative) {
    const std::size_t slash = relative.find('/');
    if (UpperCaseCyr(relative.substr(0, slash)) != "DATA" || slash == std::string::npos) {
        return {std::nullopt, QStringLiteral("документы открываются только из папки Data")};
    }
    const std::optional<std::filesystem::path> found =
        FindIgnoringCase(location.DataFolder(), relative.substr(slash + 1));
    if (!found) {
        return {std::nullopt, QStringLiteral("файла нет")};
    }
    if (!IsInsideFolder(location.DataFolder(), *found)) {
        return {std::nullopt, QStringLiteral("файл лежит вне папки Data")};
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(*found, ec)) {
        return {std::nullopt, QStringLiteral("это не обычный файл")};
    }
    const auto size = std::filesystem::file_size(*found, ec);
    if (ec || size > static_cast<std::uintmax_t>(DocumentSchemeHandler::kMaxDocumentBytes)) {
        return {std::nullopt, QStringLiteral("файл слишком велик")};
    }
    try {
        return {ReadFileBytes(*found), {}};
    } catch (const DataError& error) {
        return {std::nullopt, QString::fromStdString(error.what())};
    }
}

} // namespace

void RegisterDocumentScheme() {
    // Once per process: the viewers' environment and the program may both ask.
    if (!QWebEngineUrlScheme::schemeByName(kDocumentScheme).name().isEmpty()) {
        return;
    }
    QWebEngineUrlScheme scheme(kDocumentScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

DocumentSchemeHandler::DocumentSchemeHandler(DataLocation location, const WrittenPages& pages,
                                             QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), location_(std::move(location)), pages_(pages) {}

void DocumentSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl url = job->requestUrl();
    if (url.host() != QLatin1String(kDocumentHost)) {
        job->fail(QWebEngineUrlRequestJob::UrlInvalid);
        return;
    }
    const QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1String("/pages/"))) {
        if (const QByteArray* page = pages_.Find(path)) {
            Reply(job, kHtmlType, *page);
        } else {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        }
        return;
    }
    DocumentFile file = ReadDocument(location_, ToCp1251(path.mid(1)));
    if (file.Bytes) {
        Reply(job, ContentType(path), QByteArray::fromStdString(*file.Bytes));
    } else if (IsPageAddress(path)) {
        Reply(job, kHtmlType,
              QByteArray::fromStdString(ToCp1251(RefusalPage(path.mid(1), file.Problem))));
    } else {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    }
}

} // namespace zephyr::ui
