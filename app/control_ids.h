// The main window's class, title and control ids, shared by the program and by the test drivers
// that find its controls from outside.
#pragma once

#define MOZHOU_WINDOW_CLASS L"MozhouMainWindow"
// 墨舟V4.12修复版
#define MOZHOU_WINDOW_TITLE L"\u58A8\u821FV4.12\u4FEE\u590D\u7248"

enum ControlId {
    IDC_INPUT = 1001,                  // 编辑框1, the input box
    IDC_RESULT = 1002,                 // 编辑框2, the result box
    IDC_DICTIONARY_HOLDER = 1003,      // 编辑框3
    IDC_FORBIDDEN_LIST_HOLDER = 1004,  // 编辑框4
    IDC_WARNING_TEXT_HOLDER = 1005,    // 编辑框5
    IDC_VOCABULARY = 1006,             // 编辑框6, the vocabulary box, a child of the panel
    IDC_QUERY_BUTTON = 1011,           // 按钮1, hidden
    IDC_PASTE_BUTTON = 1012,           // 按钮2
    IDC_ADD_BUTTON = 1013,             // 按钮3
    IDC_VOCABULARY_PANEL = 1020,       // 分组框1, the group box
};
