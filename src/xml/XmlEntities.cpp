#include "xml/XmlEntities.h"

#include <algorithm>
#include <array>

#include "xml/XmlSearch.h"

namespace lumora {

namespace {

// HTML 4.01 (Latin-1, symbols, special) and "apos", sorted by folded name; the
// capitalised member of a case pair comes first.
constexpr std::array<NamedReference, 253> kNamed = {{
    {u"Aacute", 193},   {u"aacute", 225},  {u"Acirc", 194},   {u"acirc", 226},   {u"acute", 180},
    {u"AElig", 198},    {u"aelig", 230},   {u"Agrave", 192},  {u"agrave", 224},  {u"alefsym", 8501},
    {u"Alpha", 913},    {u"alpha", 945},   {u"amp", 38},      {u"and", 8743},    {u"ang", 8736},
    {u"apos", 39},      {u"Aring", 197},   {u"aring", 229},   {u"asymp", 8776},  {u"Atilde", 195},
    {u"atilde", 227},   {u"Auml", 196},    {u"auml", 228},    {u"bdquo", 8222},  {u"Beta", 914},
    {u"beta", 946},     {u"brvbar", 166},  {u"bull", 8226},   {u"cap", 8745},    {u"Ccedil", 199},
    {u"ccedil", 231},   {u"cedil", 184},   {u"cent", 162},    {u"Chi", 935},     {u"chi", 967},
    {u"circ", 710},     {u"clubs", 9827},  {u"cong", 8773},   {u"copy", 169},    {u"crarr", 8629},
    {u"cup", 8746},     {u"curren", 164},  {u"Dagger", 8225}, {u"dagger", 8224}, {u"dArr", 8659},
    {u"darr", 8595},    {u"deg", 176},     {u"Delta", 916},   {u"delta", 948},   {u"diams", 9830},
    {u"divide", 247},   {u"Eacute", 201},  {u"eacute", 233},  {u"Ecirc", 202},   {u"ecirc", 234},
    {u"Egrave", 200},   {u"egrave", 232},  {u"empty", 8709},  {u"emsp", 8195},   {u"ensp", 8194},
    {u"Epsilon", 917},  {u"epsilon", 949}, {u"equiv", 8801},  {u"Eta", 919},     {u"eta", 951},
    {u"ETH", 208},      {u"eth", 240},     {u"Euml", 203},    {u"euml", 235},    {u"euro", 8364},
    {u"exist", 8707},   {u"fnof", 402},    {u"forall", 8704}, {u"frac12", 189},  {u"frac14", 188},
    {u"frac34", 190},   {u"frasl", 8260},  {u"Gamma", 915},   {u"gamma", 947},   {u"ge", 8805},
    {u"gt", 62},        {u"hArr", 8660},   {u"harr", 8596},   {u"hearts", 9829}, {u"hellip", 8230},
    {u"Iacute", 205},   {u"iacute", 237},  {u"Icirc", 206},   {u"icirc", 238},   {u"iexcl", 161},
    {u"Igrave", 204},   {u"igrave", 236},  {u"image", 8465},  {u"infin", 8734},  {u"int", 8747},
    {u"Iota", 921},     {u"iota", 953},    {u"iquest", 191},  {u"isin", 8712},   {u"Iuml", 207},
    {u"iuml", 239},     {u"Kappa", 922},   {u"kappa", 954},   {u"Lambda", 923},  {u"lambda", 955},
    {u"lang", 9001},    {u"laquo", 171},   {u"lArr", 8656},   {u"larr", 8592},   {u"lceil", 8968},
    {u"ldquo", 8220},   {u"le", 8804},     {u"lfloor", 8970}, {u"lowast", 8727}, {u"loz", 9674},
    {u"lrm", 8206},     {u"lsaquo", 8249}, {u"lsquo", 8216},  {u"lt", 60},       {u"macr", 175},
    {u"mdash", 8212},   {u"micro", 181},   {u"middot", 183},  {u"minus", 8722},  {u"Mu", 924},
    {u"mu", 956},       {u"nabla", 8711},  {u"nbsp", 160},    {u"ndash", 8211},  {u"ne", 8800},
    {u"ni", 8715},      {u"not", 172},     {u"notin", 8713},  {u"nsub", 8836},   {u"Ntilde", 209},
    {u"ntilde", 241},   {u"Nu", 925},      {u"nu", 957},      {u"Oacute", 211},  {u"oacute", 243},
    {u"Ocirc", 212},    {u"ocirc", 244},   {u"OElig", 338},   {u"oelig", 339},   {u"Ograve", 210},
    {u"ograve", 242},   {u"oline", 8254},  {u"Omega", 937},   {u"omega", 969},   {u"Omicron", 927},
    {u"omicron", 959},  {u"oplus", 8853},  {u"or", 8744},     {u"ordf", 170},    {u"ordm", 186},
    {u"Oslash", 216},   {u"oslash", 248},  {u"Otilde", 213},  {u"otilde", 245},  {u"otimes", 8855},
    {u"Ouml", 214},     {u"ouml", 246},    {u"para", 182},    {u"part", 8706},   {u"permil", 8240},
    {u"perp", 8869},    {u"Phi", 934},     {u"phi", 966},     {u"Pi", 928},      {u"pi", 960},
    {u"piv", 982},      {u"plusmn", 177},  {u"pound", 163},   {u"Prime", 8243},  {u"prime", 8242},
    {u"prod", 8719},    {u"prop", 8733},   {u"Psi", 936},     {u"psi", 968},     {u"quot", 34},
    {u"radic", 8730},   {u"rang", 9002},   {u"raquo", 187},   {u"rArr", 8658},   {u"rarr", 8594},
    {u"rceil", 8969},   {u"rdquo", 8221},  {u"real", 8476},   {u"reg", 174},     {u"rfloor", 8971},
    {u"Rho", 929},      {u"rho", 961},     {u"rlm", 8207},    {u"rsaquo", 8250}, {u"rsquo", 8217},
    {u"sbquo", 8218},   {u"Scaron", 352},  {u"scaron", 353},  {u"sdot", 8901},   {u"sect", 167},
    {u"shy", 173},      {u"Sigma", 931},   {u"sigma", 963},   {u"sigmaf", 962},  {u"sim", 8764},
    {u"spades", 9824},  {u"sub", 8834},    {u"sube", 8838},   {u"sum", 8721},    {u"sup", 8835},
    {u"sup1", 185},     {u"sup2", 178},    {u"sup3", 179},    {u"supe", 8839},   {u"szlig", 223},
    {u"Tau", 932},      {u"tau", 964},     {u"there4", 8756}, {u"Theta", 920},   {u"theta", 952},
    {u"thetasym", 977}, {u"thinsp", 8201}, {u"THORN", 222},   {u"thorn", 254},   {u"tilde", 732},
    {u"times", 215},    {u"trade", 8482},  {u"Uacute", 218},  {u"uacute", 250},  {u"uArr", 8657},
    {u"uarr", 8593},    {u"Ucirc", 219},   {u"ucirc", 251},   {u"Ugrave", 217},  {u"ugrave", 249},
    {u"uml", 168},      {u"upsih", 978},   {u"Upsilon", 933}, {u"upsilon", 965}, {u"Uuml", 220},
    {u"uuml", 252},     {u"weierp", 8472}, {u"Xi", 926},      {u"xi", 958},      {u"Yacute", 221},
    {u"yacute", 253},   {u"yen", 165},     {u"Yuml", 376},    {u"yuml", 255},    {u"Zeta", 918},
    {u"zeta", 950},     {u"zwj", 8205},    {u"zwnj", 8204},
}};

constexpr char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

// The longest name has 8 characters, all ASCII: a folded name packs into one
// integer, first character highest, so packed names sort as the names do.
constexpr size_t kLongestName = 8;

constexpr uint64_t Pack(std::u16string_view name) {
    uint64_t key = 0;
    for (size_t i = 0; i < kLongestName; ++i) key = key << 8 | (i < name.size() ? Fold(name[i]) : 0);
    return key;
}

constexpr auto kKeys = [] {
    std::array<uint64_t, kNamed.size()> keys{};
    for (size_t i = 0; i < kNamed.size(); ++i) keys[i] = Pack(kNamed[i].name);
    return keys;
}();

static_assert(std::is_sorted(kKeys.begin(), kKeys.end()), "the table is sorted by folded name");

// A reference name has at most 9 characters.
constexpr size_t kMaxName = 9;

// Value of a numeric reference body (after '#'); 0 when it has no digits.
uint32_t NumericValue(std::u16string_view body) {
    uint32_t value = 0;
    if (!body.empty() && (body[0] == u'x' || body[0] == u'X')) {
        for (size_t i = 1; i < body.size(); ++i) {
            const char16_t c = body[i];
            uint32_t digit;
            if (c >= u'0' && c <= u'9')
                digit = c - u'0';
            else if (c >= u'a' && c <= u'f')
                digit = c - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                digit = c - u'A' + 10;
            else
                break;
            value = value * 16 + digit;  // at most 7 digits fit in a name
        }
        return value;
    }
    for (char16_t c : body) {
        if (c < u'0' || c > u'9') break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

std::span<const NamedReference> NamedReferences() { return kNamed; }

uint32_t LookUpNamedReference(std::u16string_view name) {
    if (name.empty() || name.size() > kLongestName) return 0;
    for (char16_t c : name)
        if (c >= 0x80) return 0;
    const uint64_t key = Pack(name);
    switch (key) {  // the five of XML itself, by far the most common
        case Pack(u"amp"): return u'&';
        case Pack(u"lt"): return u'<';
        case Pack(u"gt"): return u'>';
        case Pack(u"quot"): return u'"';
        case Pack(u"apos"): return u'\'';
        default: break;
    }
    const auto at = std::lower_bound(kKeys.begin(), kKeys.end(), key);
    if (at == kKeys.end() || *at != key) return 0;
    const size_t i = static_cast<size_t>(at - kKeys.begin());
    if (i + 1 == kKeys.size() || kKeys[i + 1] != key) return kNamed[i].codePoint;
    // A case pair: the exact spelling wins; otherwise the member whose case agrees
    // at the first letter where the two differ.
    const NamedReference& upper = kNamed[i];
    const NamedReference& lower = kNamed[i + 1];
    if (lower.name == name) return lower.codePoint;
    if (upper.name == name) return upper.codePoint;
    size_t k = 0;
    while (upper.name[k] == lower.name[k]) ++k;
    return name[k] == upper.name[k] ? upper.codePoint : lower.codePoint;
}

size_t DecodeInto(std::u16string_view text, char16_t* out) {
    char16_t* const begin = out;
    size_t copied = 0;
    size_t amp = xml_search::FindWide(text, 0, u'&');
    while (amp < text.size()) {
        // A reference is '&', at most kMaxName characters below U+0080, and ';'.
        size_t semi = amp + 1;
        const size_t limit = std::min(text.size(), amp + 2 + kMaxName);
        while (semi < limit && text[semi] != u';' && text[semi] < 0x80) ++semi;
        uint32_t value = 0;
        if (semi < limit && text[semi] == u';') {
            const std::u16string_view name = text.substr(amp + 1, semi - amp - 1);
            value =
                !name.empty() && name[0] == u'#' ? NumericValue(name.substr(1)) : LookUpNamedReference(name);
        }
        // Beyond U+10FFFF there is no character, and no surrogate pair could say it.
        if (value == 0 || value > 0x10FFFF) {
            amp = xml_search::FindWide(text, amp + 1, u'&');
            continue;
        }
        out = std::copy(text.data() + copied, text.data() + amp, out);
        if (value < 0x10000) {
            *out++ = static_cast<char16_t>(value);
        } else {
            const uint32_t v = value - 0x10000;
            *out++ = static_cast<char16_t>(0xD800 + ((v >> 10) & 0x3FF));
            *out++ = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        }
        copied = semi + 1;
        amp = xml_search::FindWide(text, copied, u'&');
    }
    out = std::copy(text.data() + copied, text.data() + text.size(), out);
    return static_cast<size_t>(out - begin);
}

void AppendDecoded(std::u16string& out, std::u16string_view text) {
    const size_t old = out.size();
    out.resize(old + text.size());
    out.resize(old + DecodeInto(text, out.data() + old));
}

std::u16string DecodeReferences(std::u16string_view text) {
    std::u16string out;
    AppendDecoded(out, text);
    return out;
}

}  // namespace lumora
