#include "fuzz/IniProperties.h"

#include <optional>
#include <span>

#include "platform/TextCase.h"
#include "settings/IniDocument.h"
#include "settings/IniInteger.h"
#include "settings/TextEncoding.h"

namespace {

using settings::IniDocument;
using settings::IniEntry;

bool SameEntries(std::span<const IniEntry> a, std::span<const IniEntry> b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].key != b[i].key || a[i].value != b[i].value) return false;
  }
  return true;
}

bool SameDocument(const IniDocument& a, const IniDocument& b) {
  if (a.SectionNames() != b.SectionNames()) return false;
  for (const std::wstring& name : a.SectionNames()) {
    if (!SameEntries(a.Entries(name), b.Entries(name))) return false;
  }
  return true;
}

bool IsClean(std::wstring_view text) {
  return text.find_first_of(L"\r\n") == std::wstring_view::npos &&
         (text.empty() || (static_cast<char32_t>(text.front()) > U' ' &&
                           static_cast<char32_t>(text.back()) > U' '));
}

// The first entry of the key, found the plain way.
const IniEntry* FirstEntry(std::span<const IniEntry> entries, const std::wstring& key) {
  for (const IniEntry& entry : entries) {
    if (platform::UpperCase(entry.key) == platform::UpperCase(key)) return &entry;
  }
  return nullptr;
}

std::string EntryFault(const IniDocument& ini, const std::wstring& section) {
  const std::span<const IniEntry> entries = ini.Entries(section);
  for (const IniEntry& entry : entries) {
    if (!IsClean(entry.key) || !IsClean(entry.value)) return "an entry keeps blanks or breaks";
    const IniEntry* first = FirstEntry(entries, entry.key);
    if (ini.ReadString(section, entry.key, L"\n") != first->value) {
      return "a key does not read as its first entry";
    }
    const bool integer = settings::ParseInteger(first->value).has_value();
    if (integer !=
        (ini.ReadInteger(section, entry.key, 0) == ini.ReadInteger(section, entry.key, 1))) {
      return "an integer value falls back, or another does not";
    }
  }
  return {};
}

// Writes a key and value made of the input itself, which may be refused but never garbled.
std::string WriteFault(IniDocument ini, std::wstring_view text) {
  const std::wstring section = ini.SectionNames().empty() ? L"S" : ini.SectionNames().front();
  const std::wstring key(text.substr(0, 8));
  const std::wstring value(text.substr(std::min<size_t>(text.size(), 8), 24));
  if (!ini.WriteString(section, key, value)) return {};
  const std::wstring written = ini.ReadString(section, key, L"\n");
  if (IniDocument::Parse(ini.Text()).ReadString(section, key, L"\n") != written) {
    return "an accepted write reads back otherwise after a rewrite";
  }
  return {};
}

}  // namespace

std::string IniFault(std::string_view bytes) {
  const settings::DecodedText decoded = settings::DecodeText(bytes);
  const IniDocument ini = IniDocument::Parse(decoded.text);
  const std::wstring text = ini.Text();

  const std::optional<std::string> encoded = settings::EncodeText(text, decoded.encoding);
  if (!encoded) return "the rewrite does not fit the encoding it was read in";
  const settings::DecodedText reread = settings::DecodeText(*encoded);
  if (reread.text != text || reread.encoding != decoded.encoding) {
    return "the rewrite changes in its encoding";
  }

  const IniDocument again = IniDocument::Parse(text);
  if (!SameDocument(ini, again)) return "the rewrite reads back as another document";
  if (again.IgnoredLines() != 0 || again.Text() != text) return "the rewrite is not stable";

  for (const std::wstring& section : ini.SectionNames()) {
    if (!IsClean(section)) return "a section name keeps blanks or breaks";
    if (std::string fault = EntryFault(ini, section); !fault.empty()) return fault;
  }
  return WriteFault(ini, decoded.text);
}
