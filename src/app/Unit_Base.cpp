#include "app/Unit_Base.h"

#include <string>

#include "app/Guard.h"
#include "app/SystemVersion.h"
#include "info/FileInfoUtils.h"

namespace {

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

constexpr const wchar_t* kBuildMarker = sizeof(void*) == 8 ? L"(64-bit)" : L"(32-bit)";

}  // namespace

TForm1::TForm1(platform::Services& services, ProcessState& state)
    : ui::Form(nullptr, L"Form1", services.forms), services(services), state(state) {
  CreateComponents();
  ConnectEvents();
  FormCreate();
}

bool TForm1::IsWindows10Or11() const {
  return IsSupportedWindows(services.registry);
}

void TForm1::ConnectEvents() {
  OnShow = [this] { FormShow(); };
  OnClose = [this] { FormClose(); };
  ConnectBrowserEvents();
  ConnectEditorEvents();
}

void TForm1::FormCreate() {
  const std::wstring exe = services.process.ExecutablePath();
  state.PortableMode = services.files.FileExists(FolderOf(exe) + L"portable.ini");

  std::wstring title =
      Caption() + L" " + GetFileVersionString(services.versions, exe) + L" " + kBuildMarker;
  if (state.PortableMode) title += L" Portable";
  SetCaption(title);

  AttachSystemImageLists(ListViewAttributes);
  FillDriveList();
  LoadNastr();
  services.dispatcher.ProcessMessages();
  ComboBoxDriveChange();
  services.dispatcher.ProcessMessages();
}

void TForm1::FormShow() {
  ShowItemCount();
  services.dispatcher.ProcessMessages();
}

void TForm1::FormClose() {
  SaveNastr();
}

std::wstring TForm1::ItemCountText() const {
  return LangElements->Caption() + L" " + std::to_wstring(ListViewAttributes->Count());
}

void TForm1::ShowItemCount() {
  StatusBar1->SetPanelText(0, ItemCountText());
}

// The settings file arrives with the settings store; until then the defaults hold.
void TForm1::LoadNastr() {}
void TForm1::SaveNastr() {}
