#include "platform/Format.h"

#include <string>

namespace lumora {

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(format.size() + 16 * args.size());
    const FormatArg* next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        char16_t c = format[i];
        char16_t conversion = i + 1 < format.size() ? format[i + 1] : u'\0';
        if (c != u'%' || conversion == u'\0') {
            out += c;
        } else if (conversion == u'%') {
            out += u'%';
            ++i;
        } else if (std::u16string_view(u"dius").find(conversion) != std::u16string_view::npos &&
                   next != args.end()) {
            if (const auto* number = std::get_if<long long>(next)) {
                std::string digits = std::to_string(*number);
                out.append(digits.begin(), digits.end());
            } else {
                out += std::get<std::u16string_view>(*next);
            }
            ++next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace lumora
