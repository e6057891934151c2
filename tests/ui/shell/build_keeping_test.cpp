// Keeping builds in files from the window: Ctrl+S and its name, the title's
// mark, the questions before a kept build with changes leaves the window,
// opening files and codes, the last session, and saves that cannot be made.
#include "gesture_helpers.h"
#include "temp_folder.h"
#include "ui_fixture.h"

#include "builds/build_file.h"
#include "builds/build_library.h"
#include "builds/builds_folder.h"
#include "ui/library/build_files.h"

#include <QLabel>
#include <QMimeData>
#include <QTest>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>

namespace zephyr::uitest {
namespace {

namespace fs = std::filesystem;
using ui::SaveAnswer;

class BuildKeeping : public ::testing::Test {
protected:
    void Start() { p_ = StartOn(SamplePackFolder(), builds_.Path() / "builds"); }
    fs::path Folder() const { return builds_.Path() / "builds"; }
    ui::MainWindow& W() { return p_.W(); }
    ScriptedDialogs& Answers() { return *p_.Answers; }
    void LevelUp(int ability = 1) { Press(p_, QStringLiteral("ImageAbility%1").arg(ability)); }
    void CtrlS(Qt::KeyboardModifiers extra = Qt::NoModifier) {
        QTest::keyClick(&W(), Qt::Key_S, Qt::ControlModifier | extra);
    }
    std::size_t Gestures() { return W().Panel()->Recipe().Gestures.size(); }

    testing::TempFolder builds_;
    StartedProgram p_;
};

TEST_F(BuildKeeping, CtrlSAsksANameOnceThenSavesInPlaceAndTheTitleFollows) {
    Start();
    W().Panel()->show();
    EXPECT_EQ(W().windowTitle(), QStringLiteral("Новая сборка[*]"));
    EXPECT_FALSE(W().isWindowModified());
    LevelUp();
    ASSERT_EQ(Gestures(), 1u);
    EXPECT_TRUE(W().isWindowModified());

    Answers().Names.push_back(QStringLiteral("Первая"));
    CtrlS();
    const Calculator& calc = *W().Panel()->Calc();
    const QString hero = Utf8(calc.Catalog().Hero(calc.State().CurrentHero)->Name);
    EXPECT_EQ(Answers().Proposals, QStringList{hero + QStringLiteral(" 1")});
    const fs::path file = Folder() / BuildFileNameFor("Первая");
    ASSERT_TRUE(fs::exists(file)); // the folder was made on the first save
    EXPECT_EQ(W().windowTitle(), QStringLiteral("Первая[*]"));
    EXPECT_FALSE(W().isWindowModified());
    const BuildFile saved = ReadBuildFile(testing::ReadFile(file), calc.Catalog());
    EXPECT_EQ(saved.Recipe, W().Panel()->Recipe());
    EXPECT_EQ(saved.HeroLevel, calc.ShownLevel());
    EXPECT_FALSE(saved.DataId.empty());

    // A change marks the title; Ctrl+S saves in place without a question.
    LevelUp(2);
    EXPECT_TRUE(W().isWindowModified());
    CtrlS();
    EXPECT_EQ(Answers().Asked.size(), 1u);
    EXPECT_FALSE(W().isWindowModified());
    EXPECT_EQ(ReadBuildFile(testing::ReadFile(file), calc.Catalog()).Recipe.Gestures.size(), 2u);
    EXPECT_EQ(ReadBuildFile(testing::ReadFile(file), calc.Catalog()).Created, saved.Created);
    // Undo back to what was saved before is unsaved again, and Redo is saved.
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(W().isWindowModified());
    QTest::keyClick(&W(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(W().isWindowModified());
}

TEST_F(BuildKeeping, SaveAsNeverReplacesAnotherBuildWithoutAskingAndCancelSavesNothing) {
    Start();
    LevelUp();
    Answers().Names = {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("А"), std::nullopt};
    CtrlS();
    CtrlS(Qt::ShiftModifier);
    ASSERT_EQ(W().Kept()->File.Name, "Б");
    EXPECT_EQ(Answers().Proposals.last(), QStringLiteral("А"));
    // Save as "А" again: it is there, the answer is no, nothing changes.
    const std::string before = testing::ReadFile(Folder() / BuildFileNameFor("А"));
    LevelUp(2);
    Answers().Confirms.push_back(false);
    CtrlS(Qt::ShiftModifier);
    EXPECT_TRUE(Answers().Asked.last().contains(QStringLiteral("уже есть")));
    EXPECT_EQ(testing::ReadFile(Folder() / BuildFileNameFor("А")), before);
    EXPECT_EQ(W().Kept()->File.Name, "Б");
    EXPECT_TRUE(W().isWindowModified());
    // A cancelled name saves nothing.
    CtrlS(Qt::ShiftModifier);
    EXPECT_EQ(ListLibrary(Folder(), false).size(), 2u);
    EXPECT_TRUE(W().isWindowModified());
}

TEST_F(BuildKeeping, AKeptBuildWithChangesAsksBeforeAnotherHeroAndUndoStillWorks) {
    Start();
    LevelUp();
    Answers().Names.push_back(QStringLiteral("Сохранённая"));
    CtrlS();
    LevelUp(2);
    const BuildRecipe changed = W().Panel()->Recipe();
    // Cancel: the hero stays, the build as it was.
    Answers().SaveAnswers.push_back(SaveAnswer::Cancel);
    EXPECT_TRUE(PickHero(p_, 2));
    EXPECT_EQ(W().Panel()->Recipe(), changed);
    EXPECT_EQ(Answers().Asked.last(), QStringLiteral("save? Сохранённая"));
    // Don't save: the other hero comes, the file keeps the saved build, and
    // Undo brings the changed build back.
    Answers().SaveAnswers.push_back(SaveAnswer::Discard);
    EXPECT_TRUE(PickHero(p_, 2));
    EXPECT_EQ(W().Panel()->Calc()->State().CurrentHero, 2);
    EXPECT_FALSE(W().Kept().has_value());
    EXPECT_EQ(
        ReadBuildFile(testing::ReadFile(Folder() / BuildFileNameFor("Сохранённая")), W().Catalog())
            .Recipe.Gestures.size(),
        1u);
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(W().Panel()->Recipe(), changed);
}

TEST_F(BuildKeeping, ClosingAsksForAKeptBuildAndKeepsAnUnsavedOneAsTheLastSession) {
    Start();
    LevelUp();
    Answers().Names.push_back(QStringLiteral("Моя"));
    CtrlS();
    LevelUp(2);
    Answers().SaveAnswers.push_back(SaveAnswer::Cancel);
    EXPECT_FALSE(W().close());
    EXPECT_TRUE(W().isVisible());
    Answers().SaveAnswers.push_back(SaveAnswer::Save);
    EXPECT_TRUE(W().close());
    EXPECT_EQ(
        ReadBuildFile(testing::ReadFile(Folder() / BuildFileNameFor("Моя")), W().Catalog()).Recipe,
        W().Panel()->Recipe());
    // Saved: no last session.
    EXPECT_FALSE(fs::exists(Folder() / BuildFileNameFor(kLastSessionName)));

    // A new build with gestures becomes the last session, opened in one step
    // as a new build again.
    p_ = StartedProgram();
    Start();
    LevelUp();
    const BuildRecipe session = W().Panel()->Recipe();
    EXPECT_TRUE(W().close());
    const fs::path last = Folder() / BuildFileNameFor(kLastSessionName);
    ASSERT_TRUE(fs::exists(last));
    p_ = StartedProgram();
    Start();
    EXPECT_EQ(W().Panel()->Recipe().Gestures.size(), 0u); // hero 1, as always
    ASSERT_TRUE(W().OpenBuildFile(last));
    EXPECT_EQ(W().Panel()->Recipe(), session);
    EXPECT_FALSE(W().Kept().has_value());
    EXPECT_TRUE(W().close());
}

TEST_F(BuildKeeping, FilesThatCannotBeOpenedAreRefusedInRussianAndNothingChanges) {
    Start();
    LevelUp();
    const BuildRecipe before = W().Panel()->Recipe();
    fs::create_directories(Folder());
    const auto refusal = [&](const std::string& text) {
        const fs::path file = Folder() / "x.zdxbuild";
        std::ofstream(file, std::ios::binary) << text;
        EXPECT_FALSE(W().OpenBuildFile(file));
        EXPECT_EQ(W().Panel()->Recipe(), before);
        return Answers().Asked.last();
    };
    EXPECT_EQ(refusal("{ broken"),
              QStringLiteral("Сборку «x.zdxbuild» не удалось открыть: файл повреждён."));
    EXPECT_EQ(refusal(R"({"format": "zephyrdex-build", "version": 99})"),
              QStringLiteral("Сборку «x.zdxbuild» не удалось открыть: файл записан более новой "
                             "версией программы."));
    EXPECT_EQ(refusal(R"({"format": "other"})"),
              QStringLiteral("Сборку «x.zdxbuild» не удалось открыть: это не файл сборки "
                             "Zephyrdex."));
    EXPECT_EQ(refusal(R"({"format": "zephyrdex-build", "version": 1, "hero": "Никто"})"),
              QStringLiteral("Сборку «x.zdxbuild» не удалось открыть: в данных программы нет "
                             "«Никто»."));
    EXPECT_FALSE(W().OpenBuildFile(Folder() / "missing.zdxbuild"));
    EXPECT_TRUE(Answers().Asked.last().contains(QStringLiteral("файла нет")));
}

TEST_F(BuildKeeping, ABuildMadeOnOtherDataOpensWithANote) {
    Start();
    LevelUp();
    Answers().Names.push_back(QStringLiteral("Чужая"));
    CtrlS();
    const fs::path file = Folder() / BuildFileNameFor("Чужая");
    std::string text = testing::ReadFile(file);
    const std::string id = W().Kept()->File.DataId;
    text.replace(text.find(id), id.size(), "0123456789abcdef");
    std::ofstream(file, std::ios::binary) << text;
    ASSERT_TRUE(W().OpenBuildFile(file));
    QLabel* note = p_.Find<QLabel>("TransientNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains(QStringLiteral("других данных")));
}

TEST_F(BuildKeeping, AFileChangedOnDiskSinceItWasOpenedIsNotSilentlyOverwritten) {
    Start();
    LevelUp();
    Answers().Names.push_back(QStringLiteral("Общая"));
    CtrlS();
    const fs::path file = Folder() / BuildFileNameFor("Общая");
    // Another copy of the program saves it meanwhile (a longer file).
    std::string other = testing::ReadFile(file);
    other.replace(other.find("\"notes\": \"\""), 11, "\"notes\": \"чужие\"");
    std::ofstream(file, std::ios::binary) << other;
    LevelUp(2);
    Answers().Confirms.push_back(false);
    CtrlS();
    EXPECT_TRUE(Answers().Asked.last().contains(QStringLiteral("изменился")));
    EXPECT_EQ(testing::ReadFile(file), other);
    EXPECT_TRUE(W().isWindowModified());
    Answers().Confirms.push_back(true);
    CtrlS();
    EXPECT_NE(testing::ReadFile(file), other);
    EXPECT_FALSE(W().isWindowModified());
}

TEST_F(BuildKeeping, ASaveThatCannotBeWrittenLeavesTheOldFileAndTheBuildUnsaved) {
    Start();
    LevelUp();
    Answers().Names.push_back(QStringLiteral("Полный диск"));
    CtrlS();
    const fs::path file = Folder() / BuildFileNameFor("Полный диск");
    const std::string before = testing::ReadFile(file);
    LevelUp(2);
    // A full file system: writes past a few bytes fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = W().SaveBuild(false);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(Answers().Asked.last().contains(QStringLiteral("не удалось сохранить")));
    EXPECT_EQ(testing::ReadFile(file), before); // not half-written
    EXPECT_TRUE(W().isWindowModified());
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder())) {
        EXPECT_EQ(entry.path().extension(), ".zdxbuild") << entry.path(); // no temporary left
    }

    // A folder that cannot be made: a file stands where it would be.
    const QString reason =
        ui::WriteBuildFile(file / "sub" / "x.zdxbuild", BuildFileText(W().Kept()->File));
    EXPECT_TRUE(reason.contains(QStringLiteral("не удалось создать"))) << reason.toStdString();
}

TEST_F(BuildKeeping, BuildCodesOpenAsNewBuilds) {
    Start();
    LevelUp();
    LevelUp(2);
    const QString code = W().Panel()->BuildCode();
    const BuildRecipe recipe = W().Panel()->Recipe();
    Answers().Names.push_back(QStringLiteral("Код"));
    CtrlS();
    LevelUp(3);
    Answers().SaveAnswers.push_back(SaveAnswer::Discard);
    ASSERT_TRUE(W().OpenBuildCode(code));
    EXPECT_EQ(W().Panel()->Recipe(), recipe);
    EXPECT_FALSE(W().Kept().has_value());
    EXPECT_EQ(W().windowTitle(), QStringLiteral("Новая сборка[*]"));
    EXPECT_FALSE(W().OpenBuildCode(QStringLiteral("garbage")));
    EXPECT_TRUE(Answers().Asked.last().startsWith(QStringLiteral("Сборку не удалось открыть")));
    EXPECT_EQ(W().Panel()->Recipe(), recipe);
}

// Drops a drag's data on a widget as the desktop would: enter, then drop.
bool Drop(QWidget* target, const QMimeData& data) {
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

TEST_F(BuildKeeping, BuildFilesAndCodesDroppedOnTheWindowOpen) {
    Start();
    LevelUp();
    const QString code = W().Panel()->BuildCode();
    const BuildRecipe recipe = W().Panel()->Recipe();
    Answers().Names.push_back(QStringLiteral("Брошенная"));
    CtrlS();
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NE(W().Panel()->Recipe(), recipe);
    // A file on the viewer, the engine's own drop target.
    Answers().SaveAnswers.push_back(SaveAnswer::Discard);
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(
        QString::fromStdString((Folder() / BuildFileNameFor("Брошенная")).string()))});
    EXPECT_TRUE(Drop(W().WebBrowser1()->Widget(), file));
    EXPECT_EQ(W().Panel()->Recipe(), recipe);
    EXPECT_EQ(W().Kept()->File.Name, "Брошенная");
    // A code as text on the panel.
    QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
    Answers().SaveAnswers.push_back(SaveAnswer::Discard);
    QMimeData text;
    text.setText(QStringLiteral("  ") + code + QStringLiteral("\n"));
    EXPECT_TRUE(Drop(W().Panel(), text));
    EXPECT_EQ(W().Panel()->Recipe(), recipe);
    EXPECT_FALSE(W().Kept().has_value());
    // Other text and other files are not taken.
    QMimeData prose;
    prose.setText(QStringLiteral("просто текст"));
    EXPECT_FALSE(Drop(W().Panel(), prose));
    QMimeData image;
    image.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/picture.png"))});
    EXPECT_FALSE(Drop(W().Panel(), image));
}

} // namespace
} // namespace zephyr::uitest
