#include "ui/shell/main_window.h"

#include "ui/browser/engine_viewers.h"
#include "ui/find/find_index_loader.h"
#include "ui/find/find_window.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

namespace zephyr::ui {

MainWindow::MainWindow(DataLocation location, SetupHooks hooks)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), location_(std::move(location)),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(800, 600);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    if (!hooks_.MessageBox) {
        hooks_.MessageBox = PlainMessageBox();
    }
    if (!hooks_.Viewers) {
        engineViewers_ = std::make_unique<EngineViewers>(location_);
        hooks_.Viewers = engineViewers_->Factory();
    }
    systemMove_ = [this] {
        QWindow* window = windowHandle();
        return window != nullptr && window->startSystemMove();
    };

    BuildShell();
    mainScrollBox_ = new CalculatorPanel(this, pictures_, location_,
                                         [this](QObject* sender) { ClickGate(sender); });
    connect(mainScrollBox_, &CalculatorPanel::DescriptionRequested, this,
            [this] { ImageEx2Click(); });
    connect(mainScrollBox_, &CalculatorPanel::FormulasRequested, this, [this] { ImageEx6Click(); });
    BuildMenuBar();
    BuildNavigationBar();
    scrollBoxNavigation_->raise();

    // Centred on the screen when first shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    qApp->installEventFilter(this);

    FormCreate();
    BuildKeepingEntries();
    BuildFindEntries();
    UpdateViewerVisibility();
}

bool MainWindow::ViewersStarted() const {
    return engineViewers_ != nullptr && engineViewers_->Started();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The viewer's engine pieces go before the window's other children.
    webBrowser1_.reset();
}

} // namespace zephyr::ui
