#include "platform/win32/ui/Fonts.h"

#include "platform/ui/Layout.h"

namespace platform::win32 {

HFONT FontCache::Get(const ui::Font& font, int dpi) {
  const std::wstring face = font.face.empty() ? L"Tahoma" : font.face;
  const int height = font.face.empty() ? -11 : font.height;
  Key key{face, height, font.bold, dpi};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.get();

  LOGFONTW log = {};
  log.lfHeight = ui::Scale(height, dpi);
  log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  log.lfCharSet = DEFAULT_CHARSET;
  log.lfQuality = CLEARTYPE_QUALITY;
  face.copy(log.lfFaceName, LF_FACESIZE - 1);
  UniqueFont made(CreateFontIndirectW(&log));
  HFONT handle = made.get();
  if (handle != nullptr) fonts_.emplace(std::move(key), std::move(made));
  return handle;
}

}  // namespace platform::win32
