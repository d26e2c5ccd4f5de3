#include "settings/AtomicWrite.h"

namespace settings {

bool WriteFileAtomically(platform::FileSystem& files, const std::wstring& path,
                         std::string_view bytes) {
  // Beside the file, so that the rename stays on its volume.
  const std::wstring fresh = path + L".tmp";
  if (files.WriteWholeFile(fresh, bytes) && files.MoveReplacing(fresh, path)) return true;
  files.RemoveFile(fresh);
  return false;
}

}  // namespace settings
