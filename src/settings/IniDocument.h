#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct IniEntry {
  std::wstring key;
  std::wstring value;
};

// The sections and entries of an ini file, read from text and written back as text.
// Section names and keys are compared without regard to case. Of repeated keys in a section
// the first one counts; a section that is repeated later in the text is ignored.
class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument Parse(std::wstring_view text);

  // Each section as its header, its entries in order and one empty line, CR LF line ends.
  [[nodiscard]] std::wstring Text() const;
  // Non-empty lines that reading passed over (comments, lines outside any section, repeated
  // sections); the text of this document no longer holds them.
  [[nodiscard]] std::size_t IgnoredLines() const { return ignoredLines_; }

  [[nodiscard]] std::vector<std::wstring> SectionNames() const;
  [[nodiscard]] bool HasSection(std::wstring_view section) const;
  // Every entry in order, repeated keys included; valid until the document changes.
  [[nodiscard]] std::span<const IniEntry> Entries(std::wstring_view section) const;

  [[nodiscard]] std::wstring ReadString(std::wstring_view section, std::wstring_view key,
                                        std::wstring_view fallback) const;
  // `fallback` also when the value is not an integer.
  [[nodiscard]] int ReadInteger(std::wstring_view section, std::wstring_view key,
                                int fallback) const;
  // True for an integer other than 0.
  [[nodiscard]] bool ReadBool(std::wstring_view section, std::wstring_view key,
                              bool fallback) const;

  // Sets the key's first entry, or adds the entry at the end of its section, adding the
  // section at the end when needed; the value loses its blanks at both ends, as a reread
  // would. False, with nothing changed, for what the text could not carry back: a line
  // break anywhere, a name with blanks at an end, a key holding "=" or beginning with ";"
  // or "[".
  bool WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  bool WriteInteger(std::wstring_view section, std::wstring_view key, int value);
  // As "1" or "0".
  bool WriteBool(std::wstring_view section, std::wstring_view key, bool value);
  // Removes the key's first entry; false when there is none.
  bool DeleteKey(std::wstring_view section, std::wstring_view key);
  bool EraseSection(std::wstring_view section);

 private:
  struct Section {
    std::wstring name;
    std::vector<IniEntry> entries;
  };
  [[nodiscard]] const Section* FindSection(std::wstring_view name) const;
  Section* FindSection(std::wstring_view name);
  [[nodiscard]] const IniEntry* FindEntry(std::wstring_view section, std::wstring_view key) const;

  std::vector<Section> sections_;
  std::size_t ignoredLines_ = 0;
};

}  // namespace settings
