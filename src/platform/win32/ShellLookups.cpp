// What the shell says of every entry of a kind, asked of a stand-in that exists only as the
// shell's item. Asked of a real entry, the shell reads its folder (under Wine it scans the whole
// folder for a desktop.ini: a tenth of a second in a folder of 100,000 files); the stand-in
// costs the same in every folder and gives the same type name and icon.
#include <windows.h>
// The shell's headers build on <windows.h>.
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <iterator>
#include <memory>

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
  void operator()(ITEMIDLIST_ABSOLUTE* list) const { CoTaskMemFree(list); }
};

// Where the stand-ins lie: a folder that always exists and says nothing of its entries.
std::wstring StandInFolder() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring folder = length > 0 && length < MAX_PATH ? windows : L"C:\\Windows";
  if (folder.back() != L'\\') folder += L'\\';
  return folder;
}

// The shell's item for `name` in the stand-in folder, made from the directory data alone.
std::unique_ptr<ITEMIDLIST_ABSOLUTE, IdListFreer> StandIn(const std::wstring& name, bool folder) {
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
  return std::unique_ptr<ITEMIDLIST_ABSOLUTE, IdListFreer>(list);
}

}  // namespace

std::optional<ShellFileInfo> Win32Shell::GetKindInfo(const std::wstring& name, bool folder) {
  const auto item = StandIn(name, folder);
  if (!item) return std::nullopt;
  SHFILEINFOW info = {};
  if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.get()), 0, &info, sizeof info,
                     SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_TYPENAME) == 0) {
    return std::nullopt;
  }
  info.szTypeName[std::size(info.szTypeName) - 1] = L'\0';
  return ShellFileInfo{info.szTypeName, info.iIcon};
}

}  // namespace platform::win32
