// What a run of the driver prints, one line per case, for the runners to count:
//   PASS group: case
//   FAIL group: case: what was wrong
//   SKIP group: case: why Wine cannot show it
//   INFO group: a measurement
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// Thrown when the program does not answer or a step cannot be carried out; the case fails.
class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void reportGroup(std::string_view group);
void reportPass(std::string_view name);
void reportFail(std::string_view name, std::string_view detail);
void reportSkip(std::string_view name, std::string_view reason);
void reportInfo(std::string_view text);
int reportedFailures();

// Runs one case: it passes when it returns true and throws nothing. A case that returns false
// has reported its own failure details through caseDetail.
void runCase(std::string_view name, const std::function<bool()>& body);
void caseDetail(std::string_view detail);

// Comparisons that note what differs for the failure line; they return whether they held.
bool expectBytes(std::string_view what, std::string_view actual, std::string_view expected);
bool expectTrue(std::string_view what, bool condition);
bool expectNumber(std::string_view what, long long actual, long long expected);
