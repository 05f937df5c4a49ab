#include "about/shell_port.h"

#include <objbase.h>
#include <shellapi.h>

namespace wp::about {

void SystemShell::shellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                               const char* directory, int showCommand) {
    // Shell extensions that handle the address may need COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteA(owner, verb, file, parameters, directory, showCommand);
    if (SUCCEEDED(com)) CoUninitialize();
}

} // namespace wp::about
