// Placeholder until the generated table lands.
#include "data/pinyin_table.h"
