// The program's entry: the Win32 services, handed to the application.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/Program.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

// The shell's calls need a single-threaded COM apartment on the user-interface thread.
class ComApartment {
 public:
  ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  const ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                           ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                           ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  namespace win32 = platform::win32;
  win32::Win32FileSystem files;
  win32::Win32Volumes volumes;
  volumes.ReadAhead();
  win32::Win32Shell shell;
  shell.PrepareInBackground();
  win32::Win32Registry registry;
  win32::Win32Clock clock;
  win32::Win32Dialogs dialogs;
  win32::Win32Dispatcher dispatcher;
  win32::Win32Process process;
  win32::Win32VersionResources versions;
  win32::Win32Http http;
  win32::Win32Threads threads;
  win32::Win32Crypto crypto;
  // Declared before the application: the forms give their windows back to it as they go.
  win32::Win32FormHost forms;
  // Workers started while the program starts (the update check at start-up) run once the main
  // window is painted: under Wine they competed with it for the server, 15 to 20 ms of its start.
  threads.Hold();
  forms.AfterMainWindowSettled([&threads] { threads.Release(); });
  const platform::Services services{.files = &files,
                                    .volumes = &volumes,
                                    .shell = &shell,
                                    .registry = &registry,
                                    .clock = &clock,
                                    .dialogs = &dialogs,
                                    .dispatcher = &dispatcher,
                                    .process = &process,
                                    .versions = &versions,
                                    .http = &http,
                                    .threads = &threads,
                                    .crypto = &crypto,
                                    .forms = &forms};
  try {
    Application application(services);
    const int code = application.Run();
    // The main window has closed and the settings are stored: the process ends here. Its
    // windows, COM and the services go with it; destroying them one by one first would
    // only keep the closed program alive longer.
    process.End(code);
  } catch (...) {
    // A failure that no handler caught ends the program quietly rather than abnormally.
    return 1;
  }
}
