// Keeping a build as a user does: Ctrl+S, a name typed into the program's
// own question, Enter, and the file is there; closing the window with
// changes asks, and "Отмена" keeps it open. Then the library, from the keys.
#include "x_input.h"
#include "x_program.h"

#include "builds/build_file.h"
#include "builds/builds_folder.h"
#include "ui/calculator/calculator_panel.h"
#include "ui/library/library_window.h"

#include <QApplication>
#include <QTableView>
#include <QTimer>

#include <fstream>
#include <sstream>

namespace zephyr::uitest {
namespace {

namespace fs = std::filesystem;

std::string Listing(const fs::path& folder) {
    std::string names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        names += entry.path().filename().string() + ' ';
    }
    return names;
}

class BuildLibraryScenario : public XProgram {
protected:
    void SetUp() override {
        XProgram::SetUp();
        realDialogs_ = true;
    }

    fs::path Builds() const { return copy_->Path() / "builds"; }

    std::size_t Gestures() const { return window_->Panel()->Recipe().Gestures.size(); }

    // Closes the window the way its own close button does, while xdotool
    // answers the question that comes.
    void CloseAnswering(const QString& key, const std::string& screenshot) {
        QTimer::singleShot(0, window_.get(), [this] { window_->window()->close(); });
        QTimer::singleShot(1200, window_.get(), [this, screenshot] { Screenshot(screenshot); });
        xinput::Steps({xinput::AwaitFocus(QApplication::applicationDisplayName()),
                       {QStringLiteral("key"), key}});
    }
};

TEST_F(BuildLibraryScenario, CtrlSANameAndEnterKeepTheBuildAndClosingWithChangesAsks) {
    StartShown();
    ClickMenu(QStringLiteral("Приложение"), QStringLiteral("Калькулятор героев"));
    ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
    xinput::ClickMiddle(Child("ImageAbility1"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Gestures() == 1; }, kWaitMs));
    EXPECT_TRUE(window_->window()->isWindowModified());

    // Ctrl+S with nothing clicked since; the name question takes the keys.
    // The name is in Latin letters: xdotool types a letter the keyboard's
    // layout lacks by remapping a spare key for it, and a window that reads
    // the key before the new map loses the letter.
    xinput::Steps({{QStringLiteral("key"), QStringLiteral("ctrl+s")},
                   xinput::AwaitFocus(QStringLiteral("Сохранить сборку — ") +
                                      QApplication::applicationDisplayName()),
                   {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"),
                    QStringLiteral("Scenario")},
                   {QStringLiteral("key"), QStringLiteral("Return")}});
    const fs::path file = Builds() / BuildFileNameFor("Scenario");
    ASSERT_TRUE(WaitInEventLoop([&] { return fs::exists(file); }, kWaitMs))
        << "Ctrl+S, a name and Enter kept no file; the folder holds: " << Listing(Builds())
        << "; the window is titled " << window_->window()->windowTitle().toStdString();
    EXPECT_EQ(window_->window()->windowTitle(), QStringLiteral("Scenario[*]"));
    EXPECT_FALSE(window_->window()->isWindowModified());
    Screenshot("build-saved");

    // A change, and the window is closed: the question comes; Escape is
    // "Отмена" and the window stays with the change.
    xinput::ClickMiddle(Child("ImageAbility2"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Gestures() == 2; }, kWaitMs));
    CloseAnswering(QStringLiteral("Escape"), "build-close-question");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(Gestures(), 2u);

    // The library from the keys: the saved build is there and selected.
    ASSERT_TRUE(WaitInEventLoop(
        [this] { return QApplication::activeWindow() == window_->window(); }, kWaitMs));
    xinput::Key(QStringLiteral("ctrl+o"));
    ASSERT_TRUE(WaitInEventLoop(
        [this] { return window_->Library() != nullptr && window_->Library()->isVisible(); },
        kWaitMs))
        << "Ctrl+O showed no library";
    ASSERT_TRUE(WaitInEventLoop(
        [this] { return QApplication::activeWindow() == window_->Library(); }, kWaitMs))
        << "the library does not take the keyboard";
    EXPECT_EQ(window_->Library()->Selected(), file);
    Screenshot("build-library");
    xinput::Key(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitInEventLoop([this] { return !window_->Library()->isVisible(); }, kWaitMs))
        << "Escape left the library open";

    // Closed again, Enter is "Сохранить": the change is in the file.
    ASSERT_TRUE(WaitInEventLoop(
        [this] { return QApplication::activeWindow() == window_->window(); }, kWaitMs));
    CloseAnswering(QStringLiteral("Return"), "build-close-save");
    EXPECT_FALSE(window_->isVisible());
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(ReadBuildFile(text.str(), window_->Catalog()).Recipe.Gestures.size(), 2u);
}

} // namespace
} // namespace zephyr::uitest
