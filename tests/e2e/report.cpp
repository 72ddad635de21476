#include "tests/e2e/report.h"

#include <algorithm>
#include <cstdio>

#include "tests/e2e/gbk.h"

namespace {

std::string currentGroup;
std::string details;
int failures = 0;

// One line per report: line breaks and other control bytes in a detail are shown escaped.
void printLine(std::string_view kind, std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r') {
            line += "\\r";
        } else if (c == '\n') {
            line += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            line += "\\x" + hexBytes(std::string_view(&c, 1));
        } else {
            line += c;
        }
    }
    std::printf("%.*s %s: %s\n", static_cast<int>(kind.size()), kind.data(), currentGroup.c_str(),
                line.c_str());
    std::fflush(stdout);
}

// A short window of the bytes around the first difference, for a readable failure line.
std::string firstDifference(std::string_view actual, std::string_view expected) {
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) {
        ++at;
    }
    const size_t from = at < 8 ? 0 : at - 8;
    auto around = [&](std::string_view text) {
        return hexBytes(text.substr(std::min(from, text.size()), 24));
    };
    return "lengths " + std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
           " bytes, first difference at byte " + std::to_string(at) + "; got [" + around(actual) +
           "], expected [" + around(expected) + "] from byte " + std::to_string(from);
}

}  // namespace

void reportGroup(std::string_view group) {
    currentGroup = group;
}

void reportPass(std::string_view name) {
    printLine("PASS", name);
}

void reportFail(std::string_view name, std::string_view detail) {
    ++failures;
    printLine("FAIL", std::string(name) + ": " + std::string(detail));
}

void reportSkip(std::string_view name, std::string_view reason) {
    printLine("SKIP", std::string(name) + ": " + std::string(reason));
}

void reportInfo(std::string_view text) {
    printLine("INFO", text);
}

int reportedFailures() {
    return failures;
}

void caseDetail(std::string_view detail) {
    if (!details.empty()) {
        details += "; ";
    }
    details += detail;
}

void runCase(std::string_view name, const std::function<bool()>& body) {
    details.clear();
    bool passed = false;
    try {
        passed = body();
    } catch (const std::exception& error) {
        caseDetail(error.what());
    }
    if (passed) {
        reportPass(name);
    } else {
        reportFail(name, details.empty() ? "failed" : details);
    }
}

bool expectBytes(std::string_view what, std::string_view actual, std::string_view expected) {
    if (actual == expected) {
        return true;
    }
    caseDetail(std::string(what) + " differs: " + firstDifference(actual, expected));
    return false;
}

bool expectTrue(std::string_view what, bool condition) {
    if (!condition) {
        caseDetail(std::string(what) + " does not hold");
    }
    return condition;
}

bool expectNumber(std::string_view what, long long actual, long long expected) {
    if (actual == expected) {
        return true;
    }
    caseDetail(std::string(what) + " is " + std::to_string(actual) + ", expected " +
               std::to_string(expected));
    return false;
}
