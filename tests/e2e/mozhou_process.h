// One running copy of mozhou.exe, started by the driver from a folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class MozhouProcess {
public:
    enum class Wait { ForWindow, ForNothing };

    // Starts folder\mozhou.exe, in workingFolder when one is given and else in its own folder,
    // and waits until its main window is shown and answers messages: a program that ends or
    // shows only a message box instead is a DriverError. Wait::ForNothing returns at once.
    explicit MozhouProcess(const std::wstring& folder, const std::wstring& workingFolder = {},
                           Wait wait = Wait::ForWindow);
    // A program still running at the end of a case is asked to close and, failing that, ended.
    ~MozhouProcess();
    MozhouProcess(const MozhouProcess&) = delete;
    MozhouProcess& operator=(const MozhouProcess&) = delete;

    HWND window() const { return window_; }
    DWORD processId() const { return processId_; }
    bool running() const;
    // From the start of the process until its window was shown and answering.
    std::int64_t startUpMs() const { return startUpMs_; }

    // A close request, as the close box sends it; gives the exit code once the process ended.
    DWORD close();
    // Waits for the process to end by itself; gives its exit code.
    DWORD waitForExit(int timeoutMs);
    // Ends the process at once, for a program that cannot answer within the case's time.
    void terminate();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    std::int64_t startUpMs_ = 0;
};

// The text of the first message box that the process shows, or empty when it shows none.
std::wstring messageBoxTextOf(DWORD processId);
// The message boxes the process shows now.
int messageBoxCountOf(DWORD processId);
// Dismisses the process's message boxes, as pressing their OK button does.
void dismissMessageBoxesOf(DWORD processId);
