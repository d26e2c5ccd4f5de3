#pragma once

#include <cwctype>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeCrypto.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeHttp.h"
#include "platform/fake/FakeThreads.h"
#include "platform/ui/Form.h"

namespace platform::fake {

class FakeVolumes : public Volumes {
 public:
  std::uint32_t PresentDrives() override {
    std::uint32_t present = 0;
    for (const auto& [letter, drive] : drives) {
      if (drive.first != DriveType::NoRootDir) present |= 1u << (letter - L'A');
    }
    return present;
  }
  DriveType GetDriveType(const std::wstring& root) override {
    auto it = drives.find(std::towupper(root.at(0)));
    return it == drives.end() ? DriveType::NoRootDir : it->second.first;
  }
  std::optional<std::wstring> GetVolumeName(const std::wstring& root) override {
    auto it = drives.find(std::towupper(root.at(0)));
    if (it == drives.end()) return std::nullopt;
    return it->second.second;
  }
  // Upper-case letter -> type and label (no label: unreadable).
  std::map<wchar_t, std::pair<DriveType, std::optional<std::wstring>>> drives;
};

class FakeShell : public Shell {
 public:
  std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path) override {
    ++infoQueries;
    for (const std::wstring& failing : failingPaths) {
      if (failing == path) return std::nullopt;
    }
    if (auto own = answers.find(path); own != answers.end()) return own->second;
    const std::wstring ext = Extension(path);
    return ShellFileInfo{TypeOf(ext), static_cast<int>(ext.size())};
  }
  std::optional<ShellFileInfo> GetKindInfo(const std::wstring& name, bool folder) override {
    ++kindQueries;
    if (failingKinds > 0) {
      --failingKinds;
      return std::nullopt;
    }
    if (auto given = kindAnswers.find(name); given != kindAnswers.end()) return given->second;
    const std::wstring ext = folder ? L"" : Extension(name);
    return ShellFileInfo{TypeOf(ext), static_cast<int>(ext.size())};
  }
  std::uintptr_t SystemImageList(bool small) override {
    ++imageListQuestions;
    return small ? smallList : largeList;
  }
  void Open(const ui::Form* owner, const std::wstring& file,
            const std::wstring& directory) override {
    opened.push_back({owner, file, directory});
  }
  void OpenLink(const ui::Form* owner, const std::wstring& address) override {
    links.push_back({owner, address});
  }
  void Execute(const ui::Form* owner, const std::wstring& file, const std::wstring& parameters,
               bool hidden) override {
    executed.push_back({owner, file, parameters, hidden});
  }
  void NotifyAssociationsChanged() override { ++associationNotices; }
  void RefreshDesktop() override { ++desktopRefreshes; }
  std::optional<std::wstring> AppDataFolder() override { return appData; }

  std::vector<std::wstring> failingPaths;
  // Answers for single paths, before the one made from the extension.
  std::map<std::wstring, ShellFileInfo> answers;
  // On a drive of its own, so that the settings folder never shows in a listed folder.
  std::optional<std::wstring> appData = L"S:\\Users\\Tester\\AppData\\Roaming";
  // Answers of GetKindInfo by the name asked about, before the one made from the extension.
  std::map<std::wstring, ShellFileInfo> kindAnswers;
  // How many of the next GetKindInfo questions fail.
  int failingKinds = 0;
  std::uintptr_t smallList = 0x51;
  std::uintptr_t largeList = 0x52;
  int imageListQuestions = 0;
  struct Opened {
    const ui::Form* owner;
    std::wstring file;
    std::wstring directory;
  };
  std::vector<Opened> opened;
  struct Link {
    const ui::Form* owner;
    std::wstring address;
  };
  std::vector<Link> links;
  struct Executed {
    const ui::Form* owner;
    std::wstring file;
    std::wstring parameters;
    bool hidden;
  };
  std::vector<Executed> executed;
  int infoQueries = 0;
  int kindQueries = 0;
  int associationNotices = 0;
  int desktopRefreshes = 0;

 private:
  static std::wstring Extension(const std::wstring& path) {
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L'\\');
    return dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)
               ? L""
               : path.substr(dot + 1);
  }
  // Files without an extension and folders are alike to this shell.
  static std::wstring TypeOf(const std::wstring& ext) {
    return ext.empty() ? L"Folder" : ext + L" File";
  }
};

class FakeRegistry : public Registry {
 public:
  std::optional<std::uint32_t> ReadDword(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override {
    std::optional<std::uint32_t> answer;
    if (auto it = dwords.find({root, key + L"\\" + value}); it != dwords.end()) {
      answer = it->second;
    }
    if (afterDwordRead) afterDwordRead();
    return answer;
  }
  std::optional<std::wstring> ReadString(RegistryRoot root, const std::wstring& key,
                                         const std::wstring& value) override {
    auto it = strings.find({root, key + L"\\" + value});
    if (it == strings.end()) return std::nullopt;
    return it->second;
  }
  // Stores the system version numbers where Windows keeps them.
  void SetWindowsVersion(std::uint32_t major, const std::wstring& build) {
    const std::wstring key = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
    dwords[{RegistryRoot::LocalMachine, key + L"CurrentMajorVersionNumber"}] = major;
    strings[{RegistryRoot::LocalMachine, key + L"CurrentBuildNumber"}] = build;
  }
  std::map<std::pair<RegistryRoot, std::wstring>, std::uint32_t> dwords;
  std::map<std::pair<RegistryRoot, std::wstring>, std::wstring> strings;
  // Runs after every number read: lets a test change the registry between two questions.
  std::function<void()> afterDwordRead;
};

class FakeDialogs : public Dialogs {
 public:
  struct Shown {
    const ui::Form* owner;
    std::wstring text;
    std::wstring caption;
    unsigned flags;
  };
  int ShowMessage(const ui::Form* owner, const std::wstring& text, const std::wstring& caption,
                  unsigned flags) override {
    shown.push_back({owner, text, caption, flags});
    return 1;
  }
  bool AskYesNo(const ui::Form* owner, const std::wstring& text, const std::wstring& caption,
                const std::wstring& yes, const std::wstring& no) override {
    questions.push_back({owner, text, caption, yes, no});
    const bool answer = answerYes;
    if (onQuestion) onQuestion();
    return answer;
  }
  std::vector<Shown> shown;
  struct Question {
    const ui::Form* owner;
    std::wstring text;
    std::wstring caption;
    std::wstring yes;
    std::wstring no;
  };
  std::vector<Question> questions;
  bool answerYes = false;
  // Runs while a question is open, as a modal loop would run other work.
  std::function<void()> onQuestion;
};

class FakeDispatcher : public Dispatcher {
 public:
  // Runs what was posted, as the message loop would; `onProcess` stands for the window messages
  // that would run there (a click arriving mid-download).
  void ProcessMessages() override {
    ++processed;
    if (onProcess) onProcess();
    std::vector<std::function<void()>> due;
    due.swap(posted);
    for (const std::function<void()>& work : due) work();
  }
  void RunOnUiThread(const std::function<void()>& work) override { work(); }
  void Post(std::function<void()> work) override { posted.push_back(std::move(work)); }
  int processed = 0;
  std::vector<std::function<void()>> posted;
  std::function<void()> onProcess;
};

class FakeProcess : public Process {
 public:
  std::wstring ExecutablePath() override { return executable; }
  std::wstring TempFolder() override { return temp; }
  void Terminate() override { ++terminations; }
  [[noreturn]] void ExitNow(int code) override {
    exitCode = code;
    throw Exited{};
  }
  // What ExitNow throws, so that a test sees the process end where it would.
  struct Exited {};
  std::wstring executable = L"C:\\Program Files\\Brindlow\\Brindlow.exe";
  std::wstring temp = L"C:\\Users\\Tester\\AppData\\Local\\Temp\\";
  int terminations = 0;
  std::optional<int> exitCode;
};

class FakeVersionResources : public VersionResources {
 public:
  struct Resource {
    std::map<std::wstring, std::vector<std::uint8_t>> bytes;
    std::map<std::wstring, std::wstring> strings;
  };
  std::unique_ptr<VersionBlock> Load(const std::wstring& fileName) override;
  std::map<std::wstring, Resource> files;
};

class FakeFormHost : public ui::FormHost {
 public:
  void Show(ui::Form& form) override { form.Shown(); }
  void ShowModal(ui::Form& form) override {
    shownModal.push_back(&form);
    form.Shown();
  }
  void Close(ui::Form& form) override { form.Closed(); }
  void Run(ui::Form& form) override {
    ran.push_back(&form);
    form.Shown();
  }
  void TrackPopup(ui::PopupMenu& menu, ui::Point screen) override {
    popups.push_back({&menu, screen});
  }
  void EndMenu() override { ++menusEnded; }
  ui::Rect ScreenBounds(const ui::Control& control) override {
    const auto found = screenBounds.find(&control);
    return found != screenBounds.end() ? found->second : ui::Rect{};
  }
  ui::Rect WorkArea(const ui::Rect& /*window*/) override { return workArea; }
  void SetStyle(ui::Style style) override { styles.push_back(style); }

  struct Popup {
    const ui::PopupMenu* menu;
    ui::Point at;
  };
  [[nodiscard]] const ui::Form* MainForm() const override {
    return ran.empty() ? nullptr : ran.back();
  }
  std::vector<ui::Form*> ran;
  std::vector<ui::Form*> shownModal;
  std::vector<Popup> popups;
  // Every style set, in order.
  std::vector<ui::Style> styles;
  int menusEnded = 0;
  std::map<const ui::Control*, ui::Rect> screenBounds;
  ui::Rect workArea{0, 0, 1920, 1040};
};

// Every service faked, ready to hand to a window. A test may point any field of `services`
// at a service of its own.
struct FakePlatform {
  FakePlatform() = default;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeFileSystem files;
  FakeVolumes volumes;
  FakeShell shell;
  FakeRegistry registry;
  FakeClock clock;
  FakeDialogs dialogs;
  FakeDispatcher dispatcher;
  FakeProcess process;
  FakeVersionResources versions;
  FakeFormHost forms;
  FakeHttp http;
  FakeThreads threads;
  FakeCrypto crypto{&files};

  Services services{.files = &files,
                    .volumes = &volumes,
                    .shell = &shell,
                    .registry = &registry,
                    .clock = &clock,
                    .dialogs = &dialogs,
                    .dispatcher = &dispatcher,
                    .process = &process,
                    .versions = &versions,
                    .http = &http,
                    .threads = &threads,
                    .crypto = &crypto,
                    .forms = &forms};
};

}  // namespace platform::fake
