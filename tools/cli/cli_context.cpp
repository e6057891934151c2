#include "cli_context.h"

namespace zephyr::cli {

std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name) {
    const std::string flag = "--" + name;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == flag) {
            if (it + 1 == args.end()) {
                throw UsageError{flag + " needs a value"};
            }
            std::string value = *(it + 1);
            args.erase(it, it + 2);
            return value;
        }
        if (it->rfind(flag + "=", 0) == 0) {
            std::string value = it->substr(flag.size() + 1);
            args.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
    const std::string flag = "--" + name;
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == flag) {
            args.erase(it);
            return true;
        }
    }
    return false;
}

} // namespace zephyr::cli
