#include "platform/fake/FakeFileSystem.h"

#include <cwctype>

namespace platform::fake {

std::wstring FakeFileSystem::Key(const std::wstring& path) {
  std::wstring key;
  for (wchar_t c : path) key += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  while (key.size() > 3 && key.back() == L'\\') key.pop_back();
  return key;
}

FakeFileSystem::Node& FakeFileSystem::Add(const std::wstring& path, DirEntry entry) {
  const std::wstring key = Key(path);
  const size_t slash = key.find_last_of(L'\\', key.size() - 2);
  entry.name = path.substr(path.find_last_of(L'\\', path.size() - 2) + 1);
  if (!entry.name.empty() && entry.name.back() == L'\\') entry.name.pop_back();
  if (slash != std::wstring::npos && key.size() > 3) {
    const std::wstring parent = key.substr(0, slash == 2 ? 3 : slash);
    auto& siblings = nodes_[parent].children;
    if (nodes_.count(key) == 0) siblings.push_back(key);
  }
  Node& node = nodes_[key];
  node.entry = std::move(entry);
  node.creation = node.entry.lastWrite;
  node.lastAccess = node.entry.lastWrite;
  return node;
}

void FakeFileSystem::AddFolder(const std::wstring& path, FileTime lastWrite,
                               std::uint32_t attributes) {
  Add(path, {L"", attributes | kAttrDirectory, 0, lastWrite});
}

void FakeFileSystem::AddFile(const std::wstring& path, std::uint64_t size, FileTime lastWrite,
                             std::uint32_t attributes) {
  Add(path, {L"", attributes, size, lastWrite});
}

void FakeFileSystem::Remove(const std::wstring& path) {
  nodes_.erase(Key(path));
}

FakeFileSystem::Node* FakeFileSystem::Find(const std::wstring& path) {
  auto it = nodes_.find(Key(path));
  return it == nodes_.end() ? nullptr : &it->second;
}

bool FakeFileSystem::Enumerate(const std::wstring& pattern,
                               const std::function<void(const DirEntry&)>& each) {
  const size_t slash = pattern.find_last_of(L'\\');
  if (slash == std::wstring::npos) return false;
  const std::wstring folder = pattern.substr(0, slash + 1);
  const Node* node = Find(folder);
  if (node == nullptr || (node->entry.attributes & kAttrDirectory) == 0) return false;
  if (Key(folder).size() > 3) {
    each({L".", kAttrDirectory, 0, node->entry.lastWrite});
    each({L"..", kAttrDirectory, 0, node->entry.lastWrite});
  } else if (node->children.empty()) {
    return false;  // an empty root matches nothing
  }
  const std::vector<std::wstring> children = node->children;
  for (const std::wstring& key : children) {
    auto it = nodes_.find(key);
    if (it != nodes_.end()) each(it->second.entry);
  }
  return true;
}

std::optional<DirEntry> FakeFileSystem::FindEntry(const std::wstring& path) {
  const Node* node = Find(path);
  if (node == nullptr) return std::nullopt;
  return node->entry;
}

std::uint32_t FakeFileSystem::GetAttributes(const std::wstring& path) {
  const Node* node = Find(path);
  return node == nullptr ? kInvalidAttributes : node->entry.attributes;
}

bool FakeFileSystem::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
  attributeWrites.push_back(path);
  Node* node = Find(path);
  if (node == nullptr || failingWrites_.count(Key(path)) != 0) return false;
  node->entry.attributes =
      (attributes & ~kAttrDirectory) | (node->entry.attributes & kAttrDirectory);
  return true;
}

std::uint32_t FakeFileSystem::SetTimes(const std::wstring& path, const FileTimes& times) {
  Node* node = Find(path);
  if (node == nullptr) return 2;  // ERROR_FILE_NOT_FOUND
  if (auto it = failingWrites_.find(Key(path)); it != failingWrites_.end()) return it->second;
  if (times.creation) node->creation = *times.creation;
  if (times.lastAccess) node->lastAccess = *times.lastAccess;
  if (times.lastWrite) node->entry.lastWrite = *times.lastWrite;
  return 0;
}

std::optional<FileTime> FakeFileSystem::GetCreationTime(const std::wstring& path) {
  const Node* node = Find(path);
  if (node == nullptr) return std::nullopt;
  return node->creation;
}

std::wstring FakeFileSystem::ErrorText(std::uint32_t code) {
  return L"Error " + std::to_wstring(code) + L".";
}

}  // namespace platform::fake
