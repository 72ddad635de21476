#include "cli/json.h"

#include "cli/gbk_utf8.h"

namespace {

// The length of the well-formed UTF-8 sequence at i, or 0.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return n;
}

}  // namespace

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        const char ch = utf8[i];
        const auto c = static_cast<unsigned char>(ch);
        const std::size_t n = utf8SequenceLength(utf8, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            ++i;
            continue;
        }
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += utf8.substr(i, n);
        }
        i += n;
    }
    return out + "\"";
}

std::string jsonArrayOfGbk(const GbkTextList& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += i ? "," : "";
        out += jsonString(gbkToUtf8(texts[i]));
    }
    return out + "]";
}
