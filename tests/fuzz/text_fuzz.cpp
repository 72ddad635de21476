// Arbitrary bytes through every text operation, checking the promises the operations make.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/gbk_text.h"

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

bool isCharacterBoundary(std::string_view bytes, std::size_t index) {
    std::size_t i = 0;
    while (i < index) {
        int n = gbkCharLength(bytes, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return i == index;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // The first bytes choose the cut between haystack and needle and the slice arguments.
    std::size_t cut = data[0] % (size - 2);
    auto s = static_cast<std::int32_t>(static_cast<std::int8_t>(data[1]));
    auto n = static_cast<std::int32_t>(static_cast<std::int8_t>(data[2]));
    std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
    const GbkText haystack = gbkFromBytes(rest.substr(cut % (rest.size() + 1)));
    const GbkText needle = gbkFromBytes(rest.substr(0, cut % (rest.size() + 1)).substr(0, 4));
    std::string_view hay = haystack.bytes();

    check(hay.find('\0') == std::string_view::npos);
    std::int32_t found = gbkFind(haystack, needle);
    if (found != -1) {
        auto at = static_cast<std::size_t>(found - 1);
        check(isCharacterBoundary(hay, at));
        check(hay.substr(at, needle.bytes().size()) == needle.bytes());
    }

    std::int32_t length = gbkLength(haystack);
    check(gbkLength(gbkMid(haystack, s, n)) <= std::max(0, n));
    check(gbkLength(gbkLeft(haystack, n)) == std::clamp(n, 0, length));
    check(gbkLength(gbkRight(haystack, n)) == std::clamp(n, 0, length));
    check(gbkLength(gbkStripSpaces(haystack)) <= length);
    check(gbkLength(gbkToHalfWidth(haystack)) <= length);
    check(gbkConcat(gbkLeft(haystack, n), gbkMid(haystack, std::max(n, 0) + 1, length)) ==
          haystack);

    GbkTextList pieces = gbkSplit(haystack, needle);
    if (!gbkIsEmpty(needle) && !gbkIsEmpty(haystack)) {
        std::string joined;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (i > 0) {
                joined += needle.bytes();
            }
            joined += pieces[i].bytes();
        }
        // Joined back, the pieces give the text up to a trailing separator (and any
        // separators the scan did not reach after a dangling lead byte are in the last piece).
        check(hay.substr(0, joined.size()) == joined);
        std::string_view tail = hay.substr(joined.size());
        check(tail.empty() || tail == needle.bytes());
    }
    return 0;
}
