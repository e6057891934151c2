// The pure pieces of the document viewer: link names and kinds, the hero a
// link names, and the addresses of the document scheme.
#include "data/cp1251.h"
#include "data/hero.h"
#include "ui/browser/document_address.h"
#include "ui/browser/link_protocol.h"

#include <gtest/gtest.h>

namespace zephyr::ui {
namespace {

TEST(LinkProtocol, TheLinkNameFollowsTheLastSlashBackslashOrColon) {
    EXPECT_EQ(LinkName("zephyrdex://app/Data/documents/calc_Foo"), "calc_Foo");
    EXPECT_EQ(LinkName("C:\\Zephyrdex\\Data\\documents\\BackCalc"), "BackCalc");
    EXPECT_EQ(LinkName("about:calcFoo"), "calcFoo");
    EXPECT_EQ(LinkName("calcFoo"), "calcFoo");
    EXPECT_EQ(LinkName("zephyrdex://app/Data/"), "");
}

TEST(LinkProtocol, KindsInTheirOrder) {
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/calc_Foo"), LinkKind::Calc);
    // A document named like a calc link is one.
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/calculator.html"), LinkKind::Calc);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/BackCalc"), LinkKind::BackCalc);
    EXPECT_EQ(ClassifyAddress("http://example.org/a"), LinkKind::Web);
    EXPECT_EQ(ClassifyAddress("https://example.org/a"), LinkKind::Web);
    // The calc test comes first, on the link name of a web address too.
    EXPECT_EQ(ClassifyAddress("https://example.org/calc_Foo"), LinkKind::Calc);
    EXPECT_EQ(ClassifyAddress("HTTP://example.org/"), LinkKind::Document); // case-sensitive
    EXPECT_EQ(ClassifyAddress("ftp://example.org/a"), LinkKind::Document);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/Calc.html"), LinkKind::Document);
    // Build links after the calculator's, before web addresses and documents.
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/build_ZB1abc"), LinkKind::Build);
    EXPECT_EQ(ClassifyAddress("https://example.org/build_ZB1abc"), LinkKind::Build);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/build_calc"), LinkKind::Build);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/calc_build_"), LinkKind::Calc);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/build.html"), LinkKind::Document);
    EXPECT_EQ(ClassifyAddress("zephyrdex://app/Data/documents/Build_x"), LinkKind::Document);
    EXPECT_EQ(BuildCodeOfLink("build_ZB1abc"), "ZB1abc");
    EXPECT_EQ(BuildCodeOfLink("build_"), "");
    EXPECT_EQ(BuildCodeOfLink("calc_Foo"), "");
}

TEST(LinkProtocol, HeroesAreNamedWithoutSpacesExactly) {
    std::vector<THero> heroes(3);
    heroes[0].Name = "Brannoc Ironvow";
    heroes[1].Name = "Maelis the Lamplighter";
    heroes[2].Name = "Maelis the  Lamplighter"; // the same without spaces: the first wins
    EXPECT_EQ(WantedHeroName("calc_BrannocIronvow"), "BrannocIronvow");
    EXPECT_EQ(WantedHeroName("calc"), "");
    EXPECT_EQ(HeroByLinkName(heroes, "BrannocIronvow"), 1);
    EXPECT_EQ(HeroByLinkName(heroes, "MaelistheLamplighter"), 2);
    EXPECT_EQ(HeroByLinkName(heroes, "Brannoc Ironvow"), 0);
    EXPECT_EQ(HeroByLinkName(heroes, "brannocironvow"), 0);
    EXPECT_EQ(HeroByLinkName(heroes, ""), 0);
}

TEST(LinkProtocol, HistoryEntriesByTheirStart) {
    EXPECT_TRUE(IsCalculatorEntry("calc"));
    EXPECT_TRUE(IsCalculatorEntry("calc_Foo"));
    EXPECT_TRUE(IsCalculatorEntry("BackCalc"));
    EXPECT_TRUE(IsCalculatorEntry("build_ZB1abc"));
    EXPECT_TRUE(IsSearchEntry("dictionary"));
    EXPECT_FALSE(IsCalculatorEntry("zephyrdex://app/Data/documents/calc_Foo"));
    EXPECT_FALSE(IsSearchEntry("Dictionary"));
}

TEST(DocumentScheme, StoredPathsBecomeSchemeAddressesAndBack) {
    const QUrl url = DocumentUrl("Data\\documents\\Main.html?pageid=heroes&heroid=Foo");
    EXPECT_EQ(url.scheme(), QStringLiteral("zephyrdex"));
    EXPECT_EQ(url.host(), QStringLiteral("app"));
    EXPECT_EQ(url.path(), QStringLiteral("/Data/documents/Main.html"));
    EXPECT_EQ(url.query(), QStringLiteral("pageid=heroes&heroid=Foo"));
    EXPECT_EQ(AddressOfUrl(url),
              "zephyrdex://app/Data/documents/Main.html?pageid=heroes&heroid=Foo");
    // Cyrillic file names survive the round trip in Windows-1251.
    const std::string cyrillic = Cp1251FromUtf8("Data\\documents\\Герои.html");
    const std::string address = AddressOfUrl(DocumentUrl(cyrillic));
    EXPECT_EQ(address, Cp1251FromUtf8("zephyrdex://app/Data/documents/Герои.html"));
    EXPECT_EQ(AddressOfUrl(DocumentUrl(address)), address);
    // Full addresses stay as they are; a drive letter is not a scheme.
    EXPECT_EQ(DocumentUrl("https://example.org/x"), QUrl(QStringLiteral("https://example.org/x")));
    EXPECT_EQ(DocumentUrl("\\Data\\a.html").path(), QStringLiteral("/Data/a.html"));
    EXPECT_EQ(DocumentUrl("C:\\a.html").scheme(), QStringLiteral("zephyrdex"));
}

TEST(DocumentScheme, EachViewerKeepsOnlyItsLastPage) {
    WrittenPages pages;
    const QUrl first = pages.Store(QStringLiteral("WebBrowser2"), "one");
    const QUrl other = pages.Store(QStringLiteral("WebBrowser3"), "article");
    const QUrl second = pages.Store(QStringLiteral("WebBrowser2"), "two");
    EXPECT_NE(first, second);
    EXPECT_EQ(pages.Find(first.path()), nullptr);
    ASSERT_NE(pages.Find(second.path()), nullptr);
    EXPECT_EQ(*pages.Find(second.path()), "two");
    EXPECT_EQ(*pages.Find(other.path()), "article");
    // A row link relative to the page arrives as the base and the link.
    const QUrl base = WrittenPages::Base(QStringLiteral("WebBrowser2"));
    EXPECT_EQ(second.resolved(QUrl(QStringLiteral("ShowInfo12"))).toString(),
              base.toString() + QStringLiteral("ShowInfo12"));
}

} // namespace
} // namespace zephyr::ui
