// The panel says briefly what a command did, or why a click changed
// nothing, in a note that goes by itself; the parameter editors say what
// they set or why they are closed.
#include "gesture_helpers.h"

#include "ui/calculator/calculator_panel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

namespace zephyr::uitest {
namespace {

class PanelNotes : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SyntheticPackFolder());
        ASSERT_NE(p.Window, nullptr);
        panel = p.W().Panel();
        note = p.Find<QLabel>("TransientNote");
        ASSERT_NE(note, nullptr);
    }
    void TearDown() override { CloseAllPopups(); }

    // What the note says now; empty when none is shown.
    QString Said() const { return note->isHidden() ? QString() : note->text(); }
    void Key(int key) {
        panel->setFocus();
        QTest::keyClick(panel, static_cast<Qt::Key>(key), Qt::ControlModifier);
    }

    StartedProgram p;
    ui::CalculatorPanel* panel = nullptr;
    QLabel* note = nullptr;
};

TEST_F(PanelNotes, CommandsSayWhatTheyDid) {
    EXPECT_EQ(Said(), QString());
    Key(Qt::Key_Z);
    EXPECT_EQ(Said(), QStringLiteral("Отменять нечего"));
    Key(Qt::Key_Y);
    EXPECT_EQ(Said(), QStringLiteral("Повторять нечего"));

    Press(p, QStringLiteral("ImageAbility1"));
    Key(Qt::Key_C);
    EXPECT_TRUE(Said().startsWith(QStringLiteral("Код сборки скопирован"))) << Said().toStdString();
    Key(Qt::Key_P);
    EXPECT_TRUE(Said().startsWith(QStringLiteral("Сборка закреплена"))) << Said().toStdString();
    Key(Qt::Key_P);
    EXPECT_EQ(Said(), QStringLiteral("Сравнение снято"));

    // Another build pasted names what came.
    const QString code = QGuiApplication::clipboard()->text();
    Press(p, QStringLiteral("ImageEx7")); // reset
    QGuiApplication::clipboard()->setText(code);
    Key(Qt::Key_V);
    EXPECT_EQ(
        Said(),
        QStringLiteral("Сборка вставлена: %1, уровень 1").arg(Utf8(p.W().Catalog().Hero(1)->Name)));

    // The note sits inside the panel, over its foot, and takes no clicks.
    EXPECT_TRUE(panel->rect().contains(note->geometry()));
    EXPECT_GT(note->geometry().top(), panel->height() / 2);
    EXPECT_TRUE(note->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(PanelNotes, RefusedClicksSayWhy) {
    const QString ultimate = Utf8(p.W().Catalog().Hero(1)->Abilities[3].Name);
    Press(p, QStringLiteral("ImageAbility4"));
    EXPECT_EQ(
        Said(),
        QStringLiteral("Следующий уровень «%1» можно взять с 6-го уровня героя").arg(ultimate));
    EXPECT_EQ(panel->Calc()->State().HeroLevel, 0);

    // Four levels of the first ability, with bonus levels between them.
    const QString first = Utf8(p.W().Catalog().Hero(1)->Abilities[0].Name);
    for (const char* picture : {"ImageAbility1", "ImageAbility5", "ImageAbility1", "ImageAbility5",
                                "ImageAbility1", "ImageAbility5", "ImageAbility1"}) {
        Press(p, QString::fromLatin1(picture));
    }
    ASSERT_EQ(panel->Calc()->State().HeroLevel, 7);
    Press(p, QStringLiteral("ImageAbility1"));
    EXPECT_EQ(Said(), QStringLiteral("«%1» уже на высшем уровне").arg(first));
    EXPECT_EQ(panel->Calc()->State().HeroLevel, 7);
    Press(p, QStringLiteral("ImageAbility4"));
    EXPECT_EQ(panel->Calc()->State().HeroLevel, 8);

    // The second ability is switched on in its menu, once learnt.
    const QString second = Utf8(p.W().Catalog().Hero(1)->Abilities[1].Name);
    Press(p, QStringLiteral("ImageAbility2"), Qt::RightButton);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(Said(),
              QStringLiteral("Сначала выучите «%1»: щёлкните по ней левой кнопкой").arg(second));
}

TEST_F(PanelNotes, EditorsNameTheirParameterOrSayWhyTheyAreClosed) {
    const TAbility& second = p.W().Catalog().Hero(1)->Abilities[1];
    ASSERT_TRUE(second.NeedsActive);
    ASSERT_FALSE(second.ParamCaptions[0].empty());
    auto* editor = p.Find<QLineEdit>("DynEdit1");
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->isEnabled());
    EXPECT_TRUE(editor->toolTip().startsWith(
        QStringLiteral("Включите способность «%1»").arg(Utf8(second.Name))))
        << editor->toolTip().toStdString();
    EXPECT_TRUE(editor->toolTip().endsWith(QStringLiteral("в её меню (правая кнопка)")));

    Press(p, QStringLiteral("ImageAbility2"));
    ASSERT_TRUE(
        ChooseFromContextMenu(p, QStringLiteral("ImageAbility2"), QStringLiteral("Активировать")));
    ASSERT_TRUE(editor->isEnabled());
    const QString caption = Utf8(second.ParamCaptions[0]);
    EXPECT_EQ(editor->toolTip(), caption);
    EXPECT_EQ(editor->placeholderText(), caption);
    EXPECT_EQ(p.Find<QWidget>("DynLeftArrow1")->toolTip(), caption);
}

} // namespace
} // namespace zephyr::uitest
