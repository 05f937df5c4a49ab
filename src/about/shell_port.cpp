#include "about/shell_port.h"

#include <objbase.h>
#include <shellapi.h>

#include "win/system_library.h"

namespace wp::about {

void SystemShell::shellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                               const char* directory, int showCommand) {
    static win::SystemLibrary ole32(L"ole32.dll");
    static win::SystemLibrary shell32(L"shell32.dll");
    const auto coInitializeEx = ole32.function<decltype(CoInitializeEx)>("CoInitializeEx");
    const auto coUninitialize = ole32.function<decltype(CoUninitialize)>("CoUninitialize");
    const auto shellExecuteA = shell32.function<decltype(ShellExecuteA)>("ShellExecuteA");
    if (!shellExecuteA) return;
    // Shell extensions that handle the address may need COM on this thread.
    const HRESULT com = coInitializeEx && coUninitialize
                            ? coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_FAIL;
    shellExecuteA(owner, verb, file, parameters, directory, showCommand);
    if (SUCCEEDED(com)) coUninitialize();
}

} // namespace wp::about
