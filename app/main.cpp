// mozhou.exe: creates the program-wide state and the main window, runs the message loop until
// the window is gone, and releases everything at the end.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/program_files.h"
#include "app/program.h"
#include "app/start_up.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The manifest asks for the common controls of version 6; loading them gives the window's
    // buttons and edit boxes their current look.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Program program;
    program.directory = programDirectory();
    if (program.directory.empty()) {
        // 找不到程序所在的文件夹。
        failFatally(program,
                    L"\u627E\u4E0D\u5230\u7A0B\u5E8F\u6240\u5728\u7684\u6587\u4EF6\u5939\u3002",
                    kExitNoWindow);
        return program.exitCode;
    }

    HWND window = createMainWindow(instance, program);
    if (window == nullptr) {
        if (!program.failed) {
            // 无法创建主窗口。
            failFatally(program, L"\u65E0\u6CD5\u521B\u5EFA\u4E3B\u7A97\u53E3\u3002",
                        kExitNoWindow);
        }
        return program.exitCode;
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    releaseAtExit(program);
    // The skinning library is unloaded when program goes, after every window of it is gone.
    return program.exitCode;
}
