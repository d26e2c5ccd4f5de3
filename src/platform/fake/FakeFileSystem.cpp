#include "platform/fake/FakeFileSystem.h"

#include <cwctype>
#include <memory>
#include <string_view>
#include <utility>

namespace platform::fake {

namespace {

// Whether `name` matches `mask` ("*" any run, "?" one character), without regard to case;
// "*.*" matches every name, as on Windows.
bool MatchesMask(std::wstring_view name, std::wstring_view mask) {
  if (mask == L"*.*") return true;
  if (mask.empty()) return name.empty();
  if (mask.front() == L'*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesMask(name.substr(skip), mask.substr(1))) return true;
    }
    return false;
  }
  return !name.empty() &&
         (mask.front() == L'?' || std::towupper(static_cast<wint_t>(mask.front())) ==
                                      std::towupper(static_cast<wint_t>(name.front()))) &&
         MatchesMask(name.substr(1), mask.substr(1));
}

}  // namespace

std::wstring FakeFileSystem::Key(const std::wstring& path) {
  std::wstring key;
  for (wchar_t c : path) {
    // Windows reads a run of backslashes inside a path as one.
    if (c == L'\\' && key.size() > 1 && key.back() == L'\\') continue;
    key += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
  while (key.size() > 3 && key.back() == L'\\') key.pop_back();
  return key;
}

std::optional<std::wstring> FakeFileSystem::ParentKey(const std::wstring& key) {
  const size_t slash = key.find_last_of(L'\\', key.size() - 2);
  if (slash == std::wstring::npos || key.size() <= 3) return std::nullopt;
  return key.substr(0, slash == 2 ? 3 : slash);
}

FakeFileSystem::Node& FakeFileSystem::Add(const std::wstring& path, DirEntry entry) {
  const std::wstring key = Key(path);
  entry.name = path.substr(path.find_last_of(L'\\', path.size() - 2) + 1);
  if (!entry.name.empty() && entry.name.back() == L'\\') entry.name.pop_back();
  if (const auto parent = ParentKey(key)) {
    auto& siblings = nodes_[*parent].children;
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
  const std::wstring key = Key(path);
  if (nodes_.erase(key) == 0) return;
  // Its folder forgets it too, or adding it again would list it twice.
  if (const auto parent = ParentKey(key); parent && nodes_.count(*parent) != 0) {
    std::erase(nodes_[*parent].children, key);
  }
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
  const std::wstring mask = pattern.substr(slash + 1);
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
    if (it != nodes_.end() && MatchesMask(it->second.entry.name, mask)) each(it->second.entry);
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

bool FakeFileSystem::IsWritableFilePlace(const std::wstring& path) {
  const Node* node = Find(path);
  if (node != nullptr && (node->entry.attributes & (kAttrDirectory | kAttrReadOnly)) != 0) {
    return false;
  }
  const std::wstring key = Key(path);
  const size_t slash = key.find_last_of(L'\\');
  return slash != std::wstring::npos && DirectoryExists(key.substr(0, slash + 1)) &&
         failingWrites_.count(key) == 0;
}

void FakeFileSystem::AddFileBytes(const std::wstring& path, std::string bytes) {
  Node& node = Add(path, {L"", kAttrArchive, bytes.size(), 0});
  node.bytes = std::move(bytes);
}

std::optional<std::string> FakeFileSystem::Bytes(const std::wstring& path) {
  const Node* node = Find(path);
  if (node == nullptr || (node->entry.attributes & kAttrDirectory) != 0) return std::nullopt;
  return node->bytes;
}

std::optional<std::string> FakeFileSystem::ReadWholeFile(const std::wstring& path,
                                                         std::size_t limit) {
  std::optional<std::string> bytes = Bytes(path);
  if (!bytes || bytes->size() > limit || failingReads_.count(Key(path)) != 0) return std::nullopt;
  return bytes;
}

bool FakeFileSystem::WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  if (!IsWritableFilePlace(path)) return false;
  const bool fits = !freeSpace || bytes.size() <= *freeSpace;
  const std::string_view stored = fits ? bytes : bytes.substr(0, *freeSpace);
  if (freeSpace) *freeSpace -= stored.size();
  AddFileBytes(path, std::string(stored));
  return fits;
}

bool FakeFileSystem::CanOpenForWriting(const std::wstring& path) {
  return Find(path) != nullptr && IsWritableFilePlace(path);
}

namespace {

// Each piece rewrites the whole file with what it has so far: slow, and plain to follow.
class FakeWriter : public FileWriter {
 public:
  FakeWriter(FakeFileSystem& files, std::wstring path) : files_(files), path_(std::move(path)) {}
  bool Write(std::string_view bytes) override {
    written_.append(bytes);
    return files_.WriteWholeFile(path_, written_);
  }
  bool Close() override { return files_.Find(path_) != nullptr; }

 private:
  FakeFileSystem& files_;
  std::wstring path_;
  std::string written_;
};

}  // namespace

std::unique_ptr<FileWriter> FakeFileSystem::CreateForWriting(const std::wstring& path) {
  if (!WriteWholeFile(path, {})) return nullptr;
  return std::make_unique<FakeWriter>(*this, path);
}

bool FakeFileSystem::MoveReplacing(const std::wstring& source, const std::wstring& target) {
  const Node* from = Find(source);
  if (from == nullptr || (from->entry.attributes & kAttrDirectory) != 0 ||
      !IsWritableFilePlace(target)) {
    return false;
  }
  const Node moved = *from;
  Remove(source);
  Add(target, moved.entry).bytes = moved.bytes;
  return true;
}

bool FakeFileSystem::RemoveFile(const std::wstring& path) {
  const Node* node = Find(path);
  if (node == nullptr || (node->entry.attributes & (kAttrDirectory | kAttrReadOnly)) != 0) {
    return false;
  }
  Remove(path);
  return true;
}

bool FakeFileSystem::CreateFolders(const std::wstring& path) {
  // Each level from the drive's root, which must exist, down to the folder itself.
  size_t end = 0;
  do {
    end = path.find(L'\\', end + 1);
    const std::wstring level = path.substr(0, end == std::wstring::npos ? end : end + 1);
    const std::uint32_t attributes = GetAttributes(level);
    if (attributes == kInvalidAttributes && Key(level).size() > 3) {
      AddFolder(level);
    } else if (attributes == kInvalidAttributes || (attributes & kAttrDirectory) == 0) {
      return false;
    }
  } while (end != std::wstring::npos);
  return true;
}

}  // namespace platform::fake
