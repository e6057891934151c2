#include "breakdown_formulas.h"

#include "screen_texts.h"
#include "stat_constants.h"
#include "stat_format.h"

#include "data/cp1251.h"

#include <cmath>

namespace zephyr {
namespace {

class FormulaWriter {
public:
    FormulaWriter(FigureBreakdown& breakdown, const BreakdownText& text, const StatRecord& record)
        : b_(breakdown), t_(text), s_(text.Stats()), record_(record) {}

    void Write(Figure figure) {
        switch (figure) {
        case Figure::AttackType:
            return AttackType();
        case Figure::AttackDelay:
            return AttackDelay();
        case Figure::CritChance:
            return Chance(Quantity::CritChance, s_.CritChance);
        case Figure::BashChance:
            return Chance(Quantity::BashChance, s_.BashChance);
        case Figure::PhysicalReduction:
            return PhysicalReduction();
        case Figure::MagicalReduction:
            return MagicalReduction();
        case Figure::Evasion:
            return Largest(Quantity::Evasion, s_.Evasion);
        case Figure::TriggeredEvasion:
            return Largest(Quantity::TriggeredEvasion, s_.TriggeredEvasion);
        case Figure::Miss:
            return Largest(Quantity::Miss, s_.Miss);
        case Figure::Dodge:
            return Dodge();
        case Figure::PhysicalEhp:
            return PhysicalEhp();
        case Figure::MagicalEhp:
            return MagicalEhp();
        case Figure::MoveSpeed:
            return MoveSpeed();
        case Figure::RespawnTime:
            return PerLevel(kRespawnPerLevel, s_.RespawnTime);
        case Figure::GoldLoss:
            return PerLevel(kGoldLossPerLevel, s_.GoldLoss);
        case Figure::Damage:
            return DamagePercent();
        case Figure::PhysicalDps: {
            // Appended piece by piece: GCC 12 sees a false overlap in
            // "(" + std::string at -O3 (-Wrestrict).
            std::string plain(1, '(');
            plain += t_.Number(AverageWhite());
            plain += " + ";
            plain += std::to_string(s_.DamageBonus);
            plain += ") / ";
            plain += t_.Number(s_.AttackCooldown);
            return DamagePerSecond(Quantity::PhysicalDps, Quantity::PhysicalDpsFlat, plain, figure);
        }
        case Figure::MagicalDps: {
            const std::string plain =
                std::to_string(s_.MagicDamage) + " / " + t_.Number(s_.AttackCooldown);
            return DamagePerSecond(Quantity::MagicalDps, Quantity::MagicalDpsFlat, plain, figure);
        }
        default:
            return;
        }
    }

private:
    // Every contribution to `what`, its amount written by `amount`.
    template <class Amount> void Lines(Quantity what, Amount amount) {
        for (const Contribution& c : record_.Of(what)) {
            b_.Lines.push_back({t_.Source(c), amount(c)});
        }
    }
    void SumLines(Quantity what, bool whole) {
        Lines(what, [&](const Contribution& c) { return t_.Amount(c.Amount(), whole, false); });
    }

    void AttackType() {
        Lines(Quantity::AttackType, [&](const Contribution& c) {
            return std::string(c.After != 0 ? Texts().Ranged : Texts().Melee);
        });
    }

    void AttackDelay() {
        Lines(Quantity::AttackTime, [&](const Contribution& c) {
            return Cp1251FromUtf8("время атаки ") + t_.Number(c.After);
        });
        SumLines(Quantity::AttackSpeed, true);
        const double baseTime = AfterOf(Quantity::AttackTime);
        b_.Formula = t_.Number(baseTime) + " / (1 + (" + std::to_string(s_.AttackSpeed) + " + " +
                     std::to_string(s_.AgilityTotal) +
                     ") / 100) = " + FormatCooldown(s_.AttackCooldown, Separator());
    }

    // Chances of independent sources: each source's own chance, then one
    // minus the product of the misses.
    void Chance(Quantity what, double total) {
        std::string product;
        Lines(what, [&](const Contribution& c) {
            const double own = c.Before < 1.0 ? 1.0 - (1.0 - c.After) / (1.0 - c.Before) : 0.0;
            product +=
                (product.empty() ? "" : " \xB7 ") + std::string("(1 - ") + t_.Percent(own) + ")";
            return t_.Percent(own);
        });
        if (!product.empty()) {
            b_.Formula = "1 - " + product + " = " + t_.Percent(total);
        }
    }

    // Chances of which only the largest counts.
    void Largest(Quantity what, double total) {
        Lines(what, [&](const Contribution& c) {
            return Cp1251FromUtf8("до ") + t_.Percent(c.After / 100.0);
        });
        if (!b_.Lines.empty()) {
            b_.Formula = Cp1251FromUtf8("действует наибольший: ") + t_.Percent(total);
        }
    }

    void PhysicalReduction() {
        const std::string armor = t_.Number(s_.ArmorTotal);
        b_.Formula = t_.Number(kArmorFactor) + " \xB7 " + armor + " / (1 + " +
                     t_.Number(kArmorFactor) + " \xB7 " + armor +
                     ") = " + FormatPhysicalReduction(s_.PhysicalReduction);
    }

    void MagicalReduction() {
        Lines(Quantity::AbilityMagicResist,
              [&](const Contribution& c) { return t_.Percent(c.After / 100.0); });
        Lines(Quantity::ItemMagicResist,
              [&](const Contribution& c) { return t_.Percent(c.After / 100.0); });
        const double ability = AfterOf(Quantity::AbilityMagicResist);
        const double item = AfterOf(Quantity::ItemMagicResist);
        b_.Formula = "1 - (1 - " + t_.Number(ability) + " / 100) \xB7 " +
                     t_.Number(kBaseMagicFactor) + " \xB7 (1 - " + t_.Number(item) +
                     " / 100) = " + FormatMagicalReduction(s_.MagicalReduction, Separator());
    }

    void Dodge() {
        b_.Formula = "1 - (1 - " + t_.Percent(s_.Evasion) + ") \xB7 (1 - " +
                     t_.Percent(s_.TriggeredEvasion) + ") \xB7 (1 - " + t_.Percent(s_.Miss) +
                     ") = " + t_.Percent(s_.Dodge);
    }

    void PhysicalEhp() {
        SumLines(Quantity::PhysicalEhpBonus, true);
        SumLines(Quantity::Shield, true);
        const std::string hit = "(1 - " + t_.Percent(s_.Dodge) + ")";
        // Built by appending: GCC 12 takes a literal put before a temporary
        // for an overlapping copy (-Wrestrict).
        std::string formula(1, '(');
        formula += t_.Number(kArmorFactor) + " \xB7 " + t_.Number(s_.ArmorTotal) + " + 1) \xB7 " +
                   std::to_string(s_.HitPoints) + " / " + hit;
        b_.Formula = std::move(formula);
        const double shield = AfterOf(Quantity::Shield);
        if (shield != 0) {
            b_.Formula += " + " + t_.Number(shield) + " / " + hit;
        }
        AddBonus(Quantity::PhysicalEhpBonus, FormatEhp(s_.PhysicalEhp));
    }

    void MagicalEhp() {
        SumLines(Quantity::MagicalEhpBonus, true);
        SumLines(Quantity::Shield, true);
        b_.Formula = std::to_string(s_.HitPoints) + " / (1 - " +
                     FormatMagicalReduction(s_.MagicalReduction, Separator()) + ")";
        const double shield = AfterOf(Quantity::Shield);
        if (shield != 0) {
            b_.Formula += " + " + t_.Number(shield);
        }
        AddBonus(Quantity::MagicalEhpBonus, FormatEhp(s_.MagicalEhp));
    }

    void MoveSpeed() {
        SumLines(Quantity::MoveSpeed, true);
        Lines(Quantity::MoveSpeedPercent,
              [&](const Contribution& c) { return t_.Amount(c.Amount(), true, false) + "%"; });
        const double flat = AfterOf(Quantity::MoveSpeed);
        const double percent = AfterOf(Quantity::MoveSpeedPercent);
        b_.Formula = t_.Number(flat) + " \xB7 (1 + " + t_.Number(percent) +
                     " / 100) = " + FigureText(s_, Figure::MoveSpeed, Separator());
        if (s_.MoveSpeed >= 522.0) {
            b_.Formula += Cp1251FromUtf8(" (не больше 522)");
        }
    }

    double AverageWhite() const {
        return (static_cast<double>(s_.DamageLow) + s_.DamageHigh) / 2.0;
    }

    // The percentage on the hit, each source's part of it named, and what it
    // added: a share of the average hit with the primary attribute's bonus.
    void DamagePercent() {
        std::string parts;
        for (const Contribution& c : record_.Of(Quantity::DamagePercent)) {
            parts += (parts.empty() ? "" : ", ") + t_.Source(c) + " " +
                     t_.Amount(c.Amount(), true, false) + "%";
        }
        if (parts.empty()) {
            return;
        }
        const std::string percent = t_.Number(AfterOf(Quantity::DamagePercent)) + "%";
        double share = 0;
        for (const Contribution& c : record_.Of(Quantity::Damage)) {
            if (c.Kind == SourceKind::DamagePercent) {
                share += c.Amount();
            }
        }
        b_.Formula = Cp1251FromUtf8("Процент к урону ") + percent + ": " + parts + ". (" +
                     t_.Number(AverageWhite()) + " + " +
                     std::to_string(t_.PrimaryAttributeBonus()) + ") \xB7 " + percent + " = " +
                     t_.Number(share);
    }

    // The plain hits by their formula, then every other part as its lines
    // give it.
    void DamagePerSecond(Quantity parts, Quantity flat, const std::string& plain, Figure figure) {
        std::string terms;
        const auto add = [&](double amount, const std::string& term) {
            if (terms.empty()) {
                terms = amount < 0 ? "-" + term : term;
            } else {
                terms += (amount < 0 ? " - " : " + ") + term;
            }
        };
        for (const Contribution& c : record_.Of(parts)) {
            add(c.Amount(),
                c.Kind == SourceKind::PlainHits ? plain : t_.Number(std::fabs(c.Amount())));
        }
        for (const Contribution& c : record_.Of(flat)) {
            add(c.Amount(), t_.Number(std::fabs(c.Amount())));
        }
        if (!terms.empty()) {
            b_.Formula = terms + " = " + FigureText(s_, figure, Separator());
        }
    }

    void PerLevel(int perLevel, std::int32_t total) {
        const int level = perLevel != 0 ? total / perLevel : 0;
        b_.Formula = std::to_string(perLevel) + Cp1251FromUtf8(" · уровень ") +
                     std::to_string(level) + " = " + std::to_string(total);
    }

    void AddBonus(Quantity bonus, const std::string& total) {
        const double amount = AfterOf(bonus);
        if (amount != 0) {
            b_.Formula += " + " + t_.Number(amount);
        }
        b_.Formula += " = " + total;
    }

    // The quantity as the sources left it.
    double AfterOf(Quantity what) const {
        const std::vector<Contribution> found = record_.Of(what);
        return found.empty() ? 0.0 : found.back().After;
    }

    char Separator() const { return t_.Separator(); }

    FigureBreakdown& b_;
    const BreakdownText& t_;
    const HeroStats& s_;
    const StatRecord& record_;
};

} // namespace

void WriteFormula(FigureBreakdown& breakdown, const BreakdownText& text, const StatRecord& record,
                  Figure figure) {
    FormulaWriter(breakdown, text, record).Write(figure);
}

} // namespace zephyr
