#include "ui/shell/main_window.h"

#include "ui/browser/engine_viewers.h"
#include "ui/widgets/menu_keys.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace zephyr::ui {
namespace {

// A press this soon after the window became active is the one that made it so.
constexpr qint64 kActivatingPressMs = 250;

QWidget* BlackBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QWidget(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::black);
    box->setPalette(palette);
    return box;
}

controls::PictureControl* Picture(QWidget* parent, const char* name, const QRect& geometry) {
    auto* picture = new controls::PictureControl(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    return picture;
}

controls::ImageEx* Button(QWidget* parent, const char* name, const QRect& geometry,
                          const QString& hint = QString()) {
    auto* button = new controls::ImageEx(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
    }
    return button;
}

} // namespace

void MainWindow::BuildShell() {
    // The viewer lies beneath both panels; it shows when they are hidden.
    webBrowser1_ = hooks_.Viewers(this, QStringLiteral("WebBrowser1"));
    webBrowser1_->Widget()->setGeometry(3, 47, 794, 525);
    webBrowser1_->SetBeforeNavigate([this](const std::string& address, bool& cancel) {
        WebBrowser1BeforeNavigate2(address, cancel);
    });
    webBrowser1_->SetLoadFinished([this] { WebBrowser1DocumentComplete(); });
    // Every way back to the documents loads one (a history step, a menu, a
    // link), so the engine may drop the page while a panel covers it.
    webBrowser1_->ReleasePageWhileHidden();
    SearchPanel::Hooks search;
    search.ClickGate = [this](QObject* sender) { ClickGate(sender); };
    search.OpenDocument = [this](const std::string& storedPath) {
        searchScrollBox_->hide();
        webBrowser1_->Navigate(storedPath);
    };
    search.OpenExternal = [this](const QUrl& url) { OpenExternal(url); };
    searchScrollBox_ = new SearchPanel(this, hooks_.Viewers, std::move(search));
    searchScrollBox_->hide();

    image5_ = Picture(this, "Image5", QRect(0, 0, 800, 3));
    image6_ = Picture(this, "Image6", QRect(0, 3, 3, 594));
    image7_ = Picture(this, "Image7", QRect(797, 3, 3, 594));
    image8_ = Picture(this, "Image8", QRect(0, 597, 800, 3));

    scrollBox2_ = BlackBox(this, "ScrollBox2", QRect(3, 3, 794, 20));
    image3_ = Picture(scrollBox2_, "Image3", QRect(0, 0, 794, 20));
    imageEx3_ = Button(scrollBox2_, "ImageEx3", QRect(774, 0, 20, 20), QStringLiteral("Закрыть"));
    imageEx4_ = Button(scrollBox2_, "ImageEx4", QRect(754, 0, 20, 20), QStringLiteral("Свернуть"));

    connect(image3_, &controls::PictureControl::MouseDown, this, [this] { Image3MouseDown(); });
    connect(imageEx3_, &controls::PictureControl::Clicked, this, [this] { ImageEx3Click(); });
    connect(imageEx4_, &controls::PictureControl::Clicked, this, [this] { ImageEx4Click(); });
    connect(imageEx3_, &controls::ImageEx::MouseEnter, this,
            [this] { SetButtonPicture(imageEx3_, ButtonGroup::Close, ButtonState::Active); });
    connect(imageEx3_, &controls::ImageEx::MouseLeave, this,
            [this] { SetButtonPicture(imageEx3_, ButtonGroup::Close, ButtonState::Passive); });
    connect(imageEx4_, &controls::ImageEx::MouseEnter, this,
            [this] { SetButtonPicture(imageEx4_, ButtonGroup::Minimize, ButtonState::Active); });
    connect(imageEx4_, &controls::ImageEx::MouseLeave, this,
            [this] { SetButtonPicture(imageEx4_, ButtonGroup::Minimize, ButtonState::Passive); });
}

void MainWindow::BuildMenuBar() {
    // A menu bar spreads over its parent's width; a holder keeps it in place.
    auto* holder = new QWidget(this);
    holder->setGeometry(3, 23, 794, 24);
    menuBar_ = new QMenuBar(holder);
    menuBar_->setObjectName(QStringLiteral("ActionMainMenuBar1"));
    menuBar_->setNativeMenuBar(false);
    menuBar_->setGeometry(0, 0, 794, 24);
    menuBar_->setFixedSize(794, 24);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    menuBar_->setFont(font);
    menuBar_->installEventFilter(this);

    const auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setFont(menuBar_->font());
        return a;
    };
    QMenu* application = menuBar_->addMenu(QStringLiteral("Приложение"));
    applicationMenu_ = application;
    action7_ = action(application, "Action7", QStringLiteral("Калькулятор героев"));
    action4_ = action(application, "Action4", QStringLiteral("Словарь"));
    ShowKeys(action4_, QKeySequence(Qt::CTRL | Qt::Key_L));
    application->addSeparator();
    action12_ = action(application, "Action12", QStringLiteral("Выход"));
    QMenu* information = menuBar_->addMenu(QStringLiteral("Информация"));
    const std::pair<QAction*, DocumentKey> documents[] = {
        {action(information, "Action2", QStringLiteral("Герои")), DocumentKey::HeroesGuide},
        {action(information, "Action5", QStringLiteral("Предметы")), DocumentKey::ItemsGuide},
        {action(information, "Action1", QStringLiteral("Крипы")), DocumentKey::CreepsGuide},
        {action(information, "Action6", QStringLiteral("Статьи")), DocumentKey::ArticlesIndex},
    };
    // The dictionary is a reference too: the same command as "Приложение".
    information->addSeparator();
    QAction* dictionary = action(information, "ActionDictionary", QStringLiteral("Словарь"));
    ShowKeys(dictionary, QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(dictionary, &QAction::triggered, this, [this] { Action4Execute(); });
    connect(action4_, &QAction::changed, dictionary,
            [this, dictionary] { dictionary->setEnabled(action4_->isEnabled()); });
    QMenu* project = menuBar_->addMenu(QStringLiteral("О проекте"));
    QAction* action3 = action(project, "Action3", QStringLiteral("Справка"));
    project->addSeparator();
    QAction* action11 = action(project, "Action11", QStringLiteral("О программе"));
    for (QMenu* menu : {application, information, project}) {
        menu->setFont(font);
    }

    connect(action7_, &QAction::triggered, this, [this] { Action7Execute(); });
    connect(action4_, &QAction::triggered, this, [this] { Action4Execute(); });
    connect(action12_, &QAction::triggered, this, [this] { Action12Execute(); });
    connect(action3, &QAction::triggered, this, [this, action3] { Action3Execute(action3); });
    connect(action11, &QAction::triggered, this,
            [this, action11] { DocumentCommand(action11, DocumentKey::About); });
    for (const auto& [document, key] : documents) {
        connect(document, &QAction::triggered, this,
                [this, document = document, key = key] { DocumentCommand(document, key); });
    }
}

void MainWindow::BuildNavigationBar() {
    scrollBoxNavigation_ = BlackBox(this, "ScrollBoxNavigation", QRect(3, 572, 794, 25));
    imageNavBack_ = Button(scrollBoxNavigation_, "ImageNavBack", QRect(8, 3, 50, 20));
    imageNavNext_ = Button(scrollBoxNavigation_, "ImageNavNext", QRect(56, 3, 50, 20));
    imageNavLink_ = Button(scrollBoxNavigation_, "ImageNavLink", QRect(688, 3, 100, 20));
    imageNavBack_->setEnabled(false);
    imageNavNext_->setEnabled(false);
    connect(imageNavBack_, &controls::PictureControl::Clicked, this, [this] {
        ClickGate(imageNavBack_);
        GoBack();
    });
    connect(imageNavNext_, &controls::PictureControl::Clicked, this, [this] {
        ClickGate(imageNavNext_);
        GoNext();
    });
    const auto hover = [this](controls::ImageEx* button, ButtonGroup group) {
        connect(button, &controls::ImageEx::MouseEnter, this, [this, button, group] {
            if (button->isEnabled()) {
                SetButtonPicture(button, group, ButtonState::Active);
            }
        });
        connect(button, &controls::ImageEx::MouseLeave, this, [this, button, group] {
            if (button->isEnabled()) {
                SetButtonPicture(button, group, ButtonState::Passive);
            }
        });
    };
    hover(imageNavBack_, ButtonGroup::Back);
    hover(imageNavNext_, ButtonGroup::Next);
    hover(imageNavLink_, ButtonGroup::Link);
    connect(imageNavLink_, &controls::PictureControl::Clicked, this,
            [this] { ImageNavLinkClick(); });
}

void MainWindow::SetButtonPicture(controls::ImageEx* button, ButtonGroup group, ButtonState state) {
    button->SetPicture(pictures_.Buttons.Get(group, state));
}

void MainWindow::ClickGate(QObject* sender) {
    if (gating_) {
        return;
    }
    gating_ = true;
    const auto edits = mainScrollBox_->DynEdits();
    // Leaving a field is itself reached through the gate; it must not send
    // the focus anywhere else.
    const bool fromField = std::find(edits.begin(), edits.end(), sender) != edits.end();
    if (!fromField) {
        mainScrollBox_->EndEditing();
    }
    if (!mainScrollBox_->isHidden() && sender != mainScrollBox_->BuildOrderList()) {
        mainScrollBox_->BuildOrderList()->ClearSelection();
        if (!fromField) {
            mainScrollBox_->setFocus(Qt::OtherFocusReason);
        }
    }
    gating_ = false;
}

void MainWindow::Image3MouseDown() {
    ClickGate(image3_);
    // The window system moves the window with the mouse until release; where
    // there is none (bare X without a window manager), the window follows
    // the mouse itself.
    if (!systemMove_ || !systemMove_()) {
        captionGrab_ = captionPress_ - window()->pos();
    }
}

bool MainWindow::CaptionDrag(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched != image3_ || (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
                               type != QEvent::MouseButtonRelease)) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress) {
        captionPress_ = at;
        captionGrab_.reset();
    } else if (type == QEvent::MouseMove) {
        if (captionGrab_ && mouse->buttons() != Qt::NoButton) {
            window()->move(at - *captionGrab_);
            return true;
        }
    } else if (mouse->buttons() == Qt::NoButton) {
        captionGrab_.reset();
    }
    return false;
}

void MainWindow::ImageEx3Click() {
    ClickGate(imageEx3_);
    window()->close();
}

void MainWindow::ImageEx4Click() {
    ClickGate(imageEx4_);
    window()->showMinimized();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // The window's native window is made anew when the engine's first view
    // joins it, and the keyboard goes with the old one. Once the new one is
    // on the screen it takes the keyboard, unless another window of ours
    // has it: without a window manager nothing else would give it back, and
    // every key would wait for a click.
    if (type == QEvent::WinIdChange && watched == window() && exposed_) {
        nativeWindowRemade_ = true;
        return false;
    }
    if (type == QEvent::Expose && watched == window()->windowHandle() &&
        window()->windowHandle()->isExposed()) {
        if (std::exchange(nativeWindowRemade_, false) && QApplication::activeWindow() == nullptr) {
            window()->activateWindow();
        }
        // The window's first frame is painted while its exposure is handled;
        // the browser engine starts right after it, once the set-up is done.
        if (!std::exchange(exposed_, true)) {
            StartViewersWhenReady();
        }
        return false;
    }
    if (watched == window() && type == QEvent::WindowActivate) {
        activatedAt_.start();
        pressSinceActivation_ = false;
        return false;
    }
    if ((type == QEvent::ShowToParent || type == QEvent::HideToParent) &&
        (watched == mainScrollBox_ || watched == searchScrollBox_)) {
        UpdateViewerVisibility();
        return false;
    }
    if (BuildDrop(watched, event) || FindFieldClick(watched, event)) {
        return true;
    }
    if (CaptionDrag(watched, event)) {
        return true;
    }
    if (watched == menuBar_ && type == QEvent::MouseButtonPress) {
        ClickGate(menuBar_);
        return false;
    }
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick;
    const bool key = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
    if (!(mouse || key || type == QEvent::ContextMenu) || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window()) {
        return false;
    }
    if (ReadingShortcut(event)) {
        return true;
    }
    if (key) {
        return false;
    }
    // A right-button click on the inactive window is discarded: it must not
    // reach the control under the mouse. That includes the press that made
    // the window active, which a window manager activating on press hands
    // over only after the activation: the first press that follows an
    // activation at once is taken for it.
    if (type == QEvent::ContextMenu) {
        return !isActiveWindow() || swallowRightRelease_;
    }
    const auto* mouseEvent = static_cast<QMouseEvent*>(event);
    bool activating = false;
    if (type == QEvent::MouseButtonPress) {
        activating = !pressSinceActivation_ && activatedAt_.isValid() &&
                     activatedAt_.elapsed() < kActivatingPressMs;
        pressSinceActivation_ = true;
    }
    if (mouseEvent->button() != Qt::RightButton) {
        return false;
    }
    if (type == QEvent::MouseButtonRelease && swallowRightRelease_) {
        swallowRightRelease_ = false;
        return true;
    }
    if (type != QEvent::MouseButtonRelease && (!isActiveWindow() || activating)) {
        swallowRightRelease_ = true;
        return true;
    }
    return false;
}

} // namespace zephyr::ui
