#include "tests/e2e/keyboard.h"

#include <vector>

#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"

namespace {

constexpr int kFocusTimeoutMs = 5000;

INPUT keyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

void send(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) {
        throw DriverError("SendInput delivered " + std::to_string(sent) + " of " +
                          std::to_string(inputs.size()) + " key events");
    }
}

LRESULT CALLBACK ownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void focusControl(HWND main, HWND control) {
    const DWORD own = GetCurrentThreadId();
    const DWORD target = GetWindowThreadProcessId(main, nullptr);
    // Sharing the input state with the program's thread lets SetFocus reach its control. The
    // activation settles after SetForegroundWindow returns and may put the focus elsewhere, so
    // each step is repeated until both hold.
    AttachThreadInput(own, target, TRUE);
    const bool focused = waitUntil(kFocusTimeoutMs, [&] {
        if (GetForegroundWindow() != main) {
            SetForegroundWindow(main);
            return false;
        }
        if (GetFocus() != control) {
            SetFocus(control);
            return false;
        }
        return true;
    });
    AttachThreadInput(own, target, FALSE);
    if (!focused) {
        throw DriverError("cannot give the control the focus");
    }
}

void pressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(keyInput(modifier, 0));
    }
    inputs.push_back(keyInput(key, 0));
    inputs.push_back(keyInput(key, KEYEVENTF_KEYUP));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(keyInput(*modifier, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

void pressKeypadEnter() {
    send({keyInput(VK_RETURN, KEYEVENTF_EXTENDEDKEY),
          keyInput(VK_RETURN, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP)});
}

void typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    send(inputs);
}

OwnWindow::OwnWindow() {
    static const wchar_t kClass[] = L"MozhouE2EDriverWindow";
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ownWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClass;
        RegisterClassW(&windowClass);
        registered = true;
    }
    window_ = CreateWindowExW(0, kClass, L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                              20, 240, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        throw DriverError("cannot create the driver's own window");
    }
    pumpOwnMessages();
}

OwnWindow::~OwnWindow() {
    DestroyWindow(window_);
}

void OwnWindow::activate() const {
    SetForegroundWindow(window_);
    SetFocus(window_);
    awaitCondition("the driver's window to come to the foreground", kFocusTimeoutMs,
                   [&] { return GetForegroundWindow() == window_; });
}
