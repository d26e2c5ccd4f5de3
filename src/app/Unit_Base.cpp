#include "app/Unit_Base.h"

#include <string>
#include <vector>

#include "app/SystemVersion.h"
#include "info/FileInfoUtils.h"
#include "platform/ui/Guard.h"
#include "settings/SettingsPath.h"

namespace {

constexpr const wchar_t* kBuildMarker = sizeof(void*) == 8 ? L"(64-bit)" : L"(32-bit)";

}  // namespace

TForm1::TForm1(const platform::Services& services, ProcessState& state)
    : ui::Form(nullptr, L"Form1", *services.forms),
      services_(services),
      state_(state),
      theme_(*services.registry, *services.forms, *services.dispatcher) {
  CreateComponents();
  CreatePanels();
  ConnectEvents();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::CreatePanels() {
  browser_ = std::make_unique<FolderBrowser>(
      BrowserControls{*this, *ComboBoxDrive, *cbPath, *ListViewAttributes, *StatusBar1,
                      *LangElements},
      BrowserServices{*services_.files, *services_.volumes, *services_.shell, *services_.clock,
                      *services_.dispatcher},
      state_.SortDirection);
  editor_ = std::make_unique<EditorPanel>(
      EditorControls{*this, *ListViewAttributes, *cbPath, *StatusBar1, *LangElements,
                     *LangErrorTime, *GroupBox1, *CheckBox_Archive, *CheckBox_Hide,
                     *CheckBox_ReadOnly, *CheckBox_System, *GroupBox3, *DatePicker1, *TimePicker1,
                     *Button_DateTime},
      EditorServices{*services_.files, *services_.shell, *services_.clock, *services_.dialogs,
                     *services_.dispatcher},
      kApplicationTitle);
  browser_->OnPathListed = [this] { editor_->ShowListedFolder(); };
  language_ = std::make_unique<i18n::LanguageMenu>(
      *LanguageMenu, i18n::LanguageServices{*services_.files, *services_.dispatcher},
      i18n::LanguageSetting{[this] { return PortablePath(); }, services_.process->ExecutablePath(),
                            kApplicationTitle, state_.CurrentLanguage});
  language_->SetWindows({this});
  // Texts composed from message captions, such as the item count, are built again.
  language_->OnLanguageApplied = [this] { RefreshListMenuClick(); };
}

void TForm1::SetModalWindows(ui::Form* about, ui::Form* update) {
  aboutWindow_ = about;
  updateWindow_ = update;
  std::vector<ui::Form*> windows{this};
  for (ui::Form* window : {about, update}) {
    if (window != nullptr) windows.push_back(window);
  }
  language_->SetWindows(std::move(windows));
}

// Every handler runs guarded: a failure leaves the window as far as the handler got.
void TForm1::ConnectEvents() {
  using ui::Guarded;
  OnShow = Guarded([this] { FormShow(); });
  OnClose = Guarded([this] { FormClose(); });
  OnDeviceChange = Guarded([this](ui::DeviceChange change) { WMDeviceChange(change); });
  OnMoving = Guarded([this](ui::Rect& proposed) { WMMoving(proposed); });
  OnMouseMove = Guarded([this](ui::Point) { FormMouseMove(); });
  OnSettingChange = Guarded([this](const std::wstring&) { WMWininiChange(); });
  OnShortcut = [this](ui::KeyStroke stroke) {
    bool taken = false;
    ui::Guard([&] { taken = FormShortcut(stroke); });
    return taken;
  };
  ComboBoxDrive->OnChange = Guarded([this] { ComboBoxDriveChange(); });
  cbPath->OnChange = Guarded([this] { cbPathChange(); });
  cbPath->OnKeyDown = Guarded([this](unsigned& key) { cbPathKeyDown(key); });
  cbPath->OnKeyPress = Guarded([this](wchar_t& ch) { cbPathKeyPress(ch); });
  cbPath->OnEnter = Guarded([this] { cbPathEnter(); });
  cbPath->OnMouseEnter = Guarded([this] { cbPathMouseEnter(); });
  ButtonUP->OnClick = Guarded([this] { ButtonUPClick(); });
  ButtonRefresh->OnClick = Guarded([this] { ButtonRefreshClick(); });
  ListViewAttributes->OnDblClick = Guarded([this] { ListViewAttributesDblClick(); });
  ListViewAttributes->OnReturn = Guarded([this] { ListViewAttributesDblClick(); });
  ListViewAttributes->OnColumnClick =
      Guarded([this](int column) { ListViewAttributesColumnClick(column); });
  ListViewAttributes->OnClick = Guarded([this] { ListViewAttributesClick(); });
  ListViewAttributes->OnSelectItem = Guarded([this](int, bool) { ListViewAttributesSelectItem(); });
  Button_Apply->OnClick = Guarded([this] { Button_ApplyClick(); });
  Button_DateTime->OnClick = Guarded([this] { Button_DateTimeClick(); });
  CurrentDateTime->OnClick = Guarded([this] { CurrentDateTimeClick(); });
  SpeedButton_GeneralMenu->OnClick = Guarded([this] { SpeedButton_GeneralMenuClick(); });
  ThemeAuto->OnClick = Guarded([this] { ThemeAutoClick(); });
  ThemeLight->OnClick = Guarded([this] { ThemeLightClick(); });
  ThemeDark->OnClick = Guarded([this] { ThemeDarkClick(); });
  IconSmallMenu->OnClick = Guarded([this] { IconSmallMenuClick(); });
  IconBigMenu->OnClick = Guarded([this] { IconBigMenuClick(); });
  RefreshListMenu->OnClick = Guarded([this] { RefreshListMenuClick(); });
  CheckUpdateMenu->OnClick = Guarded([this] { CheckUpdateMenuClick(); });
  AboutMenu->OnClick = Guarded([this] { AboutMenuClick(); });
}

bool TForm1::IsWindows10Or11() const {
  return IsSupportedWindows(*services_.registry);
}

void TForm1::FormCreate() {
  const std::wstring exe = services_.process->ExecutablePath();
  state_.PortableMode = settings::DetectPortableMode(*services_.files, *services_.process);

  std::wstring title =
      Caption() + L" " + GetFileVersionString(*services_.versions, exe) + L" " + kBuildMarker;
  if (state_.PortableMode) title += L" Portable";
  SetCaption(title);

  AttachSystemImageLists(ListViewAttributes);
  FillDriveList();
  LoadNastr();
  services_.dispatcher->ProcessMessages();
  ui::Guard([this] { ComboBoxDriveChange(); });
  services_.dispatcher->ProcessMessages();
}

void TForm1::FormShow() {
  browser_->ShowItemCount();
  services_.dispatcher->ProcessMessages();
}

void TForm1::FormClose() {
  SaveNastr();
}

void TForm1::WMDeviceChange(ui::DeviceChange change) {
  if (change != ui::DeviceChange::Other) FillDriveList();
}

bool TForm1::FormShortcut(ui::KeyStroke stroke) {
  const bool plain = !stroke.alt && !stroke.ctrl && !stroke.shift;
  if ((stroke.key == ui::Key::Backspace && plain) ||
      (stroke.key == ui::Key::Up && stroke.alt && !stroke.ctrl && !stroke.shift)) {
    ButtonUPClick();
    return true;
  }
  if (stroke.key == ui::Key::F5 && plain) {
    ButtonRefreshClick();
    return true;
  }
  if (stroke.key == ui::Key::F1 && plain) {
    AboutMenuClick();
    return true;
  }
  // The general menu for the keyboard, where Windows programs keep their menu bar.
  if (stroke.key == ui::Key::F10 && plain) {
    SpeedButton_GeneralMenu->Click();
    return true;
  }
  return false;
}

void TForm1::ListViewAttributesColumnClick(int column) {
  // The editor describes the first selected item: the new order may have put another first.
  if (browser_->SortByColumn(column)) GlobGetAttrDateTime();
}
