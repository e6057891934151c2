// The library window on a folder of real build files: the list and its
// order, the filter, folders, the keyboard's commands, notes, moving builds
// by dragging, and the main window around it.
#include "gesture_helpers.h"
#include "temp_folder.h"
#include "ui_fixture.h"

#include "builds/build_file.h"
#include "builds/build_library.h"
#include "builds/builds_folder.h"
#include "data/cp1251.h"
#include "ui/library/library_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include <fstream>
#include <sstream>

namespace zephyr::uitest {
namespace {

namespace fs = std::filesystem;

class LibraryWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        p_ = StartOn(SamplePackFolder(), Root());
        ASSERT_NE(p_.Window, nullptr);
        const Catalogue& catalogue = p_.W().Catalog();
        fs::create_directories(Root() / "Турнир");
        Write(Root() / "b.zdxbuild", "Быстрая", catalogue.Heroes[1].Name, 2, "Против магов");
        Write(Root() / "a.zdxbuild", "Атака", catalogue.Heroes[0].Name, 1, "");
        Write(Root() / "Турнир" / "f.zdxbuild", "Финал", catalogue.Heroes[2].Name, 0,
              "лучшая для финала");
    }

    fs::path Root() const { return folder_.Path() / "builds"; }

    // A build of a hero with `levels` picks of ability 1 and notes.
    void Write(const fs::path& path, const std::string& name, const std::string& hero, int levels,
               const std::string& notes) {
        BuildFile build;
        build.Name = name;
        build.Notes = notes;
        build.Modified = "2026-12-0" + std::to_string(levels + 1) + "T10:00:00Z";
        build.HeroLevel = std::max(levels, 1);
        build.Recipe.Hero = hero;
        for (int k = 0; k < levels; ++k) {
            build.Recipe.Gestures.push_back({GestureKind::LevelUp, 1 + k, 0, {}});
        }
        std::ofstream(path, std::ios::binary) << BuildFileText(build);
    }

    ui::LibraryWindow& OpenLibrary() {
        // The keyboard is back with the main window once the library went.
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &p_.W(); }));
        QTest::keyClick(&p_.W(), Qt::Key_O, Qt::ControlModifier);
        ui::LibraryWindow* library = p_.W().Library();
        EXPECT_NE(library, nullptr);
        EXPECT_TRUE(library->isVisible());
        // It takes the keyboard: its keys work at once.
        EXPECT_TRUE(QTest::qWaitFor([library] { return QApplication::activeWindow() == library; }));
        return *library;
    }

    QStringList Rows(const ui::LibraryWindow& library) const {
        QStringList rows;
        const QAbstractItemModel* model = library.List()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, 0).data().toString();
        }
        return rows;
    }

    void Key(ui::LibraryWindow& library, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(library.List(), key, mods);
    }

    testing::TempFolder folder_;
    StartedProgram p_;
};

TEST_F(LibraryWindowTest, ListsFoldersFirstSortsByTheHeaderAndFiltersEveryFolder) {
    ui::LibraryWindow& library = OpenLibrary();
    EXPECT_EQ(Rows(library), (QStringList{QStringLiteral("Турнир"), QStringLiteral("Атака"),
                                          QStringLiteral("Быстрая")}));
    // By level, highest first: folders stay on top.
    library.List()->sortByColumn(ui::LibraryModel::LevelColumn, Qt::DescendingOrder);
    EXPECT_EQ(Rows(library), (QStringList{QStringLiteral("Турнир"), QStringLiteral("Быстрая"),
                                          QStringLiteral("Атака")}));
    library.List()->sortByColumn(ui::LibraryModel::NameColumn, Qt::AscendingOrder);
    // The filter finds notes in a subfolder, in any case, and says where.
    library.FilterField()->insert(QStringLiteral("ФИНАЛА"));
    EXPECT_EQ(Rows(library), QStringList{QStringLiteral("Турнир / Финал")});
    library.FilterField()->clear();
    library.FilterField()->insert(QStringLiteral("нет такой"));
    EXPECT_TRUE(Rows(library).isEmpty());
    EXPECT_EQ(library.Preview()->text(), QStringLiteral("Ничего не найдено"));
    library.FilterField()->clear();
    EXPECT_EQ(Rows(library).size(), 3);
}

TEST_F(LibraryWindowTest, TheKeyboardWalksFoldersAndOpensABuild) {
    ui::LibraryWindow& library = OpenLibrary();
    library.Select(Root() / "Турнир");
    Key(library, Qt::Key_Return);
    EXPECT_EQ(Rows(library), (QStringList{QStringLiteral(".."), QStringLiteral("Финал")}));
    Key(library, Qt::Key_Backspace);
    EXPECT_EQ(Rows(library).size(), 3);
    EXPECT_EQ(library.Selected(), Root() / "Турнир"); // where the user came from
    // Down to "Быстрая", Enter: it opens in the calculator, kept, and the
    // library goes.
    Key(library, Qt::Key_Down);
    Key(library, Qt::Key_Down);
    ASSERT_EQ(library.Selected(), Root() / "b.zdxbuild");
    EXPECT_TRUE(library.Preview()->text().contains(QStringLiteral("Физический DPS")));
    Key(library, Qt::Key_Return);
    EXPECT_FALSE(library.isVisible());
    ASSERT_TRUE(p_.W().Kept().has_value());
    EXPECT_EQ(p_.W().Kept()->Path, Root() / "b.zdxbuild");
    EXPECT_EQ(p_.W().Panel()->Calc()->State().CurrentHero, 2);
    EXPECT_EQ(p_.W().windowTitle(), QStringLiteral("Быстрая[*]"));
    EXPECT_FALSE(p_.W().isWindowModified());
}

TEST_F(LibraryWindowTest, RenameDuplicateAndDeleteAskAndNeverOverwrite) {
    ui::LibraryWindow& library = OpenLibrary();
    ScriptedDialogs& answers = *p_.Answers;
    library.Select(Root() / "a.zdxbuild");
    // F2 renames: the name in the file and the file's name; a taken file
    // name gets a number instead of replacing the other build.
    Write(Root() / BuildFileNameFor("Быстрая атака"), "Другая", p_.W().Catalog().Heroes[0].Name, 0,
          "");
    answers.Names.push_back(QStringLiteral("Быстрая атака"));
    Key(library, Qt::Key_F2);
    EXPECT_EQ(answers.Proposals.last(), QStringLiteral("Атака"));
    EXPECT_FALSE(fs::exists(Root() / "a.zdxbuild"));
    const fs::path renamed = Root() / "Быстрая атака (2).zdxbuild";
    ASSERT_TRUE(fs::exists(renamed));
    EXPECT_EQ(ReadBuildFileHeader(testing::ReadFile(renamed)).Name, "Быстрая атака");
    EXPECT_EQ(
        ReadBuildFileHeader(testing::ReadFile(Root() / BuildFileNameFor("Быстрая атака"))).Name,
        "Другая");
    EXPECT_EQ(library.Selected(), renamed);
    // Ctrl+D duplicates beside it.
    Key(library, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(library.Selected().has_value());
    EXPECT_EQ(ReadBuildFileHeader(testing::ReadFile(*library.Selected())).Name,
              "Быстрая атака (копия)");
    // Delete asks; no keeps it, yes removes it.
    const fs::path copy = *library.Selected();
    answers.Confirms.push_back(false);
    Key(library, Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(copy));
    answers.Confirms.push_back(true);
    Key(library, Qt::Key_Delete);
    EXPECT_FALSE(fs::exists(copy));
    // A folder with builds is not deleted.
    library.Select(Root() / "Турнир");
    answers.Confirms.push_back(true);
    Key(library, Qt::Key_Delete);
    EXPECT_TRUE(fs::exists(Root() / "Турнир" / "f.zdxbuild"));
    EXPECT_TRUE(answers.Asked.last().contains(QStringLiteral("есть сборки")));
    // A new folder, selected at once.
    answers.Names.push_back(QStringLiteral("Архив"));
    Key(library, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(fs::is_directory(Root() / "Архив"));
    EXPECT_EQ(library.Selected(), Root() / "Архив");
}

TEST_F(LibraryWindowTest, NotesAreKeptWhenTheSelectionMoves) {
    ui::LibraryWindow& library = OpenLibrary();
    library.Select(Root() / "b.zdxbuild");
    EXPECT_EQ(library.NotesField()->toPlainText(), QStringLiteral("Против магов"));
    library.NotesField()->setFocus();
    library.NotesField()->selectAll();
    library.NotesField()->insertPlainText(QStringLiteral("Против лучников"));
    library.Select(Root() / "a.zdxbuild");
    EXPECT_EQ(ReadBuildFileHeader(testing::ReadFile(Root() / "b.zdxbuild")).Notes,
              "Против лучников");
    // The filter sees the new notes.
    library.FilterField()->insert(QStringLiteral("лучник"));
    EXPECT_EQ(Rows(library), QStringList{QStringLiteral("Быстрая")});
}

TEST_F(LibraryWindowTest, BuildsDraggedOntoAFolderMoveIntoItAndNothingFromElsewhere) {
    ui::LibraryWindow& library = OpenLibrary();
    ui::LibraryModel& model = *library.Model();
    const int build = model.RowOf(Root() / "b.zdxbuild");
    const int folder = model.RowOf(Root() / "Турнир");
    std::unique_ptr<QMimeData> dragged(model.mimeData({model.index(build, 0)}));
    model.dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, model.index(folder, 0));
    EXPECT_TRUE(fs::exists(Root() / "Турнир" / "b.zdxbuild"));
    EXPECT_FALSE(fs::exists(Root() / "b.zdxbuild"));
    EXPECT_EQ(Rows(library), (QStringList{QStringLiteral("Турнир"), QStringLiteral("Атака")}));
    // A file from outside the library is not taken in by a drop.
    const fs::path outside = folder_.Path() / "outside.zdxbuild";
    Write(outside, "Чужая", p_.W().Catalog().Heroes[0].Name, 0, "");
    QMimeData foreign;
    foreign.setUrls({QUrl::fromLocalFile(QString::fromStdString(outside.string()))});
    model.dropMimeData(&foreign, Qt::MoveAction, -1, -1,
                       model.index(model.RowOf(Root() / "Турнир"), 0));
    EXPECT_TRUE(fs::exists(outside));
}

TEST_F(LibraryWindowTest, TheKeptBuildFollowsItsRenameAndDeletion) {
    ui::LibraryWindow& library = OpenLibrary();
    library.Select(Root() / "a.zdxbuild");
    library.OpenSelected();
    ASSERT_TRUE(p_.W().Kept().has_value());
    OpenLibrary();
    p_.Answers->Names.push_back(QStringLiteral("Новое имя"));
    library.RenameSelected();
    EXPECT_EQ(p_.W().windowTitle(), QStringLiteral("Новое имя[*]"));
    // Saving after the rename asks nothing: the library's change is known.
    Press(p_, QStringLiteral("ImageAbility1"));
    EXPECT_TRUE(p_.W().SaveBuild(false));
    EXPECT_EQ(p_.W().Kept()->Path, Root() / BuildFileNameFor("Новое имя"));
    p_.Answers->Confirms.push_back(true);
    library.DeleteSelected();
    EXPECT_FALSE(p_.W().Kept().has_value());
    EXPECT_EQ(p_.W().windowTitle(), QStringLiteral("Новая сборка[*]"));
}

TEST_F(LibraryWindowTest, EscapeClosesItAndAnEmptyLibrarySaysHowToFillIt) {
    fs::remove_all(Root());
    ui::LibraryWindow& library = OpenLibrary();

    EXPECT_TRUE(Rows(library).isEmpty());
    EXPECT_TRUE(library.Preview()->text().contains(QStringLiteral("Ctrl+S")));
    QTest::keyClick(library.List(), Qt::Key_Escape);
    EXPECT_FALSE(library.isVisible());
}

} // namespace
} // namespace zephyr::uitest
