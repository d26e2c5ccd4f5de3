#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RealSystem.h"
#include "WindowTestSupport.h"
#include "app/Unit_Base.h"
#include "info/Unit_About.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"
#include "updater/Unit_Update.h"

// The main window in native windows, shown, and the gestures of a user on it.
class ShownMainWindow : public testing::Test {
 protected:
  // Faked: the file system, the drives and the shell's answers come from `fake` (fill it
  // first), so the window shows the same content on every machine; the rows take their icons
  // from the real system lists. Real: the real file system, drives, shell and clock.
  enum class Content { Faked, Real };

  // Starts as the program does: makes the three windows, translates them, shows the main one.
  void Open(Content content);
  // Opens it over a faked drive C: with two folders and three files.
  void OpenOverSampleRows();
  // Fakes a portable copy of the program in C:\Program, with the English language file it
  // ships; call before Open.
  void FakePortableProgram();

  [[nodiscard]] HWND Named(const wchar_t* name) const;
  [[nodiscard]] int Dpi() const { return window_test::DpiOf(frame); }

  // Runs what is queued through the program's own pump, shortcuts included.
  static void Pump();
  // The user picks `entry`, added to the path box's history, from its list.
  void ChooseHistory(const std::wstring& entry);
  void SelectOnly(int row);
  void PressKey(HWND window, WPARAM key);
  void DoubleClickRow(int row);
  void Click(const ui::Control& button);

  [[nodiscard]] int RowOf(const std::wstring& caption) const;
  [[nodiscard]] std::vector<std::wstring> Rows() const;
  [[nodiscard]] std::wstring PathText() const;

  window_test::GuiScope gui;
  platform::fake::FakePlatform fake;
  platform::win32::Win32FileSystem realFiles;
  platform::win32::Win32Volumes realVolumes;
  platform::win32::Win32Shell realShell;
  platform::win32::Win32Clock realClock;
  platform::win32::Win32Dispatcher dispatcher;
  platform::win32::Win32FormHost host;  // outlives the forms
  platform::Services services;
  ProcessState state;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TForm8> about;
  std::unique_ptr<TForm10> update;
  HWND frame = nullptr;
  HWND list = nullptr;
  HWND path = nullptr;
};

// Over the real system, with a temporary folder to work in.
class MainWindowOnDisk : public ShownMainWindow {
 protected:
  void SetUp() override { Open(Content::Real); }

  const real_system::TempFolder temp;
};
