#include "tests/e2e/window_access.h"

#include "app/control_ids.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/report.h"

namespace {

// Long enough for a query that runs for minutes to answer between two of its steps.
constexpr UINT kAnswerTimeoutMs = 30000;

LRESULT sendOrFail(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!IsWindow(window)) {
        throw DriverError("the window is gone");
    }
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerTimeoutMs,
                             &result)) {
        throw DriverError("the window did not answer message " + std::to_string(message) +
                          " within " + std::to_string(kAnswerTimeoutMs) + " ms");
    }
    return static_cast<LRESULT>(result);
}

HWND controlOrFail(HWND parent, int id, const char* name) {
    HWND control = GetDlgItem(parent, id);
    if (control == nullptr) {
        throw DriverError(std::string("the window has no ") + name);
    }
    return control;
}

}  // namespace

MainWindowControls controlsOf(HWND main) {
    MainWindowControls controls{};
    controls.input = controlOrFail(main, IDC_INPUT, "input box");
    controls.result = controlOrFail(main, IDC_RESULT, "result box");
    controls.panel = controlOrFail(main, IDC_VOCABULARY_PANEL, "vocabulary panel");
    controls.vocabulary = controlOrFail(controls.panel, IDC_VOCABULARY, "vocabulary box");
    controls.addButton = controlOrFail(main, IDC_ADD_BUTTON, "add button");
    controls.pasteButton = controlOrFail(main, IDC_PASTE_BUTTON, "paste button");
    return controls;
}

std::optional<int> textLengthWithin(HWND window, int timeoutMs) {
    DWORD_PTR length = 0;
    if (!IsWindow(window) || !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL,
                                                  static_cast<UINT>(timeoutMs), &length)) {
        return std::nullopt;
    }
    return static_cast<int>(length);
}

int textLengthOf(HWND window) {
    return static_cast<int>(sendOrFail(window, WM_GETTEXTLENGTH, 0, 0));
}

std::wstring wideTextOf(HWND window) {
    // The text may grow between the two messages; ask again until it fits.
    for (;;) {
        const int length = textLengthOf(window);
        std::wstring text(static_cast<size_t>(length) + 2, L'\0');
        const auto copied = static_cast<int>(
            sendOrFail(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
        if (copied <= length) {
            text.resize(static_cast<size_t>(copied));
            return text;
        }
    }
}

std::string textOf(HWND window) {
    return gbkFromWide(wideTextOf(window));
}

void setTextOf(HWND window, std::string_view gbk) {
    const std::wstring text = wideFromGbk(gbk);
    sendOrFail(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button) {
    sendOrFail(button, BM_CLICK, 0, 0);
}

void postClick(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void roundTrip(HWND window) {
    sendOrFail(window, WM_NULL, 0, 0);
}

RECT outerRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

int outerWidth(HWND window) {
    const RECT rect = outerRect(window);
    return rect.right - rect.left;
}

RECT clientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

RECT rectInParent(HWND child) {
    RECT rect = outerRect(child);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool isTopmost(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::wstring classNameOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::vector<HWND> visibleWindowsOf(DWORD processId, std::wstring_view className) {
    struct Search {
        DWORD processId;
        std::wstring_view className;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && IsWindowVisible(window) &&
                (search.className.empty() || classNameOf(window) == search.className)) {
                search.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
