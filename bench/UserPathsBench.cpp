// The program as its user meets it: Brindlow.exe started, shown and painted, folders entered by
// a double-click, the list sorted by a click on each column header, the window closed. Each
// path is timed from the user's action until the window has painted what the action asked
// for, next to a reference measured in the same run:
//   start-up and close: a program that shows nothing but a window with a list view;
//   entering a folder and sorting it: one bare FindFirstFileExW pass over the folder.
// Medians of several rounds; the ratios are the last column.
//
//   brindlow_bench [--rounds N] [--start-up | --huge] Brindlow.exe reference.exe data-folder
//
// With --start-up only start-up and close are measured (seconds instead of minutes, for
// trying a change to them). With --huge the folder of 1,000,000 files is measured too.
//
// The data folder lies in the root of the first drive (the program starts there) and holds
// the folders 1000, 10000, 100000 (and 1000000) that scripts/bench makes.
#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "FolderOrder.h"
#include "RemoteProgram.h"
#include "ScreenRows.h"

namespace {

using bench::Now;
using bench::RemoteProgram;

constexpr const wchar_t* kProgramClass = L"BrindlowForm";
constexpr const wchar_t* kReferenceClass = L"BrindlowBenchReference";
constexpr int kReferenceRows = 12;
constexpr DWORD kWindowTimeoutMs = 60'000;
constexpr double kReadyTimeoutMs = 120'000;
constexpr int kLarge = 100'000;
constexpr int kHuge = 1'000'000;
constexpr int kListings = 10;
// Memory is read once it has not changed for this long.
constexpr DWORD kSettledMs = 1'000;
constexpr DWORD kSettleTimeoutMs = 30'000;
constexpr const char* kColumnNames[] = {"name", "type", "date", "size"};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "brindlow_bench: %s\n", what);
  std::exit(1);
}

std::wstring Digits(const std::wstring& text) {
  std::wstring digits;
  for (wchar_t c : text) {
    if (c >= L'0' && c <= L'9') digits += c;
  }
  return digits;
}

// What a window has to show before the user's action counts as done.
struct Expect {
  int rows = -1;                                   // the list's row count; -1: any but none
  bool firstSelected = false;                      // the first row is the selected one
  bool editor = false;                             // the pickers show the first row's time
  const bench::FolderOrder::Ends* ends = nullptr;  // the first and last rows' captions
};

// The program's main window and the controls the benchmark reads and clicks.
struct Controls {
  HWND list = nullptr;
  HWND header = nullptr;
  HWND picker = nullptr;
};

bool EditorShowsFirstRow(const RemoteProgram& program, const Controls& controls) {
  const SYSTEMTIME shown = program.PickerValue(controls.picker);
  wchar_t digits[32];
  std::swprintf(digits, 32, L"%02u%02u%04u%02u%02u", shown.wDay, shown.wMonth, shown.wYear,
                shown.wHour, shown.wMinute);
  return Digits(program.RowText(controls.list, 0, 2)) == digits;
}

bool Shows(const RemoteProgram& program, const Controls& controls, const Expect& expect) {
  const int rows = program.RowCount(controls.list);
  if (expect.rows >= 0 ? rows != expect.rows : rows <= 0) return false;
  if (expect.firstSelected && rows > 0 && program.FirstSelectedRow(controls.list) != 0) {
    return false;
  }
  if (expect.editor && rows > 0 && !EditorShowsFirstRow(program, controls)) return false;
  if (expect.ends != nullptr &&
      (program.RowText(controls.list, 0, 0) != expect.ends->first ||
       program.RowText(controls.list, rows - 1, 0) != expect.ends->last)) {
    return false;
  }
  return program.Painted();
}

// The moment the window showed what was expected, painted.
double WaitUntilShown(const RemoteProgram& program, const Controls& controls,
                      const Expect& expect) {
  const double end = Now() + kReadyTimeoutMs;
  while (!Shows(program, controls, expect)) {
    if (Now() > end) {
      const int rows = program.RowCount(controls.list);
      std::fprintf(stderr,
                   "brindlow_bench: expected %d rows, %s, %s, first and last rows %ls / %ls\n",
                   expect.rows, expect.firstSelected ? "the first selected" : "any selection",
                   expect.editor ? "the editor on the first row" : "any editor",
                   expect.ends != nullptr ? expect.ends->first.c_str() : L"any",
                   expect.ends != nullptr ? expect.ends->last.c_str() : L"any");
      std::fprintf(
          stderr,
          "brindlow_bench: shown %d rows, row %d selected, first and last rows %ls / %ls, %s\n",
          rows, program.FirstSelectedRow(controls.list),
          program.RowText(controls.list, 0, 0).c_str(),
          program.RowText(controls.list, std::max(rows - 1, 0), 0).c_str(),
          program.Painted() ? "painted" : "not painted");
      Fail("the window did not show what was expected in time");
    }
    Sleep(1);
  }
  return Now();
}

Controls FindControls(const RemoteProgram& program) {
  Controls controls;
  controls.list = program.Child(WC_LISTVIEWW);
  controls.picker = program.Child(DATETIMEPICK_CLASSW);
  if (controls.list == nullptr) Fail("no list view in the window");
  controls.header = reinterpret_cast<HWND>(program.Send(controls.list, LVM_GETHEADER, 0, 0));
  return controls;
}

struct Lifetime {
  double startup;
  double close;
};

Lifetime StartAndClose(const std::wstring& exe, const wchar_t* windowClass, const Expect& expect) {
  RemoteProgram program(exe);
  if (!program.Started()) Fail("a program could not be started");
  if (!program.WaitForWindow(windowClass, kWindowTimeoutMs)) Fail("no window appeared");
  const Controls controls = FindControls(program);
  const double shown = WaitUntilShown(program, controls, expect);
  const double close = program.Close(kWindowTimeoutMs);
  if (close < 0) Fail("a program did not end after its window closed");
  return {shown - program.StartedAt(), close};
}

double BarePass(const std::wstring& folder) {
  const double start = Now();
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search != INVALID_HANDLE_VALUE) {
    while (FindNextFileW(search, &data)) {
    }
    FindClose(search);
  }
  return Now() - start;
}

// One running program driven through the user's paths.
class Session {
 public:
  explicit Session(const std::wstring& exe) : program_(exe) {
    if (!program_.Started()) Fail("Brindlow could not be started");
    if (!program_.WaitForWindow(kProgramClass, kWindowTimeoutMs)) Fail("no Brindlow window");
    controls_ = FindControls(program_);
    if (controls_.picker == nullptr) Fail("no date picker in the window");
    WaitUntilShown(program_, controls_, {-1, true, true});
  }

  [[nodiscard]] const RemoteProgram& Program() const { return program_; }
  [[nodiscard]] int Rows() const { return program_.RowCount(controls_.list); }

  // Double-clicks the row of `name` (selected first, as the first click of the two does)
  // and returns the time until the folder's first screen is painted and the editor shows
  // the first item.
  double Enter(const std::wstring& name, int rows) {
    const int row = FindRow(name);
    if (row < 0) Fail("a folder to enter is not in the list");
    program_.SelectOnly(controls_.list, row);
    WaitUntilShown(program_, controls_, {-1, false, false});
    const RECT label = program_.RowRect(controls_.list, row);
    const LPARAM point = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    const double start = Now();
    program_.Send(controls_.list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    const double shown = WaitUntilShown(program_, controls_, {rows, true, true});
    program_.Send(controls_.list, WM_LBUTTONUP, 0, point);
    CheckFirstScreen();
    return shown - start;
  }

  // The direction of the list's sort, read from the rows of a folder just entered (which the
  // program sorts by size).
  int DirectionAfterEntering(const bench::FolderOrder& order) const {
    const std::wstring first = program_.RowText(controls_.list, 0, 0);
    if (first == order.Sorted(3, +1).first) return +1;
    if (first == order.Sorted(3, -1).first) return -1;
    Fail("the entered folder's rows are not in the order of their sizes");
  }

  // A click on a column header; the time until the rows stand in the new order (the
  // direction flips with each click), painted.
  double Sort(int column, const bench::FolderOrder& order, int direction) {
    const bench::FolderOrder::Ends ends = order.Sorted(column, direction);
    const RECT r = program_.HeaderItemRect(controls_.header, column);
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    program_.Send(controls_.header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    const double start = Now();
    program_.Send(controls_.header, WM_LBUTTONUP, 0, point);
    const double shown = WaitUntilShown(program_, controls_, {-1, false, false, &ends});
    CheckFirstScreen();
    return shown - start;
  }

  // Backspace: up one level, until the parent is painted.
  void Up(int rows) {
    PressKey(VK_BACK);
    WaitUntilShown(program_, controls_, {rows, true, true});
  }

  // F5: the same folder listed again. Another row is selected first, so that the listing's
  // own selection of the first row tells when it is done.
  void Refresh(int rows) {
    program_.SelectOnly(controls_.list, 1);
    PressKey(VK_F5);
    WaitUntilShown(program_, controls_, {rows, true, true});
  }

  double Close() { return program_.Close(kWindowTimeoutMs); }

  int missingTypes = 0;

 private:
  int FindRow(const std::wstring& name) const {
    for (int row = 0; row < Rows(); ++row) {
      if (program_.RowText(controls_.list, row, 0) == name) return row;
    }
    return -1;
  }

  void PressKey(WPARAM key) {
    PostMessageW(controls_.list, WM_KEYDOWN, key, 1);
    PostMessageW(controls_.list, WM_KEYUP, key, 0xC0000001);
  }

  void CheckFirstScreen() {
    missingTypes += bench::RowsShownWithoutTypeOrIcon(program_, controls_.list);
  }

  RemoteProgram program_;
  Controls controls_;
};

struct Row {
  std::string path;
  double program;
  double reference;
  std::string referenceName;
};

void PrintTable(const std::vector<Row>& rows, int rounds) {
  std::printf(
      "\nThe user's paths in Brindlow.exe against references of the same run, medians of "
      "%d rounds.\n\n",
      rounds);
  std::printf("%-34s %12s %14s  %-28s %7s\n", "path (until painted)", "Brindlow ms", "reference ms",
              "reference", "ratio");
  for (const Row& row : rows) {
    std::printf("%-34s %12.1f %14.1f  %-28s %7.2f\n", row.path.c_str(), row.program, row.reference,
                row.referenceName.c_str(), row.reference > 0 ? row.program / row.reference : 0.0);
  }
}

// A figure next to its goal.
void Goal(const std::string& what, double figure, double goal, const char* unit) {
  std::printf("  %-62s %10.2f%s  (goal %.2f%s)  %s\n", what.c_str(), figure, unit, goal, unit,
              figure <= goal ? "met" : "NOT MET");
}

std::string Thousands(int n) {
  std::string text;
  const std::string digits = std::to_string(n);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int rounds = 5;
  bool startUpOnly = false;
  bool huge = false;
  std::vector<std::wstring> args(argv + 1, argv + argc);
  while (!args.empty() && args[0].starts_with(L"--")) {
    if (args[0] == L"--rounds" && args.size() >= 2) {
      rounds = std::max(1, _wtoi(args[1].c_str()));
      args.erase(args.begin(), args.begin() + 2);
    } else if (args[0] == L"--start-up") {
      startUpOnly = true;
      args.erase(args.begin());
    } else if (args[0] == L"--huge") {
      huge = true;
      args.erase(args.begin());
    } else {
      break;
    }
  }
  if (args.size() != 3) {
    std::fprintf(
        stderr,
        "usage: brindlow_bench [--rounds N] [--start-up | --huge] Brindlow.exe reference.exe "
        "C:\\data\n");
    return 2;
  }
  const std::wstring& program = args[0];
  const std::wstring& reference = args[1];
  std::wstring data = args[2];
  if (data.back() != L'\\') data += L'\\';
  if (data.size() < 5 || data.compare(1, 2, L":\\") != 0 ||
      data.find(L'\\', 3) != data.size() - 1) {
    Fail("the data folder must lie in the root of a drive");
  }
  const std::wstring dataName = data.substr(3, data.size() - 4);

  // The first start of each pays for loading what later starts find cached.
  StartAndClose(reference, kReferenceClass, {kReferenceRows, false, false});
  StartAndClose(program, kProgramClass, {-1, true, true});

  std::vector<double> startup[2];
  std::vector<double> close[2];
  for (int round = 0; round < rounds; ++round) {
    const Lifetime r = StartAndClose(reference, kReferenceClass, {kReferenceRows, false, false});
    const Lifetime p = StartAndClose(program, kProgramClass, {-1, true, true});
    startup[0].push_back(p.startup);
    startup[1].push_back(r.startup);
    close[0].push_back(p.close);
    close[1].push_back(r.close);
  }

  std::vector<Row> rows;
  rows.push_back({"start-up to the painted listing", Median(startup[0]), Median(startup[1]),
                  "window with a list view"});
  rows.push_back(
      {"close (WM_CLOSE to process end)", Median(close[0]), Median(close[1]), "its close"});
  if (startUpOnly) {
    PrintTable(rows, rounds);
    return 0;
  }

  std::vector<int> sizes = {1'000, 10'000, kLarge};
  std::vector<int> largeSizes = {kLarge};
  if (huge) {
    sizes.push_back(kHuge);
    largeSizes.push_back(kHuge);
  }
  std::map<int, bench::FolderOrder> orders;
  for (int size : largeSizes) orders.emplace(size, data + std::to_wstring(size) + L"\\");

  // The first listing after start, in a program of its own each round; in the first round also
  // the memory it holds per listed item, read from a settled start, and (at 100,000) whether
  // listing the same folder again keeps to it.
  std::map<int, std::vector<double>> first;
  std::map<int, std::vector<double>> firstBare;
  std::map<int, double> bytesPerItem;
  double growth = 0;
  int missingTypes = 0;
  for (int round = 0; round < rounds; ++round) {
    for (int size : largeSizes) {
      Session fresh(program);
      fresh.Enter(dataName, -1);
      const std::size_t atData = fresh.Program().SettledPrivateBytes(kSettledMs, kSettleTimeoutMs);
      firstBare[size].push_back(BarePass(data + std::to_wstring(size) + L"\\"));
      first[size].push_back(fresh.Enter(std::to_wstring(size), size));
      if (round == 0) {
        const std::size_t listed =
            fresh.Program().SettledPrivateBytes(kSettledMs, kSettleTimeoutMs);
        bytesPerItem[size] = (static_cast<double>(listed) - static_cast<double>(atData)) / size;
        if (size == kLarge) {
          for (int listing = 1; listing <= kListings; ++listing) fresh.Refresh(kLarge);
          const std::size_t afterLast =
              fresh.Program().SettledPrivateBytes(kSettledMs, kSettleTimeoutMs);
          growth = (static_cast<double>(afterLast) - static_cast<double>(listed)) / (1 << 20);
        }
      }
      missingTypes += fresh.missingTypes;
      if (fresh.Close() < 0) Fail("Brindlow did not end after its window closed");
    }
  }

  // Entering each folder and sorting the large ones, in one program.
  std::map<int, std::vector<double>> enter;
  std::map<int, std::vector<double>> bare;
  std::map<int, std::array<std::vector<double>, 4>> sort;
  Session session(program);
  session.Enter(dataName, -1);
  const int dataRows = session.Rows();
  for (int round = 0; round < rounds; ++round) {
    for (int size : sizes) {
      const std::wstring name = std::to_wstring(size);
      bare[size].push_back(BarePass(data + name + L"\\"));
      enter[size].push_back(session.Enter(name, size));
      if (const auto order = orders.find(size); order != orders.end()) {
        int direction = session.DirectionAfterEntering(order->second);
        for (int column = 0; column < 4; ++column) {
          direction = -direction;
          sort[size][static_cast<std::size_t>(column)].push_back(
              session.Sort(column, order->second, direction));
        }
      }
      session.Up(dataRows);
    }
  }
  missingTypes += session.missingTypes;
  if (session.Close() < 0) Fail("Brindlow did not end after its window closed");

  for (int size : sizes) {
    rows.push_back({"enter " + Thousands(size) + " files", Median(enter[size]), Median(bare[size]),
                    "bare FindFirstFileExW pass"});
  }
  for (int size : largeSizes) {
    rows.push_back({"first listing of " + Thousands(size) + " after start", Median(first[size]),
                    Median(firstBare[size]), "bare FindFirstFileExW pass"});
  }
  for (int size : largeSizes) {
    for (int column = 0; column < 4; ++column) {
      rows.push_back({"sort " + Thousands(size) + " by " + kColumnNames[column],
                      Median(sort[size][static_cast<std::size_t>(column)]), Median(bare[size]),
                      "bare FindFirstFileExW pass"});
    }
  }
  PrintTable(rows, rounds);
  for (int size : largeSizes) {
    std::printf("\nMemory: %.0f bytes per listed item (%s files), read once settled.",
                bytesPerItem[size], Thousands(size).c_str());
  }
  std::printf("\nAfter %d listings of the same folder of %s files: %+.1f MB against the first.\n",
              kListings, Thousands(kLarge).c_str(), growth);

  std::printf("\nGoals:\n");
  for (int size : largeSizes) {
    const double entering = Median(enter[size]) / Median(bare[size]);
    const double firstListing = Median(first[size]) / Median(firstBare[size]);
    Goal("enter " + Thousands(size) + " files, against a bare pass", entering, 1.5, "x");
    Goal("first listing of " + Thousands(size) + " after start, against a bare pass", firstListing,
         1.5, "x");
    if (size == kHuge) {
      Goal("memory per listed item at " + Thousands(size), bytesPerItem[size], 150, " bytes");
      for (int column = 0; column < 4; ++column) {
        Goal("sort " + Thousands(size) + " by " + kColumnNames[column],
             Median(sort[size][static_cast<std::size_t>(column)]), 1'000, " ms");
      }
    }
  }
  if (missingTypes > 0) {
    std::fprintf(stderr, "brindlow_bench: %d rows of a first screen showed no type or no icon\n",
                 missingTypes);
    return 1;
  }
  return 0;
}
