#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../shared/MainWindowDesign.h"
#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"
#include "platform/ui/Layout.h"

namespace {

using platform::fake::FakePlatform;

struct CentreCase {
  const char* what;
  ui::Rect workArea;
  ui::Size window;
  ui::Point origin;
};

class Centring : public testing::TestWithParam<CentreCase> {};

TEST_P(Centring, CentresAndKeepsTheLeftAndTopEdgesInTheWorkArea) {
  const CentreCase& c = GetParam();
  EXPECT_EQ(ui::CentredOrigin(c.workArea, c.window), c.origin) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, Centring,
    testing::Values(
        CentreCase{"primary monitor", {0, 0, 1920, 1040}, {700, 550}, {610, 245}},
        CentreCase{"odd remainder", {0, 0, 1025, 769}, {700, 550}, {162, 109}},
        CentreCase{"monitor left of the primary", {-1280, 0, 1280, 984}, {700, 550}, {-990, 217}},
        CentreCase{"monitor above the primary", {0, -1024, 1280, 984}, {700, 550}, {290, -807}},
        CentreCase{"task bar on the left", {62, 0, 1858, 1080}, {700, 550}, {641, 265}},
        CentreCase{"wider and taller than the work area", {0, 0, 640, 480}, {700, 550}, {0, 0}},
        CentreCase{"too large on a monitor with negative origin",
                   {-800, -600, 640, 480},
                   {700, 550},
                   {-800, -600}},
        CentreCase{"exactly the work area", {0, 0, 700, 550}, {700, 550}, {0, 0}}));

// The main window's tree as the layout places it: device pixels relative to the parent.
using Placements = std::map<std::wstring, ui::Rect>;

Placements PlaceMainWindow(ui::Size client, int dpi) {
  FakePlatform fake;
  ProcessState state;
  TForm1 form(fake.services, state);
  Placements placed;
  for (const ui::Placement& p : ui::LayoutForm(form, client, dpi)) {
    placed[p.control->Name()] = p.rect;
  }
  return placed;
}

struct PlacementCase {
  const char* what;
  int dpi;
  ui::Size client;
  Placements expected;
};

class MainWindowLayout : public testing::TestWithParam<PlacementCase> {};

TEST_P(MainWindowLayout, PlacesDockedAndAnchoredControls) {
  const PlacementCase& c = GetParam();
  const Placements placed = PlaceMainWindow(c.client, c.dpi);
  for (const auto& [name, rect] : c.expected) {
    auto found = placed.find(name);
    ASSERT_NE(found, placed.end()) << c.what << ": " << testing::PrintToString(name);
    const ui::Rect& r = found->second;
    EXPECT_EQ(r, rect) << c.what << ": " << testing::PrintToString(name) << " at " << r.left << ","
                       << r.top << " " << r.width << "x" << r.height;
  }
}

// The designed places at 96 DPI, in the designed client area and in a larger one.
Placements Designed(int dx, int dy) {
  Placements placed;
  for (const design::Designed& control : design::kMainWindow) {
    placed[control.name] = design::Followed(control, dx, dy);
  }
  return placed;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MainWindowLayout,
    testing::Values(
        PlacementCase{"designed size at 96 DPI", 96, {684, 511}, Designed(0, 0)},
        PlacementCase{"widened and heightened at 96 DPI", 96, {884, 611}, Designed(200, 100)},
        PlacementCase{"designed size at 144 DPI",
                      144,
                      {1026, 767},
                      {{L"TabControl12", {0, 0, 1026, 48}},
                       {L"GroupBox2", {0, 48, 1026, 68}},
                       {L"ComboBoxDrive", {6, 24, 258, 32}},
                       {L"cbPath", {321, 24, 658, 32}},
                       {L"ButtonRefresh", {984, 23, 36, 36}},
                       {L"TabControl2", {0, 116, 270, 651}},
                       {L"GroupBox3", {6, 194, 258, 203}},
                       {L"TabControl1", {270, 116, 756, 651}},
                       {L"StatusBar1", {6, 616, 744, 29}}}},
        PlacementCase{"widened at 144 DPI",
                      144,
                      {1326, 767},
                      {{L"cbPath", {321, 24, 958, 32}}, {L"ButtonRefresh", {1284, 23, 36, 36}}}}));

}  // namespace
