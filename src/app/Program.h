#pragma once

#include <memory>
#include <string>

#include "app/ProcessState.h"
#include "app/Unit_Base.h"
#include "info/Unit_About.h"
#include "platform/Platform.h"
#include "updater/Unit_Update.h"

// The application: its title and its three windows, which live until the process ends.
class Application {
 public:
  explicit Application(const platform::Services& services) : services_(services) {}

  // Creates the windows, translates them, checks the system and runs the main window.
  // Returns the process exit code.
  int Run();

  std::wstring Title;
  ProcessState state;
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<TForm8> Form8;
  std::unique_ptr<TForm10> Form10;

 private:
  platform::Services services_;
};
