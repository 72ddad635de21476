// Texts the program shows or writes that do not come from the console front end: the fixed
// texts of the window and the book entries of known words.
#pragma once

#include <string>

// The about text up to the maker's credits, which follow it as two lines apart.
std::string aboutTextBeforeCredits();
// The result box's text when the input holds a digit, a lower-case letter or a sign.
std::string warningText();

// The window's fixed captions.
std::wstring titleText();
std::wstring addButtonText();
std::wstring pasteButtonText();
std::wstring panelText();

// Whether text is the about text: the fixed part, then two non-empty lines of credits separated
// by an empty line, with no line break at the end.
bool isAboutText(const std::string& text);
