#include <gtest/gtest.h>

#include <map>
#include <string>

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

INSTANTIATE_TEST_SUITE_P(
    Sizes, MainWindowLayout,
    testing::Values(PlacementCase{"designed size at 96 DPI",
                                  96,
                                  {684, 511},
                                  {{L"TabControl12", {0, 0, 684, 32}},
                                   {L"SpeedButton_GeneralMenu", {658, 4, 22, 24}},
                                   {L"GroupBox2", {0, 32, 684, 45}},
                                   {L"ComboBoxDrive", {4, 16, 172, 21}},
                                   {L"ButtonUP", {184, 15, 24, 24}},
                                   {L"cbPath", {214, 16, 439, 21}},
                                   {L"ButtonRefresh", {656, 15, 24, 24}},
                                   {L"TabControl2", {0, 77, 180, 434}},
                                   {L"GroupBox1", {4, 4, 172, 125}},
                                   {L"CheckBox_Archive", {10, 15, 150, 17}},
                                   {L"CheckBox_System", {10, 66, 150, 17}},
                                   {L"Button_Apply", {43, 89, 75, 25}},
                                   {L"GroupBox3", {4, 129, 172, 135}},
                                   {L"DatePicker1", {10, 21, 150, 29}},
                                   {L"TimePicker1", {10, 59, 150, 29}},
                                   {L"Button_DateTime", {43, 97, 75, 25}},
                                   {L"TabControl1", {180, 77, 504, 434}},
                                   {L"ListViewAttributes", {4, 4, 496, 407}},
                                   {L"StatusBar1", {4, 411, 496, 19}}}},
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
                    PlacementCase{"widened and heightened at 96 DPI",
                                  96,
                                  {884, 611},
                                  {{L"SpeedButton_GeneralMenu", {858, 4, 22, 24}},
                                   {L"cbPath", {214, 16, 639, 21}},
                                   {L"ButtonRefresh", {856, 15, 24, 24}},
                                   {L"TabControl2", {0, 77, 180, 534}},
                                   {L"ListViewAttributes", {4, 4, 696, 507}},
                                   {L"StatusBar1", {4, 511, 696, 19}}}},
                    PlacementCase{"widened at 144 DPI",
                                  144,
                                  {1326, 767},
                                  {{L"cbPath", {321, 24, 958, 32}},
                                   {L"ButtonRefresh", {1284, 23, 36, 36}}}}));

}  // namespace
