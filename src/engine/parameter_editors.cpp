#include "aura_slots.h"
#include "calculator.h"
#include "screen_texts.h"

#include "data/number_text.h"

namespace zephyr {
namespace {

constexpr char kBackspace = '\b';
constexpr char kEnter = '\r';

} // namespace

AbilityParam* Calculator::EditedParam(int editor) {
    const int shown = state_.ParamAbility;
    if (shown < 1 || shown > kAbilityCount || editor < 1 ||
        editor > static_cast<int>(editors_.size())) {
        return nullptr;
    }
    return &state_.AbilityParams[shown - 1][editor - 1];
}

void Calculator::WriteEditorText(int editor) {
    const AbilityParam* param = EditedParam(editor);
    if (param == nullptr) {
        return;
    }
    const ScreenTexts& texts = Texts();
    editors_[editor - 1].Text =
        param->Kind == 0 ? std::to_string(param->Value) + texts.Of + std::to_string(param->Max)
                         : (param->Value != 0 ? texts.Yes : texts.No);
}

void Calculator::CloseParameterEditors() {
    editors_.fill(EditorView{});
    focusedEditor_ = 0;
}

void Calculator::OpenParameters(int ability, bool fromConfigureMenu) {
    const AbilityParamRow& params = state_.AbilityParams[ability - 1];
    bool anyUsed = false;
    for (const AbilityParam& param : params) {
        anyUsed = anyUsed || param.Used;
    }
    // An ability without parameters leaves the editors to whichever ability
    // they show.
    if (!anyUsed && !fromConfigureMenu) {
        return;
    }
    const TAbility* record = Ability(ability);
    for (int n = 1; n <= kParamsPerAbility; ++n) {
        const AbilityParam& param = params[n - 1];
        if (param.Used) {
            state_.ParamAbility = ability;
        }
        if (n > static_cast<int>(editors_.size())) {
            continue;
        }
        EditorView& editor = editors_[n - 1];
        if (param.Used) {
            editor.Label = record != nullptr ? record->ParamCaptions[n - 1] : std::string();
            WriteEditorText(n);
            editor.Enabled = true;
            editor.ReadOnly = param.Kind != 0;
        } else if (anyUsed) {
            // An editor left over from another ability would edit a record
            // this one does not have.
            editor = EditorView{};
        } else {
            editor.Label.clear();
        }
    }
}

void Calculator::SwitchAbilityOff(int ability) {
    const TAbility* record = Ability(ability);
    WithdrawAura(*catalogue_, state_, record->ActiveAura);
    // Only this ability's parameters go; other abilities keep the user's values.
    if (state_.AbilityParams[ability - 1][0].Used) {
        ResetParams(state_, ability - 1);
    }
    if (state_.ParamAbility == ability) {
        CloseParameterEditors();
        state_.ParamAbility = 0;
    }
    state_.AbilityItemLinks[ability - 1].Linked = false;
}

bool Calculator::ToggleAbility(int ability) {
    if (!HeroChosen() || !AbilityMenu(ability).ActivateVisible) {
        return false;
    }
    const TAbility* record = Ability(ability);
    const bool active = !state_.AbilityActive[ability - 1];
    state_.AbilityActive[ability - 1] = active;
    if (!active) {
        SwitchAbilityOff(ability);
        RefreshStats();
        return true;
    }
    AddAura(*catalogue_, state_, record->ActiveAura);
    if (record->LinkItem != 0) {
        state_.AbilityItemLinks[ability - 1] = AbilityItemLink{true, record->LinkItem, true};
    }
    // The parameters exist once the program has run with the ability on.
    RefreshStats();
    OpenParameters(ability, false);
    return true;
}

bool Calculator::ConfigureAbility(int ability) {
    if (!HeroChosen() || !AbilityMenu(ability).ConfigureVisible) {
        return false;
    }
    OpenParameters(ability, true);
    return true;
}

bool Calculator::EnterEditor(int editor) {
    const AbilityParam* param = EditedParam(editor);
    if (param == nullptr || !editors_[editor - 1].Enabled) {
        return false;
    }
    focusedEditor_ = editor;
    if (param->Kind == 0) {
        editors_[editor - 1].Text.clear();
    }
    return true;
}

bool Calculator::EditorKey(int editor, char key) {
    if (focusedEditor_ != editor || EditedParam(editor) == nullptr) {
        return false;
    }
    EditorView& view = editors_[editor - 1];
    if (key == kEnter) {
        LeaveEditor(editor);
        return true;
    }
    const bool accepted = key == kBackspace || key == '-' || (key >= '0' && key <= '9');
    if (!accepted) {
        return false;
    }
    if (view.ReadOnly) {
        return true;
    }
    if (key == kBackspace) {
        if (!view.Text.empty()) {
            view.Text.pop_back();
        }
    } else {
        view.Text.push_back(key);
    }
    return true;
}

bool Calculator::LeaveEditor(int editor) {
    if (focusedEditor_ != editor) {
        return false;
    }
    focusedEditor_ = 0;
    AbilityParam* param = EditedParam(editor);
    if (param == nullptr || param->Kind != 0) {
        return true;
    }
    if (std::optional<std::int32_t> number = ParseWhole<std::int32_t>(editors_[editor - 1].Text)) {
        std::int32_t typed = *number;
        if (typed > param->Max) {
            typed = param->Max;
        } else if (typed < param->Min) {
            typed = param->Min;
        }
        param->Value = typed;
    }
    WriteEditorText(editor);
    RefreshStats();
    return true;
}

bool Calculator::TypeIntoEditor(int editor, std::string_view keys) {
    if (!EnterEditor(editor)) {
        return false;
    }
    for (char key : keys) {
        if (focusedEditor_ != editor) {
            break; // Enter moved the focus away
        }
        EditorKey(editor, key);
    }
    if (focusedEditor_ == editor) {
        LeaveEditor(editor);
    }
    return true;
}

bool Calculator::EditorArrow(int editor, bool right) {
    AbilityParam* param = EditedParam(editor);
    if (param == nullptr || !editors_[editor - 1].Enabled) {
        return false;
    }
    if (param->Kind == 0) {
        if (right && param->Value < param->Max) {
            ++param->Value;
        } else if (!right && param->Value > param->Min) {
            --param->Value;
        }
    } else {
        param->Value = param->Value != 0 ? 0 : 1;
    }
    WriteEditorText(editor);
    RefreshStats();
    return true;
}

} // namespace zephyr
