#include "settings/IniFile.h"

#include <utility>

#include "settings/AtomicWrite.h"

namespace settings {

IniFile::IniFile(platform::FileSystem& files, std::wstring path)
    : files_(files), path_(std::move(path)) {
  loaded_ = files_.ReadWholeFile(path_, kLargestFile);
  if (!loaded_) {
    readable_ = files_.GetAttributes(path_) == platform::kInvalidAttributes;
    return;
  }
  DecodedText decoded = DecodeText(*loaded_);
  document_ = IniDocument::Parse(decoded.text);
  encoding_ = decoded.encoding;
  backUpFirst_ = document_.IgnoredLines() != 0 || EncodeText(decoded.text, encoding_) != loaded_;
}

bool IniFile::Save() {
  if (!readable_) return false;
  const std::wstring text = document_.Text();
  TextEncoding encoding = encoding_;
  std::optional<std::string> bytes = EncodeText(text, encoding);
  if (!bytes) {
    encoding = TextEncoding::Utf8;
    bytes = EncodeText(text, encoding);
  }
  if (bytes == loaded_) return true;
  if (backUpFirst_ && !WriteFileAtomically(files_, path_ + L".bak", *loaded_)) return false;
  if (!WriteFileAtomically(files_, path_, *bytes)) return false;
  loaded_ = std::move(bytes);
  encoding_ = encoding;
  backUpFirst_ = false;
  return true;
}

}  // namespace settings
