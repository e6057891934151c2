#pragma once

#include "data/effect_token.h"

#include <string>
#include <string_view>
#include <vector>

namespace zephyr::pack {

// The readable form of effect programs: one "Name(argument, ...)" per effect.
// Item programs take plain numbers; ability level programs take formulas of
// numbers and variables joined by + - * /.

enum class ProgramKind { Item, Level };

// Appends the tokens of one effect line to `program`. Throws
// std::invalid_argument with a reason when the line is not a valid effect.
void AssembleEffect(std::string_view line, ProgramKind kind, TEffectList& program);

// The program as effect lines. A stretch of tokens that is not a well-formed
// effect is shown raw, as "Tokens(...)" with c<code> for code tokens.
std::vector<std::string> DisassembleProgram(const TEffectList& program, ProgramKind kind);

// A number as the sources write it: at most two decimals, no trailing zeros.
std::string FormatHundredths(std::int32_t hundredths);

} // namespace zephyr::pack
