#include "tests/e2e/mozhou_process.h"

#include <vector>

#include "app/control_ids.h"
#include "tests/e2e/gbk.h"
#include "tests/e2e/report.h"
#include "tests/e2e/wait.h"
#include "tests/e2e/window_access.h"

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kExitTimeoutMs = 15000;
constexpr wchar_t kDialogClass[] = L"#32770";

std::wstring staticTextsOf(HWND dialog) {
    std::wstring text;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM context) -> BOOL {
            if (classNameOf(child) == L"Static") {
                auto& text = *reinterpret_cast<std::wstring*>(context);
                text += wideTextOf(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

}  // namespace

MozhouProcess::MozhouProcess(const std::wstring& folder, const std::wstring& workingFolder,
                             Wait wait) {
    const std::wstring exe = folder + L"\\mozhou.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const std::int64_t start = nowMs();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? folder.c_str() : workingFolder.c_str(), &startup,
                        &started)) {
        throw DriverError("cannot start mozhou.exe (error " + std::to_string(GetLastError()) + ")");
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
    if (wait == Wait::ForNothing) {
        return;
    }

    const bool shown = waitUntil(kStartTimeoutMs, [&] {
        const auto windows = visibleWindowsOf(processId_, MOZHOU_WINDOW_CLASS);
        if (!windows.empty()) {
            window_ = windows.front();
            return true;
        }
        return !running();
    });
    if (!shown || window_ == nullptr) {
        const std::wstring box = messageBoxTextOf(processId_);
        std::string what = running() ? "mozhou.exe showed no window within " +
                                           std::to_string(kStartTimeoutMs) + " ms"
                                     : "mozhou.exe ended before showing its window";
        if (!box.empty()) {
            what += "; its message box says: " + utf8FromWide(box);
        }
        throw DriverError(what);
    }
    roundTrip(window_);
    startUpMs_ = nowMs() - start;
}

MozhouProcess::~MozhouProcess() {
    if (process_ == nullptr) {
        return;
    }
    if (running()) {
        dismissMessageBoxesOf(processId_);
        if (window_ != nullptr) {
            PostMessageW(window_, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process_, kExitTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, kExitTimeoutMs);
        }
    }
    CloseHandle(process_);
}

bool MozhouProcess::running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD MozhouProcess::close() {
    PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return waitForExit(kExitTimeoutMs);
}

DWORD MozhouProcess::waitForExit(int timeoutMs) {
    awaitCondition("mozhou.exe to end", timeoutMs, [&] { return !running(); });
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

void MozhouProcess::terminate() {
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kExitTimeoutMs);
    }
}

std::wstring messageBoxTextOf(DWORD processId) {
    const auto boxes = visibleWindowsOf(processId, kDialogClass);
    return boxes.empty() ? std::wstring() : staticTextsOf(boxes.front());
}

int messageBoxCountOf(DWORD processId) {
    return static_cast<int>(visibleWindowsOf(processId, kDialogClass).size());
}

void dismissMessageBoxesOf(DWORD processId) {
    for (HWND box : visibleWindowsOf(processId, kDialogClass)) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}
