#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "PanelFixture.h"
#include "platform/fake/FakeServices.h"

namespace editor_test {

using panel_test::PanelForm;
using platform::DateTime;
using platform::FileTime;
using platform::fake::FakeClock;
using platform::fake::FakeFileSystem;
using platform::fake::FakePlatform;
using platform::fake::ToFileTime;

// Remembers every attribute word handed to the file system.
class RecordingFiles : public FakeFileSystem {
 public:
  bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override {
    words.push_back(attributes);
    return FakeFileSystem::SetAttributes(path, attributes);
  }
  std::vector<std::uint32_t> words;
};

// Lets a test act at one of the points where the program lets pending messages run.
class HookedDispatcher : public platform::fake::FakeDispatcher {
 public:
  void ProcessMessages() override {
    FakeDispatcher::ProcessMessages();
    if (processed == runAt && hook) {
      auto once = std::move(hook);
      hook = nullptr;
      once();
    }
  }
  int runAt = 0;
  std::function<void()> hook;
};

// The editor panel over fakes, in a zone with daylight saving time unless told otherwise.
class Editor {
 public:
  // `other`, when given, stands in for the fake clock.
  explicit Editor(FakeClock zone = FakeClock(), platform::Clock* other = nullptr) : clock(zone) {
    rest.services.files = &files;
    rest.services.clock = other != nullptr ? other : &clock;
    rest.services.dispatcher = &dispatcher;
    files.AddFolder(L"C:\\");
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // Lists `folder` as navigation does, making the panels first.
  void Open(const std::wstring& folder) {
    if (!panels_) {
      panels_ = std::make_unique<panel_test::EditorPanels>(rest.services);
      form = &panels_->form;
    }
    panels_->List(folder);
  }

  ui::ListView& list() { return *form->ListViewAttributes; }
  EditorPanel& panel() { return panels_->editor; }

  size_t IndexOf(const std::wstring& caption) {
    for (size_t i = 0; i < list().Count(); ++i) {
      if (list().Item(i).caption == caption) return i;
    }
    throw std::out_of_range("not listed");
  }

  [[nodiscard]] std::vector<bool> Boxes() const {
    return {form->CheckBox_ReadOnly->Checked(), form->CheckBox_Hide->Checked(),
            form->CheckBox_System->Checked(), form->CheckBox_Archive->Checked()};
  }

  // The user picks a date and a time of day, then presses "Изменить".
  void PickAndApply(const DateTime& date, int hour, int minute) {
    form->DatePicker1->UserChange(date);
    form->TimePicker1->UserChange({2000, 1, 1, hour, minute, 0, 0});
    form->Button_DateTime->Click();
  }

  std::wstring Cell(const std::wstring& caption) {
    return list().Item(IndexOf(caption)).subItems.at(1);
  }

  RecordingFiles files;
  FakeClock clock;
  HookedDispatcher dispatcher;
  FakePlatform rest;
  PanelForm* form = nullptr;  // once opened

 private:
  std::unique_ptr<panel_test::EditorPanels> panels_;
};

}  // namespace editor_test
