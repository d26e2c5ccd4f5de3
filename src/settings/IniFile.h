#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "settings/IniDocument.h"
#include "settings/TextEncoding.h"

namespace settings {

// An ini file loaded whole into a document and, on request, rewritten whole in one step,
// in the encoding it was read in. A file that did not exist is written in the ANSI code
// page; text that the code page cannot hold is written as UTF-8 with a byte-order mark.
class IniFile {
 public:
  // Larger files are no ini files of ours: they are neither read nor replaced.
  static constexpr std::size_t kLargestFile = 16 << 20;

  // A missing file gives an empty document. So does one that exists but cannot be read, and
  // that one is never replaced.
  IniFile(platform::FileSystem& files, std::wstring path);

  IniDocument& Document() { return document_; }
  [[nodiscard]] const IniDocument& Document() const { return document_; }

  // False, with the file as it was, when it cannot be written. When the rewrite would lose
  // something the file held (ignored lines, bytes that were no text), the file as it was
  // is kept beside it first, under its name with ".bak" added.
  bool Save();

 private:
  platform::FileSystem& files_;
  std::wstring path_;
  IniDocument document_;
  TextEncoding encoding_ = TextEncoding::Ansi;
  std::optional<std::string> loaded_;  // the bytes on disk, as far as known
  bool readable_ = true;
  bool backUpFirst_ = false;
};

}  // namespace settings
