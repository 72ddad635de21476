#!/usr/bin/env bash
# The console front end as a user runs it: arguments, standard input, output bytes, exit codes.
set -uo pipefail
cli=$1
passed=0
failed=0

check() {  # name, expected, actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    fi
}

gbk() { printf '%s' "$1" | iconv -f UTF-8 -t CP936; }

# --raw: GBK bytes in, the result box's GBK bytes out, CR LF kept, nothing added.
expected=$(printf '\r\n五笔编码：\r\n\r\n(中)的编码：  khk \r\n\r\n拼音编码：\r\n\r\n(中)的编码：  zhong' |
    iconv -f UTF-8 -t CP936 | od -An -tx1)
actual=$(gbk '中' | "$cli" query --raw | od -An -tx1)
check "query --raw 中" "$expected" "$actual"

# UTF-8 text as an argument and on standard input (its final line break ends the line).
check "query argument" "$(printf '\n词组编码：\n\n词语(中国)五笔编码：  khlg')" \
    "$("$cli" query 中国 | head -4)"
check "query stdin" "$("$cli" query 中国)" "$(printf '中国\n' | "$cli" query)"

# Screened input shows the warning; input that shows nothing leaves the about text.
check "query warning" "提示您：" "$("$cli" query 中国2 | sed -n 5p)"
check "query unchanged" "$("$cli" query '')" "$("$cli" query '中A')"
check "about text first line" "墨舟V4.12修复版" "$("$cli" query '' | sed -n 2p)"

# Raw bytes come back as they were, pairs cut across characters included: (A and a lead byte).
actual=$(printf 'A\xB0\xA1\xB0\xA1\xB0\xA1' | "$cli" query --raw | od -An -tx1 -v | tr -d ' \n')
check "query --raw keeps bytes" "1 1" \
    "$(grep -c '2841b0a1b0a1b0a129' <<<"$actual") $(grep -c '2841b029' <<<"$actual")"

check "codes" "$(printf '中\tkhk\tzhong\tk kh\n中国\tkhlg\tzhongguo')" \
    "$(printf '中\n中国\n' | "$cli" codes)"
check "codes unknown" "$(printf 'a中\t?\t\tnot in the dictionary: a')" "$(printf 'a中\n' | "$cli" codes)"
check "codes json" '{"word":"爱","code":"epdc","pinyin":"ai","short":["epd","ep"]}' \
    "$(printf '爱\n' | "$cli" codes --json)"

# Exit codes: bad usage and text GBK cannot hold are 2.
"$cli" >/dev/null 2>&1; check "no command" 2 $?
"$cli" frobnicate >/dev/null 2>&1; check "unknown command" 2 $?
"$cli" query --bogus >/dev/null 2>&1; check "bad option" 2 $?
"$cli" query '😀' >/dev/null 2>&1; check "not GBK" 2 $?
"$cli" --help >/dev/null; check "help" 0 $?

# pinyin: every character of a reading, polyphones under any of their readings, ü as v or u.
check "pinyin" "$(printf 'zhong\t中\tkhk\tk kh\nzhong\t盅\tkhlf\tkhl')" "$("$cli" pinyin zhong | head -2)"
check "pinyin second reading" "$(printf 'hang\t行\ttfhh\ttf')" "$("$cli" pinyin hang | grep '行')"
check "pinyin v and u" "$("$cli" pinyin lu)" "$("$cli" pinyin LV)"
check "pinyin json" '{"input":"Xyz","reading":"xyz","characters":[]}' \
    "$("$cli" pinyin --json Xyz 2>/dev/null)"
out=$("$cli" pinyin xyz zhong 2>/dev/null); check "pinyin unknown reading" "1 18" "$? $(wc -l <<<"$out")"

# decode: exact matches marked, then the longer full codes that begin with the code.
check "decode" "$(printf 'khk\tfull\t中\tkhk\tk kh\nkhk\tcandidate\t躁\tkhks\t')" \
    "$("$cli" decode KHK)"
check "decode shared short code" "$(printf 'dw\tshort\t春\tdwjf\tdwj dw\ndw\tshort\t舂\tdwvf\tdwv dw')" \
    "$("$cli" decode dw | head -2)"
check "decode json" \
    '{"input":"trnt","code":"trnt","exact":[{"character":"我","full":"trnt","short":["q","trn"],"match":"full"}],"candidates":[]}' \
    "$("$cli" decode --json trnt)"
check "decode json bad code" '{"input":"z","code":null,"error":"a code is written with the letters a to y only"}' \
    "$("$cli" decode --json z 2>/dev/null)"
out=$("$cli" decode z k 2>/dev/null); check "decode bad code" "2 1" "$? $(grep -c "$(printf '^k\tshort\t中')" <<<"$out")"
"$cli" decode abcde >/dev/null 2>&1; check "decode too long" 2 $?
"$cli" decode li >/dev/null 2>&1; check "decode code of nothing" 1 $?
"$cli" pinyin >/dev/null 2>&1; check "pinyin without reading" 2 $?
"$cli" decode --bogus k >/dev/null 2>&1; check "decode bad option" 2 $?
"$cli" decode --help >/dev/null; check "decode help" 0 $?

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
