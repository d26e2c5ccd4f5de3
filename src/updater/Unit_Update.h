#pragma once

#include "platform/Platform.h"
#include "platform/ui/Form.h"

// The update window; shown modally from the general menu or the update prompt.
class TForm10 : public ui::Form {
 public:
  explicit TForm10(const platform::Services& services);
};
