// Program entry: the application object, the title, the main form, the message loop.

#include <windows.h>

#include "FMain.h"
#include "TApplication.h"
#include "WinRegistryApi.h"

namespace {

// Started from a network share, the program must not load a DLL planted beside it.
void RestrictLibraryLoadsToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // Looked up at run time, so that a system without it still starts.
    const auto address = GetProcAddress(kernel, "SetDefaultDllDirectories");
    if (address == nullptr) return;
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void (*)()>(address));
    setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    RestrictLibraryLoadsToSystemFolder();
    store::WinRegistryApi registry;
    ui::TApplication application(instance);
    application.Initialize();
    application.SetTitle("Orvedan");
    try {
        ui::TMainFrm mainFrm(application, registry);
        return application.Run(mainFrm, showCommand);
    } catch (const std::exception& error) {
        application.ShowException(error.what());
        return 1;
    }
}
