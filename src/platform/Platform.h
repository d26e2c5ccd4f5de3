#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/VersionResources.h"
#include "platform/Volumes.h"
#include "platform/ui/Form.h"

namespace platform {

// The services the program's windows use, handed in so that tests can replace them.
struct Services {
  FileSystem& files;
  Volumes& volumes;
  Shell& shell;
  Registry& registry;
  Clock& clock;
  Dialogs& dialogs;
  Dispatcher& dispatcher;
  Process& process;
  VersionResources& versions;
  ui::FormHost& forms;
};

}  // namespace platform
