#include "xml/XmlProblemLog.h"

namespace lumora {

void XmlProblemLog::Add(const XmlProblem& problem) {
    if (text_.size() >= kCutOff) return;
    text_ += u'<';
    text_ += problem.name;
    if (!problem.type.empty()) AddAttribute(u"type", problem.type);
    if (problem.tagname) AddAttribute(u"tagname", *problem.tagname);
    if (problem.offset) AddAttribute(u"offset", *problem.offset);
    if (problem.offset2) AddAttribute(u"offset2", *problem.offset2);
    text_ += u"/>";
}

void XmlProblemLog::AddAttribute(std::u16string_view name, std::u16string_view value) {
    text_ += u' ';
    text_ += name;
    text_ += u"=\"";
    for (char16_t c : value) {
        switch (c) {
            case u'&': text_ += u"&amp;"; break;
            case u'<': text_ += u"&lt;"; break;
            case u'>': text_ += u"&gt;"; break;
            case u'"': text_ += u"&quot;"; break;
            case u'\'': text_ += u"&apos;"; break;
            default: text_ += c;
        }
    }
    text_ += u'"';
}

void XmlProblemLog::AddAttribute(std::u16string_view name, uint64_t value) {
    char16_t digits[20];
    size_t n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    std::u16string decimal(n, u'0');
    for (size_t i = 0; i < n; ++i) decimal[i] = digits[n - 1 - i];
    AddAttribute(name, decimal);
}

}  // namespace lumora
