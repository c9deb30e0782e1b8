#pragma once
// Argument parsing shared by the commands.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumora::cli {

struct Options {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // "--ip" -> "10.0.0.5"
    std::set<std::string> flags;                // "--dhcp"

    std::optional<std::string> Value(const std::string& name) const;
    bool Has(const std::string& name) const { return flags.count(name) != 0; }
};

// Splits `args` by the options a command knows; nothing (and `problem` filled) on anything else.
std::optional<Options> ParseOptions(const std::vector<std::string>& args,
                                    const std::set<std::string>& withValue,
                                    const std::set<std::string>& withoutValue, std::string& problem);

}  // namespace lumora::cli
