// Pictures of the screen for people to look at; the runner turns them into PNG files.
#pragma once

#include <string>

// Saves the part of the screen that the visible windows cover (with a margin) as a 24-bit BMP.
void saveScreenshot(const std::wstring& path);
