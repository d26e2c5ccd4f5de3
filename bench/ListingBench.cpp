// How long a listing of a large folder takes, measured against a bare directory search of
// the same folder, and how much memory the list holds per item.
//
//   brindlow_listing_bench folder...
//
// scripts/bench makes folders of 1,000, 10,000 and 100,000 entries and passes them.
#include <windows.h>
// The COM and process-memory headers build on <windows.h>.
#include <objbase.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Services.h"

namespace {

constexpr int kRounds = 5;
// Rows of a maximised list on a large screen: what the first paint asks for.
constexpr size_t kFirstScreenRows = 50;

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The process's committed private memory (Wine fills PagefileUsage, not PrivateUsage).
std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

double BareSearch(const std::wstring& folder, std::size_t& entries) {
  const double start = Now();
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  entries = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      ++entries;
    } while (FindNextFileW(search, &data));
    FindClose(search);
  }
  return Now() - start;
}

struct Timing {
  double listing;  // AddFile: the list is ready to be drawn
  double screen;   // the type names and icons the first paint asks for
};

Timing Listing(TForm1& form, const std::wstring& folder) {
  const double start = Now();
  form.cbPath->SetTextValue(folder);
  form.AddFile(folder + L"*.*", 0x1FF);
  const double listed = Now();
  ui::ListView& list = *form.ListViewAttributes;
  for (size_t i = 0; i < std::min(list.Count(), kFirstScreenRows); ++i) list.Item(i);
  return {listed - start, Now() - listed};
}

// The local-time conversions of one listing on their own.
double ClockAlone(platform::FileSystem& files, platform::Clock& clock, const std::wstring& folder) {
  std::vector<platform::FileTime> times;
  files.Enumerate(folder + L"*.*",
                  [&](const platform::DirEntry& entry) { times.push_back(entry.lastWrite); });
  const double start = Now();
  for (platform::FileTime t : times) clock.ToLocal(t);
  return Now() - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (argc < 2) {
    std::fprintf(stderr, "usage: brindlow_listing_bench folder...\n");
    return 2;
  }

  platform::win32::Win32FileSystem files;
  platform::win32::Win32Volumes volumes;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Clock clock;
  platform::fake::FakePlatform rest;  // what a listing does not touch
  platform::Services services = rest.services;
  services.files = &files;
  services.volumes = &volumes;
  services.shell = &shell;
  services.clock = &clock;
  ProcessState state;
  TForm1 form(services, state);

  std::vector<std::wstring> folders(argv + 1, argv + argc);
  for (std::wstring& folder : folders) {
    if (folder.back() != L'\\') folder += L'\\';
  }

  std::printf(
      "\nA listing (AddFile until the list can be drawn) against a bare FindFirstFileExW\n"
      "search of the same folder; screen: the first %zu rows' types and icons; clock:\n"
      "the local-time conversions of all entries alone. Medians of %d rounds.\n\n",
      kFirstScreenRows, kRounds);
  std::printf("%9s %10s %11s %6s %10s %11s %9s\n", "entries", "search ms", "listing ms", "ratio",
              "screen ms", "bytes/item", "clock ms");
  for (const std::wstring& folder : folders) {
    std::size_t entries = 0;
    BareSearch(folder, entries);  // warms the file system's caches for both
    const std::size_t before = PrivateBytes();
    Listing(form, folder);
    const std::size_t grown = PrivateBytes() - std::min(before, PrivateBytes());
    const std::size_t items = std::max<std::size_t>(form.ListViewAttributes->Count(), 1);

    std::vector<double> search;
    std::vector<double> listing;
    std::vector<double> screen;
    for (int round = 0; round < kRounds; ++round) {
      search.push_back(BareSearch(folder, entries));
      const Timing t = Listing(form, folder);
      listing.push_back(t.listing);
      screen.push_back(t.screen);
    }
    const double s = Median(search);
    const double l = Median(listing);
    std::printf("%9zu %10.1f %11.1f %6.2f %10.1f %11zu %9.1f\n", items, s, l, l / s, Median(screen),
                grown / items, ClockAlone(files, clock, folder));
    std::fflush(stdout);
  }
  CoUninitialize();
  return 0;
}
