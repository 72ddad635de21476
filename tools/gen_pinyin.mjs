// Writes data/pinyin_table_data.cpp, the pinyin of the 6,768 code points of the GB2312
// Chinese-character area, from the single-character readings of the npm package pinyin-pro.
//
//   npm ci --prefix tools                 # the version pinned in tools/package-lock.json
//   node tools/gen_pinyin.mjs [PINYIN_PRO_DIR [OUTPUT]]
//
// PINYIN_PRO_DIR defaults to tools/node_modules/pinyin-pro, OUTPUT to data/pinyin_table_data.cpp.
// The output depends on nothing but the package's files, so the same version gives the same
// bytes on any machine; tests/pinyin_regen.cmake checks exactly that.
//
// The table's layout is described in data/pinyin_table.h. Readings lose their tones, ü and ê
// (and a "v" standing for ü) become u and e. A character keeps its distinct readings in the
// package's order, the common one first, at most three. A reading is stored as (initial, final),
// a final alone, or, for the few syllables without a vowel (ng, n, m), as the initial pieces
// that spell it. A reading that no two pieces spell is left out of a character's list and named
// in the output's heading; a character whose first reading cannot be spelled stops the run.

import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const toolsDir = dirname(fileURLToPath(import.meta.url));
const packageDir = resolve(process.argv[2] ?? join(toolsDir, 'node_modules', 'pinyin-pro'));
const outputFile = resolve(process.argv[3] ?? join(toolsDir, '..', 'data', 'pinyin_table_data.cpp'));

function fail(message) {
    process.stderr.write(`gen_pinyin: ${message}\n`);
    process.exit(1);
}

// Numbers 1..23 are initials, 24..55 finals; index 0 is "no piece".
const PIECES = [
    '',
    'zh', 'ch', 'sh', 'b', 'p', 'm', 'f', 'd', 't', 'n', 'l', 'g',
    'k', 'h', 'j', 'q', 'x', 'r', 'z', 'c', 's', 'y', 'w',
    'ang', 'eng', 'an', 'ai', 'ao', 'ou', 'er', 'en', 'ei', 'a', 'o', 'e',
    'uang', 'iang', 'iong', 'ing', 'ong', 'uai', 'uan', 'iao', 'ian', 'ui',
    'iu', 'ie', 'ue', 'in', 'un', 'ia', 'ua', 'uo', 'i', 'u',
];
const LAST_INITIAL = 23;

// The 38 characters without a reading in the table, most of them radicals, whatever the package
// gives them; D7 FA..D7 FE are unassigned in GB2312 and are 0 as well.
const NO_READING = `
    D8BC D8CE D8D6 D8E7 D8E9 D9E8 D9EF D9FB DAA2 DAA5 DAE0 DAE2 DBC8 DBC9 DCB3 DEC3 DED0 DFBC
    E1EA E1EB E2BA E2BB E2E0 E3DC E3DF E5B2 E5C1 E5E6 E5F8 E6F9 EBB6 ECE1 ECEA EDB1 EEC4 F0DA
    F1C2 F2AE D7FA D7FB D7FC D7FD D7FE`.trim().split(/\s+/).map((hex) => parseInt(hex, 16));

const pinnedVersion =
    JSON.parse(readFileSync(join(toolsDir, 'package.json'), 'utf8')).dependencies['pinyin-pro'];
const packageJson = join(packageDir, 'package.json');
if (!existsSync(packageJson)) {
    fail(`no pinyin-pro package at ${packageDir}; run: npm ci --prefix tools`);
}
const version = JSON.parse(readFileSync(packageJson, 'utf8')).version;
if (version !== pinnedVersion) {
    fail(`pinyin-pro ${version} at ${packageDir}, but tools/package.json pins ${pinnedVersion}`);
}
// The package's own single-character dictionary: character -> readings with tones, separated by
// spaces, the common reading first.
const dictFile = join(packageDir, 'dist', 'esm', 'data', 'dict1.mjs');
if (!existsSync(dictFile)) {
    fail(`${dictFile} is missing; the package's layout has changed`);
}
const { default: singleCharacters } = await import(pathToFileURL(dictFile).href);

function toneless(reading) {
    return reading.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replaceAll('v', 'u');
}

// The reading value of a syllable, or null when no two pieces spell it.
function readingValue(syllable) {
    const final = PIECES.indexOf(syllable);
    if (final > LAST_INITIAL) {
        return { value: final, plain: true };
    }
    for (let initial = 1; initial <= LAST_INITIAL; ++initial) {
        const piece = PIECES[initial];
        if (syllable.startsWith(piece)) {
            const rest = PIECES.indexOf(syllable.slice(piece.length));
            if (rest > LAST_INITIAL) {
                return { value: (rest << 8) | initial, plain: true };
            }
        }
    }
    if (/[aeiou]/.test(syllable)) {
        return null;
    }
    for (let first = 1; first <= LAST_INITIAL; ++first) {
        for (let second = 0; second <= LAST_INITIAL; ++second) {
            if (PIECES[first] + PIECES[second] === syllable) {
                return { value: (second << 8) | first, plain: false };
            }
        }
    }
    return null;
}

const hex4 = (n) => `0x${n.toString(16).toUpperCase().padStart(4, '0')}`;
const bytesOf = (code) => code.toString(16).toUpperCase().replace(/^(..)/, '$1 ');

const gbk = new TextDecoder('gbk', { fatal: true });
const entries = [];
const rows = [];  // { code, char, values, readings }
const notes = [];
const unusual = new Map();  // syllable -> value, for those spelled by initials alone
const noReading = new Set(NO_READING);
for (let f = 0xb0; f <= 0xf7; ++f) {
    for (let s = 0xa1; s <= 0xfe; ++s) {
        const code = (f << 8) | s;
        const char = gbk.decode(new Uint8Array([f, s]));
        if (noReading.has(code)) {
            entries.push({ char, value: 0 });
            continue;
        }
        const source = singleCharacters.get(char);
        if (!source) {
            fail(`${bytesOf(code)} ${char} has no reading in pinyin-pro ${version}`);
        }
        const readings = [];
        for (const syllable of source.trim().split(/\s+/).map(toneless)) {
            if (!/^[a-z]+$/.test(syllable)) {
                fail(`${bytesOf(code)} ${char}: "${syllable}" is not a toneless syllable`);
            }
            if (readings.some((r) => r.syllable === syllable)) {
                continue;
            }
            const spelled = readingValue(syllable);
            if (!spelled) {
                if (readings.length === 0) {
                    fail(`${bytesOf(code)} ${char}: no two pieces spell its first reading ${syllable}`);
                }
                notes.push(`${char} (${bytesOf(code)}) leaves out the reading ${syllable}, which no ` +
                           `two pieces spell`);
                continue;
            }
            if (!spelled.plain) {
                unusual.set(syllable, spelled.value);
            }
            readings.push({ syllable, value: spelled.value });
        }
        if (readings.length > 3) {
            readings.length = 3;
        }
        if (readings.length === 1) {
            entries.push({ char, value: readings[0].value });
        } else {
            entries.push({ char, value: 0x8000 | rows.length });
            const values = [0, 1, 2].map((i) => (readings[i] ? readings[i].value : 0));
            rows.push({ char, values, syllables: readings.map((r) => r.syllable) });
        }
    }
}
for (const [syllable, value] of [...unusual].sort()) {
    const spelling = [value & 0xff, value >> 8].filter((n) => n).map((n) => `"${PIECES[n]}"`);
    notes.push(`${syllable} has no final and is stored as ${spelling.join(' + ')} (${hex4(value)})`);
}

const zeros = entries.filter((e) => e.value === 0).length;
const threes = rows.filter((r) => r.values[2] !== 0).length;
const lines = [];
lines.push(
    `// Generated by tools/gen_pinyin.mjs from pinyin-pro ${version} (MIT licence); do not edit.`,
    `// ${entries.length} entries: ${entries.length - rows.length - zeros} with one reading, ` +
        `${zeros} without, ${rows.length} with several,`,
    `// which point into ${rows.length - threes} polyphone rows of two readings and ${threes} of three.`);
for (const note of notes) {
    lines.push(`// ${note}.`);
}
lines.push(
    '#include "data/pinyin_table.h"',
    '',
    '// clang-format off',
    'namespace {',
    '',
    'constexpr std::string_view pieces[] = {',
    '    "",');
for (const [first, last] of [[1, 12], [13, 23], [24, 35], [36, 45], [46, 55]]) {
    const group = PIECES.slice(first, last + 1).map((p) => `"${p}",`);
    lines.push(`    ${group.join(' ')}  // ${first}..${last}`);
}
lines.push('};', '', '// Row by row, eight entries to a line, with their characters.');
lines.push('constexpr std::uint16_t entries[] = {');
for (let row = 0; row < 72; ++row) {
    lines.push(`    // ${(0xb0 + row).toString(16).toUpperCase()} A1..FE`);
    const rowEntries = entries.slice(row * 94, row * 94 + 94);
    for (let i = 0; i < rowEntries.length; i += 8) {
        const group = rowEntries.slice(i, i + 8);
        const values = group.map((e) => `${hex4(e.value)},`).join(' ');
        const chars = group.map((e) => (/^[\u3400-\u9fff]$/.test(e.char) ? e.char : '_')).join('');
        lines.push(`    ${values.padEnd(63)}  // ${chars}`);
    }
}
lines.push('};', '', '// Numbered from 0 in the code order of their characters.');
lines.push('constexpr std::array<std::uint16_t, 3> polyphones[] = {');
for (const row of rows) {
    const values = row.values.map(hex4).join(', ');
    lines.push(`    {${values}},  // ${row.char} ${row.syllables.join(' ')}`);
}
lines.push(
    '};',
    '',
    '}  // namespace',
    '// clang-format on',
    '',
    'const PinyinTable& pinyinTable() {',
    '    static const PinyinTable table{pieces, entries, polyphones};',
    '    return table;',
    '}',
    '');
writeFileSync(outputFile, lines.join('\n'));
process.stderr.write(
    `gen_pinyin: pinyin-pro ${version}: ${entries.length} entries, ${zeros} zero, ` +
    `${rows.length} polyphone rows (${rows.length - threes} of two readings, ${threes} of three)\n`);
for (const note of notes) {
    process.stderr.write(`gen_pinyin: ${note}\n`);
}
