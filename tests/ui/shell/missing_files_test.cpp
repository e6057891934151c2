#include "ui_fixture.h"

#include "ui/widgets/string_grid.h"

#include <QAction>
#include <QLabel>

namespace zephyr::uitest {
namespace {

const QString kCalculatorFailed =
    QStringLiteral("Ошибка данных! Не удалось загрузить калькулятор!");

QAction* ActionNamed(const StartedProgram& p, const char* name) {
    return p.Window->findChild<QAction*>(QString::fromLatin1(name));
}

TEST(MissingFiles, WithoutStrDatTheCalculatorIsOffButTheDictionaryStays) {
    PackCopy pack(SyntheticPackFolder(), {"Data/Str.dat"});
    StartedProgram p = StartOn(pack.Path());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(*p.Messages, QStringList{kCalculatorFailed});
    EXPECT_FALSE(p.W().CalculatorReady());
    EXPECT_FALSE(ActionNamed(p, "Action7")->isEnabled());
    EXPECT_TRUE(ActionNamed(p, "Action4")->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_TRUE(p.Find<QLabel>("Label18")->text().isEmpty());
    // The captions are written all the same.
    EXPECT_EQ(p.Find<ui::StringGrid>("StringGrid1")->Cell(0, 1), QStringLiteral("Дальность"));
    ASSERT_EQ(p.W().NavHistory().size(), 1u);
    EXPECT_EQ(p.W().NavHistory()[0].Url, "calc");
}

TEST(MissingFiles, WithoutOrbsDatNothingElseIsReadAndNoHeroIsShown) {
    PackCopy pack(SyntheticPackFolder(), {"Data/Orbs.dat"});
    StartedProgram p = StartOn(pack.Path());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(*p.Messages, QStringList{kCalculatorFailed});
    EXPECT_EQ(*p.Statuses, (QStringList{QStringLiteral("Загрузка орбов..."),
                                        QStringLiteral("Загрузка дизайна...")}));
    EXPECT_TRUE(p.W().Catalog().Heroes.empty());
    EXPECT_TRUE(p.W().Catalog().SlangWords.empty());
    EXPECT_FALSE(ActionNamed(p, "Action7")->isEnabled());
    EXPECT_FALSE(ActionNamed(p, "Action4")->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_EQ(p.Find<QLabel>("Label3")->text(), QStringLiteral("Имя героя"));
    EXPECT_EQ(p.W().Panel()->Calc()->State().CurrentHero, 0);
}

TEST(MissingFiles, WithoutDictionaryDatTheCataloguesLoadButBothCommandsAreOff) {
    PackCopy pack(SyntheticPackFolder(), {"Data/Dictionary.dat"});
    StartedProgram p = StartOn(pack.Path());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(*p.Messages, QStringList{kCalculatorFailed});
    EXPECT_FALSE(p.W().Catalog().Heroes.empty());
    EXPECT_FALSE(p.W().Catalog().Items.empty());
    EXPECT_FALSE(ActionNamed(p, "Action7")->isEnabled());
    EXPECT_FALSE(ActionNamed(p, "Action4")->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isHidden());
}

TEST(MissingFiles, BothStrDatAndACatalogueShowTheMessageTwice) {
    PackCopy pack(SyntheticPackFolder(), {"Data/Str.dat", "Data/Shops.dat"});
    StartedProgram p = StartOn(pack.Path());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(*p.Messages, (QStringList{kCalculatorFailed, kCalculatorFailed}));
}

TEST(MissingFiles, WithoutFormBottomTheProgramEnds) {
    PackCopy pack(SyntheticPackFolder(),
                  {"Data/images/design/FormBottom.bmp", "Data/Images/design/FormBottom.bmp"});
    StartedProgram p = StartOn(pack.Path());
    EXPECT_EQ(p.Window, nullptr);
    EXPECT_EQ(*p.Messages, QStringList{QStringLiteral(
                               "Ошибка при загрузке программы. Необходимые файлы не найдены.")});
}

TEST(MissingFiles, WithoutAddressDatTheSetUpStopsAndTheWindowStillOpens) {
    PackCopy pack(SyntheticPackFolder(), {"Data/Address.dat"});
    StartedProgram p = StartOn(pack.Path());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(p.W().Outcome(), ui::SetupOutcome::Interrupted);
    ASSERT_EQ(p.Messages->size(), 1);
    EXPECT_TRUE((*p.Messages)[0].contains(QStringLiteral("Address.dat")));
    // No pictures and no hero: the calculator is not offered.
    EXPECT_FALSE(p.W().CalculatorReady());
    EXPECT_FALSE(ActionNamed(p, "Action7")->isEnabled());
    EXPECT_TRUE(ActionNamed(p, "Action4")->isEnabled());
    ASSERT_EQ(p.W().NavHistory().size(), 1u);
}

} // namespace
} // namespace zephyr::uitest
