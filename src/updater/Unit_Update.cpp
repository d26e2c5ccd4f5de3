#include "updater/Unit_Update.h"

#include <utility>

#include "info/FileInfoUtils.h"
#include "platform/ui/Guard.h"
#include "settings/IniFile.h"
#include "updater/CheckThread.h"

namespace {

constexpr wchar_t kOption[] = L"Option";
const ui::Font kFormFont{L"Segoe UI", -12, false};
const ui::Font kBoldFont{L"Segoe UI", -12, true};

}  // namespace

TForm10::TForm10(const platform::Services& services, ProcessState& state,
                 updater::UpdateServers servers, std::function<std::wstring()> settingsPath)
    : ui::Form(nullptr, L"Form10", *services.forms),
      services_(services),
      state_(state),
      servers_(std::move(servers)),
      settingsPath_(std::move(settingsPath)) {
  CreateParams();
  CreateComponents();
  ConnectEvents();
  FormCreate();
}

TForm10::~TForm10() {
  // A worker hands its work to this window and waits: it must end while the window lives.
  for (const auto& thread : threads_) thread->Join();
}

void TForm10::CreateParams() {
  SetOwnTaskbarButton(true);
}

void TForm10::CreateComponents() {
  using ui::Align;
  SetCaption(L"Обновление");
  SetDesignClientSize({434, 191});
  SetMinimumSize({400, 230});
  SetSizeable(false);
  SetFont(kFormFont);

  TabControlButtons = &Create<ui::TabControl>(L"TabControlButtons", this);
  TabControlButtons->SetAlign(Align::Bottom);
  TabControlButtons->SetBounds({0, 154, 434, 37});
  auto button = [&](ui::Button*& field, const wchar_t* name, int left, const wchar_t* caption) {
    field = &Create<ui::Button>(name, TabControlButtons);
    field->SetBounds({left, 6, 95, 25});
    field->SetCaption(caption);
    field->SetCursor(ui::Cursor::HandPoint);
  };
  button(ButtonClose, L"ButtonClose", 261, L"Закрыть");
  button(ButtonDownload, L"ButtonDownload", 125, L"Скачать");
  ButtonDownload->isDefault = true;

  ProgressBarUpdate = &Create<ui::ProgressBar>(L"ProgressBarUpdate", this);
  ProgressBarUpdate->SetAlign(Align::Bottom);
  ProgressBarUpdate->SetBounds({0, 93, 434, 21});

  GroupBoxOption = &Create<ui::GroupBox>(L"GroupBoxOption", this);
  GroupBoxOption->SetAlign(Align::Bottom);
  GroupBoxOption->SetBounds({0, 114, 434, 40});
  GroupBoxOption->SetCaption(L"Опции");
  // Above the buttons, below the progress bar.
  GroupBoxOption->MoveBefore(*ProgressBarUpdate);
  auto option = [&](ui::CheckBox*& field, const wchar_t* name, ui::Rect place,
                    const wchar_t* caption, bool checked) {
    field = &Create<ui::CheckBox>(name, GroupBoxOption);
    field->SetBounds(place);
    field->SetCaption(caption);
    field->SetChecked(checked);
    field->SetCursor(ui::Cursor::HandPoint);
  };
  option(CheckBoxQuickUpdate, L"CheckBoxQuickUpdate", {13, 17, 100, 17}, L"Быстрое", true);
  option(CheckBoxForceUpdate, L"CheckBoxForceUpdate", {119, 17, 130, 17}, L"Принудительное", false);
  option(CheckBoxAutoCheck, L"CheckBoxAutoCheck", {261, 17, 170, 17}, L"Проверять при запуске",
         true);
  // The tab order: the force option comes first.
  CheckBoxForceUpdate->MoveBefore(*CheckBoxQuickUpdate);
  // Tab reads the window from the top: the options before the buttons below them.
  GroupBoxOption->SetTabOrder(0);

  GroupBox1 = &Create<ui::GroupBox>(L"GroupBox1", this);
  GroupBox1->SetAlign(Align::Client);
  GroupBox1->SetBounds({0, 0, 434, 93});
  LabelUpDate = &Create<ui::Label>(L"LabelUpDate", GroupBox1);
  LabelUpDate->SetAlign(Align::Top);
  LabelUpDate->SetBounds({0, 0, 434, 17});
  LabelUpDate->SetAlignment(ui::TextAlign::Center);
  LabelUpDate->SetFont(kBoldFont);
  LabelUpDate->SetCaption(L"Проверка обновления...");
  auto label = [&](ui::Label*& field, const wchar_t* name, ui::Rect place, ui::TextAlign align,
                   const wchar_t* caption) {
    field = &Create<ui::Label>(name, GroupBox1);
    field->SetBounds(place);
    field->SetAlignment(align);
    field->SetCaption(caption);
  };
  // The version labels have no designed width: they take what their text needs.
  label(LabelLocalVersion, L"LabelLocalVersion", {226, 38, 200, 15}, ui::TextAlign::Left,
        L"LabelLocalVersion");
  label(LabelServerVersion, L"LabelServerVersion", {226, 59, 200, 15}, ui::TextAlign::Left,
        L"LabelServerVersion");
  LabelServerVersion->SetFont(kBoldFont);
  // Right-aligned titles ending at 220; room to their left for wider fonts and translations.
  label(LabelLocalTitle, L"LabelLocalTitle", {10, 38, 210, 15}, ui::TextAlign::Right,
        L"Версия на компьютере:");
  label(LabelServerTitle, L"LabelServerTitle", {10, 59, 210, 15}, ui::TextAlign::Right,
        L"Версия на сервере:");

  CreateMessageItems();
  IdHTTP1 = &Create<updater::HttpClientComponent>(L"IdHTTP1", *services_.http);
  IdHTTP2 = &Create<updater::HttpClientComponent>(L"IdHTTP2", *services_.http);
  TaskbarUpdate = &Create<ui::TaskbarProgress>(L"TaskbarUpdate", *this);
}

void TForm10::CreateMessageItems() {
  PopupMenuLanguage = &Create<ui::PopupMenu>(L"PopupMenuLanguage");
  auto item = [&](ui::MenuItem*& field, const wchar_t* name, const wchar_t* caption) {
    field = &Create<ui::MenuItem>(name, *PopupMenuLanguage, caption);
    field->visible = false;
  };
  item(LangNoDownload, L"LangNoDownload", L"Файлы обновления не загружены!");
  item(LangDownloadComplet, L"LangDownloadComplet", L"Файлы обновления загружены!");
  item(LangNoUpdate, L"LangNoUpdate", L"Нет обновления");
  item(LangServerVersion, L"LangServerVersion", L"Версия на сервере:");
  item(LangVersionComputer, L"LangVersionComputer", L"Версия на компьютере:");
  item(LangUpdateAvailable, L"LangUpdateAvailable", L"Доступно обновление");
  item(LangDownload, L"LangDownload", L"Скачать");
  item(LangCancel, L"LangCancel", L"Отмена");
  item(LangUpdateNow, L"LangUpdateNow", L"Хотите обновить приложение сейчас?");
  item(LangYes, L"LangYes", L"Да");
  item(LangNo, L"LangNo", L"Нет");
  item(LangCheckUpdate, L"LangCheckUpdate", L"Проверка обновления...");
  item(LangFailedCheckUpdates, L"LangFailedCheckUpdates", L"Не удалось проверить обновления");
  item(LangConnectionError, L"LangConnectionError", L"Ошибка соединения");
}

// Every handler runs guarded: a failure leaves the window as far as the handler got.
void TForm10::ConnectEvents() {
  using ui::Guarded;
  OnShow = Guarded([this] { FormShow(); });
  OnClose = Guarded([this] { FormClose(); });
  ButtonClose->OnClick = Guarded([this] { ButtonCloseClick(); });
  ButtonDownload->OnClick = Guarded([this] { ButtonDownloadClick(); });
  CheckBoxForceUpdate->OnClick = Guarded([this] { CheckBoxForceUpdateClick(); });
}

void TForm10::FormCreate() {
  LoadNastr();
}

void TForm10::LoadNastr() {
  const settings::IniFile file(*services_.files, settingsPath_());
  CheckBoxAutoCheck->SetChecked(file.Document().ReadBool(kOption, CheckBoxAutoCheck->Name(), true));
  if (CheckBoxAutoCheck->Checked()) {
    CheckForUpdatesInBackground();
    services_.dispatcher->ProcessMessages();
  }
}

void TForm10::SaveNastr() {
  settings::IniFile file(*services_.files, settingsPath_());
  file.Document().WriteBool(kOption, CheckBoxAutoCheck->Name(), CheckBoxAutoCheck->Checked());
  file.Save();
}

std::wstring TForm10::LocalVersion() const {
  return GetFileVersionString(*services_.versions, services_.process->ExecutablePath());
}

void TForm10::FormShow() {
  LabelUpDate->SetCaption(L"");
  LabelLocalVersion->SetCaption(LocalVersion());
  LabelServerVersion->SetCaption(L"");
  LabelUpDate->SetCaption(LangCheckUpdate->Caption());
  if (CheckBoxForceUpdate->Checked()) {
    CheckBoxForceUpdate->SetChecked(false);
    CheckBoxForceUpdateClick();
  }
  const bool quickStart = QuickStartPending;
  QuickStartPending = false;
  if (quickStart) {
    QuickStartUpdate();
  } else {
    // Locked before the worker starts, so no click meets the previous check's address.
    GroupBoxOption->SetEnabled(false);
    ButtonDownload->SetEnabled(false);
    StartThread([this] { updater::CheckThread(*this, *services_.dispatcher).Execute(); });
  }
}

void TForm10::FormClose() {
  LabelUpDate->SetCaption(L"");
  LabelLocalVersion->SetCaption(L"");
  LabelServerVersion->SetCaption(L"");
  SaveNastr();
}

void TForm10::CheckBoxForceUpdateClick() {
  SetMode(kIdle);
  ButtonDownload->SetEnabled(CheckBoxForceUpdate->Checked());
}

void TForm10::SetMode(int mode) {
  mode_ = mode;
  ButtonDownload->SetCaption(mode == kIdle ? LangDownload->Caption() : LangCancel->Caption());
}

void TForm10::StartThread(std::function<void()> work) {
  threads_.push_back(services_.threads->Start(std::move(work)));
}

updater::UpdateLookup TForm10::Lookup() const {
  return {*services_.http, *services_.registry, *services_.crypto, servers_, state_.PortableMode};
}
