#include "ui_fixture.h"

#include "pack_builder.h"
#include "pack_sources.h"
#include "pack_writer.h"
#include "synthetic_pack.h"

#include "app/first_windows.h"
#include "data/cp1251.h"

#include <QAction>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <random>

namespace zephyr::uitest {
namespace {

std::filesystem::path NewTempFolder(const char* stem) {
    std::random_device seed;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / (std::string(stem) + std::to_string(seed()));
    std::filesystem::create_directories(path);
    return path;
}

struct FolderRemover {
    std::vector<std::filesystem::path> Folders;
    ~FolderRemover() {
        for (const auto& folder : Folders) {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    }
};

FolderRemover& Removals() {
    static FolderRemover remover;
    return remover;
}

} // namespace

const std::filesystem::path& SyntheticPackFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path path = NewTempFolder("zephyr-ui-synthetic-");
        Removals().Folders.push_back(path);
        pack::PackSources sources = pack::SyntheticPack(1);
        // The generated heroes take no activation; the first hero's second
        // ability is made one that must be switched on, with an aura.
        TAbility& switched = sources.Taverns.Taverns.at(0).Heroes.at(0).Hero.Abilities[1];
        switched.NeedsActive = true;
        switched.ActiveAura = 3;
        pack::WritePack(sources, path / "Data");
        return path;
    }();
    return folder;
}

const std::filesystem::path& SamplePackFolder() {
    // Sources that do not compile fail every test that needs them, with the
    // compiler's message.
    static const std::filesystem::path folder = [] {
        const pack::PackSources sources = pack::ReadPackSources(ZEPHYR_SAMPLE_SOURCES);
        std::filesystem::path path = NewTempFolder("zephyr-ui-sample-");
        Removals().Folders.push_back(path);
        pack::WritePack(sources, path / "Data");
        return path;
    }();
    return folder;
}

PackCopy::PackCopy(const std::filesystem::path& source, const std::vector<std::string>& leaveOut)
    : path_(NewTempFolder("zephyr-ui-copy-")) {
    std::filesystem::copy(source, path_, std::filesystem::copy_options::recursive);
    for (const std::string& file : leaveOut) {
        std::filesystem::remove(path_ / file);
    }
}

PackCopy::~PackCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ui::BuildDialogs ScriptedDialogs::Dialogs() {
    ui::BuildDialogs dialogs;
    dialogs.AskSave = [this](QWidget*, const QString& name) {
        Asked << QStringLiteral("save? ") + name;
        if (SaveAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: save " << name.toStdString();
            return ui::SaveAnswer::Cancel;
        }
        const ui::SaveAnswer answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        return answer;
    };
    dialogs.AskName = [this](QWidget*, const QString& title,
                             const QString& proposal) -> std::optional<QString> {
        Asked << title;
        Proposals << proposal;
        if (Names.empty()) {
            ADD_FAILURE() << "unexpected question: " << title.toStdString();
            return std::nullopt;
        }
        const std::optional<QString> name = Names.front();
        Names.pop_front();
        return name;
    };
    dialogs.Confirm = [this](QWidget*, const QString& question) {
        Asked << question;
        if (Confirms.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return false;
        }
        const bool yes = Confirms.front();
        Confirms.pop_front();
        return yes;
    };
    dialogs.Tell = [this](QWidget*, const QString& text) { Asked << text; };
    return dialogs;
}

StartedProgram StartOn(const std::filesystem::path& folder, const std::filesystem::path& builds,
                       Placement placement) {
    StartedProgram started;
    app::ProgramOptions options{
        testing::PackBuilder::LocationOf(folder),
        [messages = started.Messages](QWidget*, const QString& text) { *messages << text; },
        [statuses = started.Statuses](const QString& status) { *statuses << status; },
        started.Viewers.Factory(),
        [opened = started.Opened, opens = started.DesktopOpens](const QUrl& url) {
            opened->push_back(url);
            return *opens;
        },
        false,
        builds,
        {},
        started.Answers->Dialogs()};
    std::unique_ptr<app::SplashForm> splash;
    if (placement == Placement::LaunchersHost) {
        app::FirstWindows shown = app::ShowFirstWindows(options.Location);
        splash = std::move(shown.Splash);
        started.Host = std::move(shown.Host);
    }
    started.Window = app::StartProgram(options, std::move(splash), started.Host.get());
    if (started.Window != nullptr) {
        started.Window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(started.Window.get()));
    }
    return started;
}

QMenu* OpenPopup() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

bool ClickMenuEntry(QMenu* menu, const QString& text) {
    if (menu == nullptr) {
        return false;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == text && action->isVisible()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

void CloseAllPopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

std::filesystem::path ScreenshotFolder() {
    std::filesystem::path folder = ZEPHYR_UI_SCREENSHOTS;
    std::filesystem::create_directories(folder);
    return folder;
}

bool WaitInEventLoop(const std::function<bool()>& done, int timeoutMs) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(1);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

QString Utf8(const std::string& cp1251) {
    return QString::fromStdString(Utf8FromCp1251(cp1251));
}

} // namespace zephyr::uitest
