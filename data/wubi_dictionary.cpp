#include "data/wubi_dictionary.h"

// Placeholder until the lookups land.
WubiDictionary::WubiDictionary(GbkText text) : text_(std::move(text)) {}
std::int32_t WubiDictionary::find(const GbkText& needle) const { return gbkFind(text_, needle); }
std::int32_t wubiLocate(const WubiDictionary& d, const GbkText& c) { return d.find(c); }
GbkText wubiFullCode(const WubiDictionary& d, const GbkText& c) { return gbkMid(d.text(), wubiLocate(d, c) + 2, 4); }
GbkText wubiFirstTwoCodes(const WubiDictionary& d, const GbkText& c) { return gbkMid(d.text(), wubiLocate(d, c) + 2, 2); }
GbkText wubiFirstCode(const WubiDictionary& d, const GbkText& c) { return gbkMid(d.text(), wubiLocate(d, c) + 2, 1); }
GbkText wubiStoredChar(const WubiDictionary& d, const GbkText& c) { return gbkMid(d.text(), wubiLocate(d, c), 2); }
