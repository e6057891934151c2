#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zephyr::pack {

// A number as Russian text writes it, with a decimal comma ("2.8" -> "2,8");
// any other text is returned unchanged.
std::string RussianDecimal(std::string_view number);

// Russian descriptions of effect lines for the encyclopedia's pages:
// "Bash(8, 30, 0)" -> "Оглушение: шанс 8%, урон 30". Formula variables are
// named in words, P1..P3 by the ability's parameter captions (UTF-8). A line
// that is not a known effect is returned unchanged.
class EffectDescriber {
public:
    explicit EffectDescriber(std::vector<std::string> parameterCaptions = {})
        : captions_(std::move(parameterCaptions)) {}

    std::string Describe(std::string_view line);

private:
    std::string Formula(std::string_view text) const;
    std::string Caption(std::size_t index) const;

    std::vector<std::string> captions_;
    std::size_t nextParameter_ = 0; // parameter definitions are numbered in program order
};

} // namespace zephyr::pack
