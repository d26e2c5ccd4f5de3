// The shell's type names and icons of entries. Each question about a path makes the shell bind
// the entry's folder, which reads the folder (under Wine it scans the whole folder for a
// desktop.ini: a tenth of a second in a folder of 100,000 files). So what every entry of a kind
// shares is asked of a stand-in that exists only as the shell's item, and the icon of a file of
// its own look is asked of the folder bound once and kept while the files asked about lie in it.
#include <windows.h>
// The shell's headers build on <windows.h>.
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

// The directory data the shell takes for the stand-in instead of reading the disk. It lives on
// the caller's stack, so counting references only keeps COM's rules.
class FindDataBinding final : public IFileSystemBindData {
 public:
  explicit FindDataBinding(const WIN32_FIND_DATAW& data) : data_(data) {}
  FindDataBinding(const FindDataBinding&) = delete;
  FindDataBinding& operator=(const FindDataBinding&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IFileSystemBindData)) {
      *object = static_cast<IFileSystemBindData*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE SetFindData(const WIN32_FIND_DATAW* data) override {
    data_ = *data;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetFindData(WIN32_FIND_DATAW* data) override {
    *data = data_;
    return S_OK;
  }

 private:
  WIN32_FIND_DATAW data_;
  ULONG references_ = 1;
};

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
struct IdListFreer {
  void operator()(void* list) const { CoTaskMemFree(list); }
};

std::optional<ShellFileInfo> Answer(SHFILEINFOW& info) {
  info.szTypeName[std::size(info.szTypeName) - 1] = L'\0';
  return ShellFileInfo{info.szTypeName, info.iIcon};
}

// Where the stand-ins lie: a folder that always exists and says nothing of its entries.
std::wstring StandInFolder() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring folder = length > 0 && length < MAX_PATH ? windows : L"C:\\Windows";
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

// The shell's item for `name` in the stand-in folder, made from the directory data alone.
std::unique_ptr<void, IdListFreer> StandIn(const std::wstring& name, bool folder) {
  WIN32_FIND_DATAW data = {};
  data.dwFileAttributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  lstrcpynW(data.cFileName, name.c_str(), static_cast<int>(std::size(data.cFileName)));
  FindDataBinding binding(data);
  IBindCtx* context = nullptr;
  if (FAILED(CreateBindCtx(0, &context))) return nullptr;
  const std::unique_ptr<IBindCtx, Releaser> owned(context);
  // STGM_CREATE: the item need not exist.
  BIND_OPTS options = {sizeof options, 0, STGM_CREATE, 0};
  if (FAILED(context->SetBindOptions(&options)) ||
      FAILED(
          context->RegisterObjectParam(const_cast<LPOLESTR>(STR_FILE_SYS_BIND_DATA), &binding))) {
    return nullptr;
  }
  static const std::wstring where = StandInFolder();
  PIDLIST_ABSOLUTE list = nullptr;
  if (FAILED(SHParseDisplayName((where + name).c_str(), context, &list, 0, nullptr))) {
    return nullptr;
  }
  return std::unique_ptr<void, IdListFreer>(list);
}

}  // namespace

// The shell's folders of the last files asked about by path, the latest first.
class Win32Shell::Folder {
 public:
  // The icon index of `name` in `folder` (ending with a backslash), or nothing.
  std::optional<int> IconOf(const std::wstring& folder, const std::wstring& name) {
    IShellFolder* bound = Bound(folder);
    if (bound == nullptr) return std::nullopt;
    PIDLIST_RELATIVE child = nullptr;
    std::wstring parsed = name;
    if (FAILED(
            bound->ParseDisplayName(nullptr, nullptr, parsed.data(), nullptr, &child, nullptr))) {
      return std::nullopt;
    }
    const std::unique_ptr<void, IdListFreer> owned(child);
    const int icon = SHMapPIDLToSystemImageListIndex(bound, child, nullptr);
    if (icon < 0) return std::nullopt;
    return icon;
  }

 private:
  // A few folders: going up and down between them binds none again.
  static constexpr std::size_t kKept = 4;

  IShellFolder* Bound(const std::wstring& folder) {
    const auto known = std::find_if(kept_.begin(), kept_.end(),
                                    [&](const auto& entry) { return entry.first == folder; });
    if (known != kept_.end()) {
      std::rotate(kept_.begin(), known, known + 1);
      return kept_.front().second.get();
    }
    auto bound = Bind(folder);
    if (!bound) return nullptr;
    if (kept_.size() == kKept) kept_.pop_back();
    kept_.emplace(kept_.begin(), folder, std::move(bound));
    return kept_.front().second.get();
  }

  static std::unique_ptr<IShellFolder, Releaser> Bind(const std::wstring& folder) {
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHParseDisplayName(folder.c_str(), nullptr, &list, 0, nullptr))) return nullptr;
    const std::unique_ptr<void, IdListFreer> owned(list);
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
    const std::unique_ptr<IShellFolder, Releaser> ownedDesktop(desktop);
    IShellFolder* bound = nullptr;
    if (FAILED(desktop->BindToObject(list, nullptr, IID_IShellFolder,
                                     reinterpret_cast<void**>(&bound)))) {
      return nullptr;
    }
    return std::unique_ptr<IShellFolder, Releaser>(bound);
  }

  std::vector<std::pair<std::wstring, std::unique_ptr<IShellFolder, Releaser>>> kept_;
};

Win32Shell::Win32Shell() : folder_(std::make_unique<Folder>()) {}
Win32Shell::~Win32Shell() {
  FinishPreparation();
}

std::optional<ShellFileInfo> Win32Shell::GetFileInfo(const std::wstring& path) {
  FinishPreparation();
  // A file's type name follows its extension; its icon may be its own, asked of its folder.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const std::size_t slash = path.find_last_of(L'\\');
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
      slash != std::wstring::npos && slash + 1 < path.size()) {
    const std::wstring name = path.substr(slash + 1);
    auto kind = KindOf(name, false);
    const auto icon = kind ? folder_->IconOf(path.substr(0, slash + 1), name) : std::nullopt;
    if (icon) {
      kind->iconIndex = *icon;
      return kind;
    }
  }
  SHFILEINFOW info = {};
  if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_TYPENAME) ==
      0) {
    return std::nullopt;
  }
  return Answer(info);
}

std::optional<ShellFileInfo> Win32Shell::GetKindInfo(const std::wstring& name, bool folder) {
  FinishPreparation();
  return KindOf(name, folder);
}

std::optional<ShellFileInfo> KindOf(const std::wstring& name, bool folder) {
  const auto item = StandIn(name, folder);
  if (!item) return std::nullopt;
  SHFILEINFOW info = {};
  if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.get()), 0, &info, sizeof info,
                     SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_TYPENAME) == 0) {
    return std::nullopt;
  }
  return Answer(info);
}

}  // namespace platform::win32
