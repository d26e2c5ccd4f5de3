#include "settings/IniDocument.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "platform/TextCase.h"
#include "settings/IniInteger.h"
#include "settings/IniText.h"

namespace settings {

namespace {

std::wstring Folded(std::wstring_view name) {
  return platform::UpperCase(std::wstring(name));
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && Folded(a) == Folded(b);
}

bool HasLineBreak(std::wstring_view text) {
  return text.find_first_of(L"\r\n") != std::wstring_view::npos;
}

// A name that a reread gives back as it is.
bool IsStorableName(std::wstring_view name) {
  return !HasLineBreak(name) && Strip(name).size() == name.size();
}

// Not one that would read as a comment, a section header or a shorter key.
bool IsStorableKey(std::wstring_view key) {
  return IsStorableName(key) && key.find(L'=') == std::wstring_view::npos &&
         !key.starts_with(L';') && !key.starts_with(L'[');
}

// Calls `each` with every line; CR LF, LF and a lone CR all end one.
template <typename Each>
void ForEachLine(std::wstring_view text, Each each) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring_view::npos) end = text.size();
    each(text.substr(start, end - start));
    start = end + (text.substr(end).starts_with(L"\r\n") ? 2 : 1);
  }
}

}  // namespace

IniDocument IniDocument::Parse(std::wstring_view text) {
  IniDocument document;
  std::unordered_set<std::wstring> seen;
  bool inSection = false;  // false before the first header and inside a repeated section
  ForEachLine(text, [&](std::wstring_view raw) {
    const std::wstring_view line = Strip(raw);
    if (line.empty()) return;
    if (line.size() >= 2 && line.starts_with(L'[') && line.ends_with(L']')) {
      const std::wstring_view name = Strip(line.substr(1, line.size() - 2));
      inSection = seen.insert(Folded(name)).second;
      if (inSection) {
        document.sections_.push_back({std::wstring(name), {}});
      } else {
        ++document.ignoredLines_;
      }
      return;
    }
    if (line.starts_with(L';') || !inSection) {
      ++document.ignoredLines_;
      return;
    }
    // A line without "=" is a key without a value.
    const size_t equals = line.find(L'=');
    const std::wstring_view value =
        equals == std::wstring_view::npos ? std::wstring_view() : line.substr(equals + 1);
    document.sections_.back().entries.push_back(
        {std::wstring(StripRight(line.substr(0, equals))), std::wstring(StripLeft(value))});
  });
  return document;
}

std::wstring IniDocument::Text() const {
  std::wstring text;
  for (const Section& section : sections_) {
    text += L'[' + section.name + L"]\r\n";
    for (const IniEntry& entry : section.entries) text += entry.key + L'=' + entry.value + L"\r\n";
    text += L"\r\n";
  }
  return text;
}

std::vector<std::wstring> IniDocument::SectionNames() const {
  std::vector<std::wstring> names;
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

const IniDocument::Section* IniDocument::FindSection(std::wstring_view name) const {
  const auto found = std::find_if(sections_.begin(), sections_.end(),
                                  [&](const Section& s) { return SameName(s.name, name); });
  return found == sections_.end() ? nullptr : &*found;
}

IniDocument::Section* IniDocument::FindSection(std::wstring_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool IniDocument::HasSection(std::wstring_view section) const {
  return FindSection(section) != nullptr;
}

std::span<const IniEntry> IniDocument::Entries(std::wstring_view section) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return {};
  return found->entries;
}

const IniEntry* IniDocument::FindEntry(std::wstring_view section, std::wstring_view key) const {
  for (const IniEntry& entry : Entries(section)) {
    if (SameName(entry.key, key)) return &entry;
  }
  return nullptr;
}

std::wstring IniDocument::ReadString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback) const {
  const IniEntry* entry = FindEntry(section, key);
  return std::wstring(entry == nullptr ? fallback : entry->value);
}

int IniDocument::ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const {
  const IniEntry* entry = FindEntry(section, key);
  if (entry == nullptr) return fallback;
  return ParseInteger(entry->value).value_or(fallback);
}

bool IniDocument::ReadBool(std::wstring_view section, std::wstring_view key, bool fallback) const {
  const IniEntry* entry = FindEntry(section, key);
  if (entry == nullptr) return fallback;
  const std::optional<std::int32_t> number = ParseInteger(entry->value);
  return number ? *number != 0 : fallback;
}

bool IniDocument::WriteString(std::wstring_view section, std::wstring_view key,
                              std::wstring_view value) {
  if (!IsStorableName(section) || !IsStorableKey(key) || HasLineBreak(value)) return false;
  Section* target = FindSection(section);
  if (target == nullptr) target = &sections_.emplace_back(Section{std::wstring(section), {}});
  const std::wstring stored(Strip(value));
  for (IniEntry& entry : target->entries) {
    if (SameName(entry.key, key)) {
      entry.value = stored;
      return true;
    }
  }
  target->entries.push_back({std::wstring(key), stored});
  return true;
}

bool IniDocument::WriteInteger(std::wstring_view section, std::wstring_view key, int value) {
  return WriteString(section, key, std::to_wstring(value));
}

bool IniDocument::WriteBool(std::wstring_view section, std::wstring_view key, bool value) {
  return WriteString(section, key, value ? L"1" : L"0");
}

bool IniDocument::DeleteKey(std::wstring_view section, std::wstring_view key) {
  Section* found = FindSection(section);
  if (found == nullptr) return false;
  auto& entries = found->entries;
  const auto entry = std::find_if(entries.begin(), entries.end(),
                                  [&](const IniEntry& e) { return SameName(e.key, key); });
  if (entry == entries.end()) return false;
  entries.erase(entry);
  return true;
}

bool IniDocument::EraseSection(std::wstring_view section) {
  return std::erase_if(sections_, [&](const Section& s) { return SameName(s.name, section); }) != 0;
}

}  // namespace settings
