#include "cli/gbk_utf8.h"

#include <iconv.h>

#include <cerrno>

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; stops at the first byte it cannot take and says where.
    std::size_t convert(std::string_view in, std::string& out) {
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[4096];
        while (left > 0) {
            char* dst = buffer;
            std::size_t room = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                break;
            }
        }
        return in.size() - left;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<GbkText> gbkFromUtf8(std::string_view utf8) {
    Converter converter("CP936", "UTF-8");
    std::string out;
    if (converter.convert(utf8, out) != utf8.size()) {
        return std::nullopt;
    }
    return GbkText(out);
}

std::string gbkToUtf8(const GbkText& text) {
    std::string_view bytes = text.bytes();
    std::string out;
    while (!bytes.empty()) {
        Converter converter("UTF-8", "CP936");
        std::size_t done = converter.convert(bytes, out);
        if (done == bytes.size()) {
            break;
        }
        out += "\xEF\xBF\xBD";
        bytes.remove_prefix(done + 1);
    }
    return out;
}

std::string gbkJoinToUtf8(const GbkTextList& texts, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += gbkToUtf8(texts[i]);
    }
    return out;
}
