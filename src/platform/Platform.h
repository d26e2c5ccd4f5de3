#pragma once

#include "platform/Clock.h"
#include "platform/Crypto.h"
#include "platform/Dialogs.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Http.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Threads.h"
#include "platform/VersionResources.h"
#include "platform/Volumes.h"
#include "platform/ui/Form.h"

namespace platform {

// The services the program's windows use, handed in so that tests can replace them. Built
// by field name; every field is set.
struct Services {
  FileSystem* files = nullptr;
  Volumes* volumes = nullptr;
  Shell* shell = nullptr;
  Registry* registry = nullptr;
  Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  Dispatcher* dispatcher = nullptr;
  Process* process = nullptr;
  VersionResources* versions = nullptr;
  Http* http = nullptr;
  Threads* threads = nullptr;
  Crypto* crypto = nullptr;
  ui::FormHost* forms = nullptr;
};

}  // namespace platform
