#include "data/pinyin_table.h"

// Placeholder until the table lands.
GbkText pinyinOfChar(const GbkText&) { return GbkText(); }
GbkText pinyinOfText(WindowOperations& window, const GbkText& t) {
    for (std::int32_t i = 0; i < gbkLength(gbkToHalfWidth(t)) / 2; ++i) {
        window.processPendingEvents();
    }
    return GbkText();
}
