#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/ui/Form.h"

namespace i18n {

// Removes from every writable language file in `folder` the keys that name no window of
// `windows` or no component of their window, keys without a window part, all but the last
// of equal keys, and the sections left empty. "Language information" and "DestDir" stay
// as they are.
void CleanTranslations(platform::FileSystem& files, const std::wstring& folder,
                       const std::vector<const ui::Form*>& windows);

}  // namespace i18n
