#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// Status panel 0: the caption of the count's message item, one space, the number of items.
void ShowItemCount(ui::StatusBar& status, const ui::MenuItem& caption, const ui::ListView& list);
