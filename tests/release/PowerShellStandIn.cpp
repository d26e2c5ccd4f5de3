// A stand-in for PowerShell under Wine, which has none: the portable update script's one
// PowerShell command, "unpack this archive entry by entry into the current folder", done the
// way that command does it. Folder entries make their folders; file entries are written to
// their relative paths, replacing files; an entry that fails, or whose path would leave the
// folder, prints "Skipping: " and its path; at the end "Extraction complete". The archive's
// name is the text between "OpenRead('" and "')" of the command.
//
//   powershell -Command "... OpenRead('Brindlow.zip') ..."
#include <windows.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t Read32(const Bytes& data, std::size_t at) {
  return data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
         static_cast<std::uint32_t>(data[at + 3]) << 24;
}
std::uint16_t Read16(const Bytes& data, std::size_t at) {
  return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

struct Entry {
  std::string name;
  std::uint16_t method = 0;
  std::uint32_t packedSize = 0;
  std::uint32_t size = 0;
  std::uint32_t localHeader = 0;
};

std::optional<std::vector<Entry>> CentralDirectory(const Bytes& zip) {
  if (zip.size() < 22) return std::nullopt;
  std::size_t end = zip.size() - 22;
  while (Read32(zip, end) != 0x06054b50) {
    if (end == 0) return std::nullopt;
    --end;
  }
  const std::uint16_t count = Read16(zip, end + 10);
  std::size_t at = Read32(zip, end + 16);
  std::vector<Entry> entries;
  for (std::uint16_t i = 0; i < count; ++i) {
    if (at + 46 > zip.size() || Read32(zip, at) != 0x02014b50) return std::nullopt;
    Entry entry;
    entry.method = Read16(zip, at + 10);
    entry.packedSize = Read32(zip, at + 20);
    entry.size = Read32(zip, at + 24);
    const std::uint16_t nameLength = Read16(zip, at + 28);
    const std::size_t skip = nameLength + Read16(zip, at + 30) + Read16(zip, at + 32);
    entry.localHeader = Read32(zip, at + 42);
    if (at + 46 + nameLength > zip.size()) return std::nullopt;
    entry.name.assign(zip.begin() + static_cast<std::ptrdiff_t>(at + 46),
                      zip.begin() + static_cast<std::ptrdiff_t>(at + 46 + nameLength));
    entries.push_back(entry);
    at += 46 + skip;
  }
  return entries;
}

std::optional<Bytes> Contents(const Bytes& zip, const Entry& entry) {
  const std::size_t header = entry.localHeader;
  if (header + 30 > zip.size() || Read32(zip, header) != 0x04034b50) return std::nullopt;
  const std::size_t data = header + 30 + Read16(zip, header + 26) + Read16(zip, header + 28);
  if (data + entry.packedSize > zip.size()) return std::nullopt;
  const Bytes packed(zip.begin() + static_cast<std::ptrdiff_t>(data),
                     zip.begin() + static_cast<std::ptrdiff_t>(data + entry.packedSize));
  if (entry.method == 0) return packed;
  if (entry.method != 8) return std::nullopt;
  Bytes out(entry.size);
  z_stream stream = {};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  stream.next_in = const_cast<unsigned char*>(packed.data());
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_FINISH);
  inflateEnd(&stream);
  if (result != Z_STREAM_END || stream.total_out != out.size()) return std::nullopt;
  return out;
}

// A relative path that stays inside the current folder.
bool StaysInside(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos) {
    return false;
  }
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = name.find_first_of("/\\", start);
    if (name.substr(start, end - start) == "..") return false;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return true;
}

std::string WindowsPath(std::string name) {
  for (char& c : name) {
    if (c == '/') c = '\\';
  }
  return name;
}

}  // namespace

int main() {
  const std::string line = GetCommandLineA();
  const std::size_t open = line.find("OpenRead('");
  const std::size_t close = open == std::string::npos ? open : line.find("')", open);
  if (close == std::string::npos) {
    std::puts("powershell stand-in: no archive named");
    return 1;
  }
  const std::string archive = line.substr(open + 10, close - open - 10);
  std::ifstream in(archive, std::ios::binary);
  const Bytes zip((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto entries = CentralDirectory(zip);
  if (!entries) {
    std::printf("Exception calling \"OpenRead\": %s is not an archive\n", archive.c_str());
    return 1;
  }
  for (const Entry& entry : *entries) {
    const bool folder = !entry.name.empty() && entry.name.back() == '/';
    const std::string target = WindowsPath(entry.name);
    if (!StaysInside(entry.name)) {
      std::printf("Skipping: %s\n", entry.name.c_str());
      continue;
    }
    if (folder) {
      CreateDirectoryA(target.c_str(), nullptr);
      continue;
    }
    const auto contents = Contents(zip, entry);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!contents || !out.write(reinterpret_cast<const char*>(contents->data()),
                                static_cast<std::streamsize>(contents->size()))) {
      std::printf("Skipping: %s\n", entry.name.c_str());
    }
  }
  std::puts("Extraction complete");
  return 0;
}
