#include "app/main_window.h"

#include <string>

#include "app/control_ids.h"
#include "app/resource_ids.h"
#include "app/start_up.h"
#include "query/code_query.h"
#include "query/screening.h"

namespace {

constexpr int kOuterWidth = 284;
constexpr int kOuterHeight = 287;

struct ControlLayout {
    const wchar_t* windowClass;
    int id;
    int x, y, width, height;
    DWORD style;
    DWORD extendedStyle;
};

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kHidden = WS_CHILD;
// Thin single-line borders; the result and vocabulary boxes wrap their lines and scroll down.
constexpr DWORD kLineBorder = WS_BORDER;
constexpr DWORD kWrappingBox =
    kLineBorder | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;

// In the order of creation. No edit box is read-only. The hidden holders scroll sideways or
// downwards so that a text longer than the box is still taken whole.
constexpr ControlLayout kControls[] = {
    {L"BUTTON", IDC_ADD_BUTTON, 151, 10, 72, 24, kShown | BS_PUSHBUTTON, 0},
    {L"BUTTON", IDC_VOCABULARY_PANEL, 280, 8, 272, 240, kShown | BS_GROUPBOX | WS_CLIPCHILDREN, 0},
    {L"EDIT", IDC_VOCABULARY, 8, 16, 256, 216, kShown | kWrappingBox | ES_LEFT, 0},
    {L"EDIT", IDC_WARNING_TEXT_HOLDER, 136, 200, 40, 32,
     kHidden | kLineBorder | ES_MULTILINE | ES_AUTOVSCROLL | ES_CENTER, 0},
    {L"EDIT", IDC_FORBIDDEN_LIST_HOLDER, 48, 208, 40, 16, kHidden | ES_AUTOHSCROLL | ES_LEFT,
     WS_EX_CLIENTEDGE},
    {L"BUTTON", IDC_QUERY_BUTTON, 192, 208, 64, 24, kHidden | BS_PUSHBUTTON, 0},
    {L"EDIT", IDC_DICTIONARY_HOLDER, 96, 208, 24, 16, kHidden | ES_AUTOHSCROLL | ES_LEFT,
     WS_EX_CLIENTEDGE},
    {L"EDIT", IDC_RESULT, 7, 40, 264, 209, kShown | kWrappingBox | ES_CENTER, 0},
    {L"BUTTON", IDC_PASTE_BUTTON, 224, 10, 48, 24, kShown | BS_PUSHBUTTON, 0},
    {L"EDIT", IDC_INPUT, 7, 10, 140, 24, kShown | kLineBorder | ES_AUTOHSCROLL | ES_LEFT, 0},
};

// The edit boxes by role, in the order of EditBox.
constexpr int kEditBoxIds[] = {IDC_INPUT,
                               IDC_RESULT,
                               IDC_DICTIONARY_HOLDER,
                               IDC_FORBIDDEN_LIST_HOLDER,
                               IDC_WARNING_TEXT_HOLDER,
                               IDC_VOCABULARY};

// 宋体 at a character height of 14 pixels, normal weight.
UniqueFont createSimSunFont() {
    return UniqueFont(CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, L"\u5B8B\u4F53"));  // 宋体
}

// The texts of the controls at creation; the edit boxes' texts are set through the window
// operations, which convert them from GBK.
const wchar_t* buttonText(int id) {
    switch (id) {
        case IDC_ADD_BUTTON:
            return L"\u52A0\u5165\u751F\u8BCD\u672C";  // 加入生词本
        case IDC_VOCABULARY_PANEL:
            return L"\u751F\u8BCD\u672C";  // 生词本
        case IDC_QUERY_BUTTON:
            return L"\u67E5\u8BE2\u7F16\u7801";  // 查询编码
        case IDC_PASTE_BUTTON:
            return L"\u7C98\u8D34";  // 粘贴
        default:
            return L"";
    }
}

LRESULT CALLBACK inputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Program* program = programOf(box);
    if (program == nullptr || program->inputBoxProcedure == nullptr) {
        return DefWindowProcW(box, message, wParam, lParam);
    }
    if (message == WM_KEYDOWN) {
        onInputKeyDown(program->window, program->dictionary, program->forbiddenList,
                       static_cast<int>(wParam));
        // A close request handled inside the query has destroyed the box.
        if (!IsWindow(box)) {
            return 0;
        }
    } else if (message == WM_CHAR && wParam == L'\r') {
        // The Enter that the key-down handling has used: a single-line box would only beep.
        return 0;
    }
    return CallWindowProcW(program->inputBoxProcedure, box, message, wParam, lParam);
}

bool createControls(Program& program, HWND window) {
    program.simSunFont = createSimSunFont();
    const auto guiFont = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    HWND panel = nullptr;
    for (const ControlLayout& layout : kControls) {
        const bool inPanel = layout.id == IDC_VOCABULARY;
        HWND control = CreateWindowExW(
            layout.extendedStyle, layout.windowClass, buttonText(layout.id), layout.style, layout.x,
            layout.y, layout.width, layout.height, inPanel ? panel : window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
        if (control == nullptr) {
            return false;
        }
        if (layout.id == IDC_VOCABULARY_PANEL) {
            panel = control;
        }
        const bool simSun = layout.id == IDC_RESULT || layout.id == IDC_VOCABULARY;
        HFONT font = simSun && program.simSunFont ? program.simSunFont.get() : guiFont;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    std::array<HWND, 6> editBoxes{};
    for (std::size_t i = 0; i < editBoxes.size(); ++i) {
        const int id = kEditBoxIds[i];
        editBoxes[i] = GetDlgItem(id == IDC_VOCABULARY ? panel : window, id);
        // The default limit is 30,000 characters; the dictionary alone is longer.
        SendMessageW(editBoxes[i], EM_SETLIMITTEXT, 0, 0);
    }
    program.window.attach(window, editBoxes);

    HWND input = program.window.editBox(EditBox::Input);
    SetWindowLongPtrW(input, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&program));
    program.inputBoxProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(input, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&inputBoxProc)));

    program.window.setText(EditBox::WarningTextHolder, warningText());
    program.window.setText(EditBox::ForbiddenListHolder, storedForbiddenList());
    program.window.setText(EditBox::Result, aboutText());
    return true;
}

// The add button. A failed save is told once, naming the file; the next message comes only
// after a save has worked again.
void onAddButton(Program& program) {
    const SaveOutcome outcome = addToBook(program.window, program.dictionary, *program.book);
    if (outcome == SaveOutcome::Saved) {
        program.saveFailureShown = false;
        return;
    }
    if (outcome != SaveOutcome::Failed || program.saveFailureShown) {
        return;
    }
    program.saveFailureShown = true;
    // 生词本没能保存到文件：
    std::wstring text = L"\u751F\u8BCD\u672C\u6CA1\u80FD\u4FDD\u5B58\u5230\u6587\u4EF6\uFF1A\n" +
                        program.bookFile->path() + L"\n\n";
    if (!program.book->mayReplace) {
        // 启动时没能读取这个文件。为了不丢失其中的内容，程序不会覆盖它。
        text +=
            L"\u542F\u52A8\u65F6\u6CA1\u80FD\u8BFB\u53D6\u8FD9\u4E2A\u6587\u4EF6\u3002"
            L"\u4E3A\u4E86\u4E0D\u4E22\u5931\u5176\u4E2D\u7684\u5185\u5BB9\uFF0C"
            L"\u7A0B\u5E8F\u4E0D\u4F1A\u8986\u76D6\u5B83\u3002";
    } else {
        // 原因：…  生词本中的内容仍在，下次加入生词时会再次保存。
        text += L"\u539F\u56E0\uFF1A" + program.bookFile->failureText() +
                L"\n\n\u751F\u8BCD\u672C\u4E2D\u7684\u5185\u5BB9\u4ECD\u5728\uFF0C"
                L"\u4E0B\u6B21\u52A0\u5165\u751F\u8BCD\u65F6\u4F1A\u518D\u6B21\u4FDD\u5B58\u3002";
    }
    MessageBoxW(program.window.handle(), text.c_str(), MOZHOU_WINDOW_TITLE, MB_OK | MB_ICONWARNING);
}

void onButton(Program& program, HWND button, int id) {
    switch (id) {
        case IDC_ADD_BUTTON:
            onAddButton(program);
            break;
        case IDC_PASTE_BUTTON:
            pasteIntoInput(program.window);
            break;
        case IDC_QUERY_BUTTON:
            runCodeQuery(program.window, program.dictionary);
            return;
        default:
            return;
    }
    // A click leaves the focus on the button; the next word is typed, and Enter pressed, in the
    // input box.
    if (program.window.isAlive() && GetFocus() == button) {
        SetFocus(program.window.editBox(EditBox::Input));
    }
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    Program* program = programOf(window);
    if (program == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CREATE:
            return createControls(*program, window) && runStartUp(*program) ? 0 : -1;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                onButton(*program, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                program->lastFocus = focus != nullptr && IsChild(window, focus) ? focus : nullptr;
            }
            break;
        case WM_SETFOCUS: {
            // Typing goes to the input box at start, and back to where it was after a switch.
            HWND target = program->lastFocus != nullptr && IsWindow(program->lastFocus)
                              ? program->lastFocus
                              : program->window.editBox(EditBox::Input);
            SetFocus(target);
            return 0;
        }
        case WM_CLOSE:
            onCloseRequest(*program);
            break;
        case WM_DESTROY:
            program->window.markDestroyed();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND createMainWindow(HINSTANCE instance, Program& program) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MOZHOU), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MOZHOU),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = MOZHOU_WINDOW_CLASS;
    if (RegisterClassExW(&windowClass) == 0) {
        return nullptr;
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
    return CreateWindowExW(0, MOZHOU_WINDOW_CLASS, MOZHOU_WINDOW_TITLE,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left, top, kOuterWidth,
                           kOuterHeight, nullptr, nullptr, instance, &program);
}

void pasteIntoInput(WindowOperations& window) {
    window.setText(EditBox::Input, window.getClipboardText());
}
