#include "Options.h"

namespace lumora::cli {

std::optional<std::string> Options::Value(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& args,
                                    const std::set<std::string>& withValue,
                                    const std::set<std::string>& withoutValue, std::string& problem) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (withValue.count(arg)) {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a value";
                return std::nullopt;
            }
            options.values[arg] = args[++i];
        } else if (withoutValue.count(arg)) {
            options.flags.insert(arg);
        } else if (arg.size() > 1 && arg[0] == '-') {
            problem = "unknown option " + arg;
            return std::nullopt;
        } else {
            options.positional.push_back(arg);
        }
    }
    return options;
}

}  // namespace lumora::cli
