#include "pack_documents.h"

#include "effect_descriptions.h"
#include "effect_syntax.h"
#include "source_error.h"
#include "source_values.h"

#include "data/cp1251.h"
#include "engine/build_code.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace zephyr::pack {
namespace {

const char* const kStyle =
    "body{background:#000000;color:#FFEBCD;font:13px Verdana,Tahoma,sans-serif;margin:14px 18px}"
    "a:link,a:visited{color:#FFCC66;text-decoration:none}a:hover{color:#CC9966}"
    "h1{color:#E77817;font-size:19px;margin:0 0 10px 0}h2{color:#E7A040;font-size:15px;"
    "margin:16px 0 6px 0}table{border-collapse:collapse}td,th{border:1px solid #3A3540;"
    "padding:3px 7px;font-size:12px}th{color:#F5FF00;text-align:left}hr{border:0;"
    "border-top:1px solid #817879}.effects{color:#B6DDC7}"
    ".nav{margin-bottom:12px;font-size:12px}";

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Texts of the records are Windows-1251; pages are assembled in UTF-8.
std::string U(const std::string& cp1251) {
    return Escape(Utf8FromCp1251(cp1251));
}

std::string Page(const std::string& title, const std::string& body, const std::string& root) {
    return "<!DOCTYPE html>\n<html><head><meta http-equiv=\"content-type\" content=\"text/html; "
           "charset=windows-1251\"><title>" +
           Escape(title) + "</title><style>" + kStyle +
           "</style></head><body>\n<div class=\"nav\">"
           "<a href=\"" +
           root + "Main.html\">Главная</a> · <a href=\"" + root +
           "guide_heroes.html\">Герои</a> · <a href=\"" + root +
           "guide_items.html\">Предметы</a> · <a href=\"" + root +
           "articles.html\">Статьи</a> · <a href=\"BackCalc\">Калькулятор</a></div>\n" + body +
           "\n</body></html>\n";
}

std::string CalcName(const std::string& cp1251) {
    std::string name = Utf8FromCp1251(cp1251);
    std::erase(name, ' ');
    return name;
}

std::string HeroLink(const THero& hero) {
    return "Main.html?pageid=heroes&amp;heroid=" + Escape(CalcName(hero.Name));
}

// Russian text writes decimals with a comma: 2,8.
std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return RussianDecimal(out.str());
}

std::string ProgramHtml(const TEffectList& program, ProgramKind kind,
                        const std::vector<std::string>& captions = {}) {
    EffectDescriber describer(captions);
    std::string html;
    for (const std::string& line : DisassembleProgram(program, kind)) {
        html += "<div class=\"effects\">" + Escape(describer.Describe(line)) + "</div>";
    }
    return html.empty() ? "—" : html;
}

// A build's link: the calculator opens it.
std::string BuildLink(const BuildSource& build, const std::string& text) {
    return "<a href=\"build_" + Escape(build.Code) + "\">" + Escape(text) + "</a>";
}

// The recommended builds of a hero, in file-name order.
std::string HeroBuilds(const THero& h, const PackSources& pack) {
    std::string list;
    for (const BuildSource& build : pack.Builds) {
        if (build.Hero != h.Name) {
            continue;
        }
        list += "<li>" + BuildLink(build, "Открыть сборку в калькуляторе: " + build.Name);
        if (build.Level > 0) {
            list += " (уровень " + std::to_string(build.Level) + ")";
        }
        if (!build.Notes.empty()) {
            list += ". " + Escape(build.Notes);
        }
        list += "</li>";
    }
    return list.empty() ? std::string() : "<h2>Рекомендуемые сборки</h2><ul>" + list + "</ul>";
}

std::string HeroSection(const THero& h, const PackSources& pack) {
    static const char* const kAttributes[] = {"", "Сила", "Ловкость", "Интеллект"};
    std::string s =
        "<div class=\"hero\" id=\"" + Escape(CalcName(h.Name)) + "\" style=\"display:none\">";
    s += "<h1>" + U(h.Name) + "</h1>";
    s += "<p><a href=\"calc_" + Escape(CalcName(h.Name)) +
         "\">Открыть героя в калькуляторе</a> · <a href=\"BackCalc\">Вернуться в "
         "калькулятор</a></p>";
    s += HeroBuilds(h, pack);
    s += "<table><tr><th>Атака</th><td>" + std::string(h.Ranged ? "дальняя" : "ближняя") +
         ", дальность " + std::to_string(h.AttackRange) + "</td></tr>";
    s += "<tr><th>Основной атрибут</th><td>" +
         std::string(h.PrimaryAttribute <= 3 ? kAttributes[h.PrimaryAttribute] : "") + "</td></tr>";
    s += "<tr><th>Сила</th><td>" + std::to_string(h.BaseStrength) + " + " + Number(h.StrengthGain) +
         "</td></tr>";
    s += "<tr><th>Ловкость</th><td>" + std::to_string(h.BaseAgility) + " + " +
         Number(h.AgilityGain) + "</td></tr>";
    s += "<tr><th>Интеллект</th><td>" + std::to_string(h.BaseIntelligence) + " + " +
         Number(h.IntelligenceGain) + "</td></tr>";
    s += "<tr><th>Урон</th><td>" + std::to_string(h.DamageMin) + " – " +
         std::to_string(h.DamageMax) + "</td></tr>";
    s += "<tr><th>Броня</th><td>" + Number(h.BaseArmor) + "</td></tr>";
    s += "<tr><th>Задержка атаки</th><td>" + Number(h.BaseAttackTime) + "</td></tr>";
    s += "<tr><th>Скорость бега</th><td>" + std::to_string(h.MoveSpeed) + "</td></tr></table>";
    s += "<h2>Способности</h2><table><tr><th>Способность</th><th>Уровень 1</th><th>Уровень 2</th>"
         "<th>Уровень 3</th><th>Уровень 4</th></tr>";
    for (const TAbility& a : h.Abilities) {
        std::vector<std::string> captions;
        for (const std::string& caption : a.ParamCaptions) {
            captions.push_back(Utf8FromCp1251(caption));
        }
        s += "<tr><td>" + U(a.Name) + "</td>";
        for (const TEffectList& level : a.LevelEffects) {
            s += "<td>" +
                 (a.HasData ? ProgramHtml(level, ProgramKind::Level, captions) : std::string("—")) +
                 "</td>";
        }
        s += "</tr>";
    }
    return s + "</table></div>\n";
}

std::string MainPage(const PackSources& pack) {
    std::string body =
        "<div id=\"start\"><h1>Энциклопедия Zephyrdex</h1>"
        "<p>Выберите раздел: <a href=\"guide_heroes.html\">герои</a>, "
        "<a href=\"guide_items.html\">предметы</a>, <a href=\"guide_creeps.html\">"
        "нейтральные существа</a>, <a href=\"articles.html\">статьи</a>.</p></div>\n";
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            body += HeroSection(hero.Hero, pack);
        }
    }
    // The page shows the section its query names; it never navigates away.
    body += "<script>(function(){var q={};location.search.replace(/^\\?/,'').split('&')"
            ".forEach(function(p){var "
            "kv=p.split('=');if(kv[0])q[kv[0]]=decodeURIComponent(kv[1]||'');});"
            "if(q.pageid==='heroes'&&q.heroid){var e=document.getElementById(q.heroid);"
            "if(e){document.getElementById('start').style.display='none';e.style.display='block';}}"
            "})();</script>";
    return Page("Zephyrdex", body, "");
}

std::string HeroList(const PackSources& pack) {
    std::string html;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        html += "<h2>" + U(tavern.Name) + "</h2><ul>";
        for (const HeroFileEntry& hero : tavern.Heroes) {
            html +=
                "<li><a href=\"" + HeroLink(hero.Hero) + "\">" + U(hero.Hero.Name) + "</a></li>";
        }
        html += "</ul>";
    }
    return html;
}

// An item's full name (UTF-8): "Group - Variant" for a variant.
std::string ItemName(const ItemFileEntry& item) {
    std::string name = Utf8FromCp1251(item.Text);
    if (const auto marker = name.find(">>"); marker != std::string::npos) {
        name.replace(marker, 2, " - ");
    }
    return name;
}

// Where the written pages' [[Name]] links lead: a hero's page, an item's
// row in the items guide (a group's name: its first variant). Names are UTF-8.
struct NamedPlaces {
    std::map<std::string, std::string> HeroIds; // name -> id on Main.html
    std::map<std::string, std::string> ItemIds; // name or group -> id on guide_items.html
    std::vector<std::string> RowIds;            // the items guide's row ids, in item order
};

NamedPlaces PlacesOf(const PackSources& pack) {
    NamedPlaces places;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            places.HeroIds.emplace(Utf8FromCp1251(hero.Hero.Name), CalcName(hero.Hero.Name));
        }
    }
    std::set<std::string> taken;
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        for (const ItemFileEntry& item : shop.Items) {
            const std::string name = ItemName(item);
            std::string id = "item_" + Slug(name);
            for (int n = 2; !taken.insert(id).second; ++n) {
                id = "item_" + Slug(name) + "_" + std::to_string(n);
            }
            places.RowIds.push_back(id);
            places.ItemIds.emplace(name, id);
            if (const auto marker = name.find(" - "); marker != std::string::npos) {
                places.ItemIds.emplace(name.substr(0, marker), id);
            }
        }
    }
    return places;
}

std::string ItemList(const PackSources& pack, const NamedPlaces& places) {
    std::string html;
    std::size_t row = 0;
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        html += "<h2>" + U(shop.Name) +
                "</h2><table><tr><th>Предмет</th><th>Цена</th>"
                "<th>Каждая копия</th><th>Один раз</th></tr>";
        for (const ItemFileEntry& item : shop.Items) {
            html += "<tr id=\"" + places.RowIds[row++] + "\"><td>" + Escape(ItemName(item)) +
                    "</td><td>" + std::to_string(item.Item.Cost) + "</td><td>" +
                    ProgramHtml(item.Item.StackingEffects, ProgramKind::Item) + "</td><td>" +
                    ProgramHtml(item.Item.UniqueEffects, ProgramKind::Item) + "</td></tr>";
        }
        html += "</table>";
    }
    return html;
}

std::string ArticleList(const PackSources& pack) {
    std::string html = "<ul>";
    for (const DocumentSource& document : pack.Documents) {
        if (document.FileName.rfind("articles/", 0) == 0) {
            html += "<li><a href=\"" + Escape(document.FileName) + "\">" + Escape(document.Title) +
                    "</a></li>";
        }
    }
    return html + "</ul>";
}

void ReplaceMarker(std::string& body, const std::string& marker, const std::string& content) {
    if (const auto at = body.find(marker); at != std::string::npos) {
        body.replace(at, marker.size(), content);
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A mistake in a written page, at a place of its body: the body starts on
// the title's line, and the rewrites below keep the lines where they were.
[[noreturn]] void FailIn(const DocumentSource& document, const std::string& body, std::size_t at,
                         const std::string& reason) {
    const auto line = 1 + std::count(body.begin(), body.begin() + static_cast<long>(at), '\n');
    throw SourceError("documents/" + document.FileName, static_cast<int>(line), reason);
}

// "[[Name]]" and "[[Name|text]]" become links: a hero's name to the hero's
// page, an item's name (or a group's) to its row in the items guide.
std::string WithNameLinks(const DocumentSource& document, const std::string& body,
                          const NamedPlaces& places, const std::string& root) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = body.find("[["); at != std::string::npos; at = body.find("[[", from)) {
        const std::size_t end = body.find("]]", at);
        if (end == std::string::npos || body.find('\n', at) < end) {
            FailIn(document, body, at, "a [[name]] link is closed by ]] on its line");
        }
        const std::string inside = body.substr(at + 2, end - at - 2);
        const std::size_t bar = inside.find('|');
        const std::string name = Trimmed(inside.substr(0, bar));
        const std::string text = bar == std::string::npos ? name : Trimmed(inside.substr(bar + 1));
        std::string href;
        if (const auto hero = places.HeroIds.find(name); hero != places.HeroIds.end()) {
            href = root + "Main.html?pageid=heroes&amp;heroid=" + Escape(hero->second);
        } else if (const auto item = places.ItemIds.find(name); item != places.ItemIds.end()) {
            href = root + "guide_items.html#" + item->second;
        } else {
            FailIn(document, body, at, "\"" + name + "\" in [[...]] names no hero or item");
        }
        if (text.empty()) {
            FailIn(document, body, at, "a [[name|text]] link needs a text");
        }
        out += body.substr(from, at - from) + "<a href=\"" + href + "\">" + text + "</a>";
        from = end + 2;
    }
    return out + body.substr(from);
}

// "<!-- build: ID -->" becomes the link of the build file builds/ID.zdxbuild,
// with the build's name as its text.
std::string WithBuildLinks(const DocumentSource& document, const std::string& body,
                           const PackSources& pack) {
    const std::string open = "<!-- build:";
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = body.find(open); at != std::string::npos; at = body.find(open, from)) {
        const std::size_t end = body.find("-->", at);
        if (end == std::string::npos) {
            FailIn(document, body, at, "<!-- build: ... --> is not closed");
        }
        const std::string id = Trimmed(body.substr(at + open.size(), end - at - open.size()));
        const auto build = std::find_if(pack.Builds.begin(), pack.Builds.end(),
                                        [&](const BuildSource& b) { return b.Id == id; });
        if (build == pack.Builds.end()) {
            FailIn(document, body, at, "there is no build file builds/" + id + ".zdxbuild");
        }
        out += body.substr(from, at - from) + BuildLink(*build, build->Name);
        from = end + 3;
    }
    return out + body.substr(from);
}

// What a build link's code holds must be whole and name heroes and items of
// the pack; the reason when it does not.
std::string BuildLinkProblem(const std::string& code, const PackSources& pack) {
    BuildRecipe recipe;
    try {
        recipe = DecodeBuildCode(code);
    } catch (const BuildCodeError& error) {
        return error.what();
    }
    std::set<std::string> heroes;
    std::set<std::string> items;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            heroes.insert(hero.Hero.Name);
        }
    }
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        for (const ItemFileEntry& item : shop.Items) {
            items.insert(Cp1251FromUtf8(ItemName(item)));
        }
    }
    if (heroes.count(recipe.Hero) == 0) {
        return "it names no hero of the pack";
    }
    for (const Gesture& gesture : recipe.Gestures) {
        if ((gesture.Kind == GestureKind::ChooseHero && heroes.count(gesture.Name) == 0) ||
            (gesture.Kind == GestureKind::Place && items.count(gesture.Name) == 0)) {
            return "it names \"" + Utf8FromCp1251(gesture.Name) + "\", which the pack lacks";
        }
    }
    return {};
}

bool HasId(const std::string& page, const std::string& id) {
    return page.find(" id=\"" + id + "\"") != std::string::npos;
}

// Every relative link of every page must reach another page, and its anchor
// or hero (Main.html?...&heroid=) must be there; build links must hold a
// whole code of the pack's heroes and items, calc_ links name a hero. Web
// addresses are the viewer's business.
void CheckLinks(const std::map<std::string, std::string>& pages, const PackSources& pack) {
    std::set<std::string> calcNames;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& hero : tavern.Heroes) {
            calcNames.insert(Escape(CalcName(hero.Hero.Name)));
        }
    }
    for (const auto& [name, page] : pages) {
        const std::filesystem::path folder = std::filesystem::path(name).parent_path();
        for (std::size_t at = page.find("href=\""); at != std::string::npos;
             at = page.find("href=\"", at + 1)) {
            const std::size_t start = at + 6;
            const std::string target = page.substr(start, page.find('"', start) - start);
            const auto fail = [&](const std::string& reason) {
                throw SourceError("documents/" + name, 0, "the link \"" + target + "\" " + reason);
            };
            if (target.rfind("build_", 0) == 0) {
                if (const std::string problem = BuildLinkProblem(target.substr(6), pack);
                    !problem.empty()) {
                    fail("holds no build of the pack: " + problem);
                }
                continue;
            }
            if (target.rfind("calc_", 0) == 0) {
                if (calcNames.count(target.substr(5)) == 0) {
                    fail("names no hero (calc_ + a hero's name without spaces)");
                }
                continue;
            }
            if (target.empty() || target.rfind("calc", 0) == 0 ||
                target.rfind("BackCalc", 0) == 0 || target.find(':') != std::string::npos) {
                continue;
            }
            const std::string file = target.substr(0, target.find_first_of("?#"));
            const std::string resolved =
                file.empty() ? name : (folder / file).lexically_normal().generic_string();
            const auto reached = pages.find(resolved);
            if (reached == pages.end()) {
                fail("reaches no document");
            }
            if (const std::size_t hash = target.find('#'); hash != std::string::npos) {
                if (!HasId(reached->second, target.substr(hash + 1))) {
                    fail("reaches no anchor of its document");
                }
            }
            const std::string heroKey = "heroid=";
            if (const std::size_t key = target.find(heroKey); key != std::string::npos) {
                const std::size_t from = key + heroKey.size();
                const std::string hero =
                    target.substr(from, target.find_first_of("&#", from) - from);
                if (!HasId(reached->second, hero)) {
                    fail("names no hero page");
                }
            }
        }
    }
}

} // namespace

std::map<std::string, std::string> BuildDocuments(const PackSources& pack) {
    const NamedPlaces places = PlacesOf(pack);
    std::map<std::string, std::string> pages;
    for (const DocumentSource& document : pack.Documents) {
        const bool nested = document.FileName.find('/') != std::string::npos;
        const std::string root = nested ? "../" : "";
        std::string body = WithNameLinks(document, document.Body, places, root);
        body = WithBuildLinks(document, body, pack);
        ReplaceMarker(body, "<!-- heroes -->", HeroList(pack));
        ReplaceMarker(body, "<!-- items -->", ItemList(pack, places));
        ReplaceMarker(body, "<!-- articles -->", ArticleList(pack));
        pages[document.FileName] = Page(document.Title, body, root);
    }
    pages["Main.html"] = MainPage(pack);
    CheckLinks(pages, pack);
    for (auto& [name, page] : pages) {
        page = Cp1251FromUtf8(page);
    }
    return pages;
}

std::string AddressTable() {
    return "Руководство.Герои=Data\\documents\\guide_heroes.html\r\n"
           "Руководство.Предметы=Data\\documents\\guide_items.html\r\n"
           "Руководство.Статьи=Data\\documents\\articles.html\r\n"
           "Руководство.Крипы=Data\\documents\\guide_creeps.html\r\n"
           "Механика.Формулы калькулятора=Data\\documents\\formulas.html\r\n"
           "О проекте.О программе=Data\\documents\\about.html\r\n"
           "О проекте.Помощь=Data\\documents\\help.html\r\n"
           "О проекте.Сайт=https://zephyrdex.example/\r\n"
           "Default=Data\\documents\\Main.html\r\n";
}

} // namespace zephyr::pack
