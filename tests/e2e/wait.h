// Waiting for a condition: a poll with a deadline, never a pause that hopes. While it waits the
// driver's own thread handles its messages (its focus window, hotkeys it holds, clipboard
// requests), so that nothing on this side stalls the program under test.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

std::int64_t nowMs();

// Polls condition until it holds (true) or timeoutMs has passed (false).
bool waitUntil(int timeoutMs, const std::function<bool()>& condition);

// The same without pausing between polls, for a condition that itself waits for the program's
// answer: a change is seen as soon as the program can show it.
bool spinUntil(int timeoutMs, const std::function<bool()>& condition);

// The same as waitUntil, but a timeout is a DriverError naming what was awaited.
void awaitCondition(std::string_view what, int timeoutMs, const std::function<bool()>& condition);

// Handles every message waiting for the driver's thread; hotkey ids received are counted.
void pumpOwnMessages();
int ownHotkeysReceived(int id);
