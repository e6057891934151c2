#include "ui/shell/main_window.h"

#include "ui/browser/engine_viewers.h"
#include "ui/find/find_index_loader.h"
#include "ui/find/find_window.h"
#include "ui/widgets/main_window_host.h"
#include "ui/widgets/window_placement.h"

#include "data/data_error.h"
#include "data/interface_pictures.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

namespace zephyr::ui {

MainWindow::MainWindow(DataLocation location, SetupHooks hooks)
    : QWidget(hooks.Host,
              hooks.Host != nullptr ? Qt::WindowFlags() : Qt::Window | Qt::FramelessWindowHint),
      location_(std::move(location)), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kMainWindowSize);
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
        QWindow* window = this->window()->windowHandle();
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

    // Centred on the screen when first shown; a host is centred already.
    if (isWindow()) {
        CentreOnScreen(*this);
    }
    qApp->installEventFilter(this);

    QWidget* cover = hooks_.ShowFrame ? ShowFrameEarly() : nullptr;
    FormCreate();
    BuildKeepingEntries();
    BuildFindEntries();
    if (cover != nullptr) {
        ShowLateChildren();
        delete cover;
    }
    UpdateViewerVisibility();
    setupDone_ = true;
    StartViewersWhenReady();
}

QWidget* MainWindow::ShowFrameEarly() {
    // A design file missing or damaged ends or interrupts the set-up in its
    // own order; the window then waits for it as before.
    if (!RequiredDesignPicturesPresent(location_)) {
        return nullptr;
    }
    try {
        LoadFramePictures();
        MakeMenuColours();
        LoadButtonPictures();
    } catch (const DataError&) {
        return nullptr;
    }
    frameReady_ = true;
    // The calculator, still empty, stays under a black cover until the
    // set-up has filled it, even while a message box of the set-up is up.
    auto* cover = new QWidget(this);
    cover->setObjectName(QStringLiteral("SetUpCover"));
    cover->setGeometry(mainScrollBox_->geometry());
    cover->setAutoFillBackground(true);
    cover->show();
    cover->stackUnder(scrollBoxNavigation_);
    hooks_.ShowFrame(*this);
    // In a host the launcher had put up, the exposure came before this
    // window's filter was there to see it.
    const QWindow* handle = window()->windowHandle();
    exposed_ = exposed_ || (handle != nullptr && handle->isExposed());
    return cover;
}

void MainWindow::ShowLateChildren() {
    // A widget made inside a window already shown stays hidden until shown
    // itself; those the set-up made after the early frame show now, as they
    // would have with the window. Widgets hidden on purpose stay hidden.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!child->isWindow() && child->testAttribute(Qt::WA_WState_Hidden) &&
            !child->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            child->show();
        }
    }
}

void MainWindow::StartViewersWhenReady() {
    if (exposed_ && setupDone_ && engineViewers_ != nullptr && !engineViewers_->Started()) {
        QTimer::singleShot(0, this, [this] { engineViewers_->Start(); });
    }
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
