#include "pack_documents.h"

#include "effect_descriptions.h"
#include "effect_syntax.h"
#include "source_error.h"

#include "data/cp1251.h"

#include <filesystem>
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

std::string HeroSection(const THero& h) {
    static const char* const kAttributes[] = {"", "Сила", "Ловкость", "Интеллект"};
    std::string s =
        "<div class=\"hero\" id=\"" + Escape(CalcName(h.Name)) + "\" style=\"display:none\">";
    s += "<h1>" + U(h.Name) + "</h1>";
    s += "<p><a href=\"calc_" + Escape(CalcName(h.Name)) +
         "\">Открыть героя в калькуляторе</a> · <a href=\"BackCalc\">Вернуться в "
         "калькулятор</a></p>";
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
            body += HeroSection(hero.Hero);
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

std::string ItemList(const PackSources& pack) {
    std::string html;
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        html += "<h2>" + U(shop.Name) +
                "</h2><table><tr><th>Предмет</th><th>Цена</th>"
                "<th>Каждая копия</th><th>Один раз</th></tr>";
        for (const ItemFileEntry& item : shop.Items) {
            std::string name = Utf8FromCp1251(item.Text);
            if (const auto marker = name.find(">>"); marker != std::string::npos) {
                name.replace(marker, 2, " - ");
            }
            html += "<tr><td>" + Escape(name) + "</td><td>" + std::to_string(item.Item.Cost) +
                    "</td><td>" + ProgramHtml(item.Item.StackingEffects, ProgramKind::Item) +
                    "</td><td>" + ProgramHtml(item.Item.UniqueEffects, ProgramKind::Item) +
                    "</td></tr>";
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

// Every relative link of every page must reach another page; calculator
// links, web addresses and anchors are the viewer's business.
void CheckLinks(const std::map<std::string, std::string>& pages) {
    for (const auto& [name, page] : pages) {
        const std::filesystem::path folder = std::filesystem::path(name).parent_path();
        for (std::size_t at = page.find("href=\""); at != std::string::npos;
             at = page.find("href=\"", at + 1)) {
            const std::size_t start = at + 6;
            const std::string target = page.substr(start, page.find('"', start) - start);
            if (target.empty() || target[0] == '#' || target.rfind("calc", 0) == 0 ||
                target.rfind("BackCalc", 0) == 0 || target.find(':') != std::string::npos) {
                continue;
            }
            const std::string file = target.substr(0, target.find_first_of("?#"));
            const std::string resolved = (folder / file).lexically_normal().generic_string();
            if (pages.count(resolved) == 0) {
                throw SourceError("documents/" + name, 0,
                                  "the link \"" + target + "\" reaches no document");
            }
        }
    }
}

} // namespace

std::map<std::string, std::string> BuildDocuments(const PackSources& pack) {
    std::map<std::string, std::string> pages;
    for (const DocumentSource& document : pack.Documents) {
        std::string body = document.Body;
        ReplaceMarker(body, "<!-- heroes -->", HeroList(pack));
        ReplaceMarker(body, "<!-- items -->", ItemList(pack));
        ReplaceMarker(body, "<!-- articles -->", ArticleList(pack));
        const bool nested = document.FileName.find('/') != std::string::npos;
        pages[document.FileName] = Page(document.Title, body, nested ? "../" : "");
    }
    pages["Main.html"] = MainPage(pack);
    CheckLinks(pages);
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
