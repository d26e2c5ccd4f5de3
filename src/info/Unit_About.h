#pragma once

#include "platform/Platform.h"
#include "platform/ui/Form.h"

// The About window; shown modally from the general menu.
class TForm8 : public ui::Form {
 public:
  explicit TForm8(const platform::Services& services);
};
