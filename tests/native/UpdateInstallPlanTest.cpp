// What an update installs from: the download's name, the progress steps, the setup program's
// switches and the portable update script.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/fake/FakeServices.h"
#include "platform/ui/Controls.h"
#include "updater/InstallPlan.h"

namespace {

struct NameCase {
  std::wstring url;
  std::wstring name;
};

TEST(FileNameFromUrl, TakesThePartAfterTheLastSlashWhenThereIsOne) {
  for (const NameCase& c :
       {NameCase{L"a/b/c.zip", L"c.zip"}, NameCase{L"c.zip", L"c.zip"}, NameCase{L"a/b/", L"a/b/"},
        NameCase{L"", L""},
        NameCase{L"https://h/Brindlow/Brindlow-setup.exe", L"Brindlow-setup.exe"}}) {
    EXPECT_EQ(updater::FileNameFromUrl(c.url), c.name) << c.url;
  }
}

struct ProgressCase {
  std::int64_t expected;
  std::int64_t received;
  std::int64_t bytesPerPercent;
  std::optional<std::int64_t> position;  // none: the bar keeps its place
  int bar;                               // what a bar of 0 to 100 shows
};

TEST(Progress, StepsInWholePercentsRoundingHalvesToEven) {
  for (const ProgressCase& c :
       {ProgressCase{1000, 555, 10, 56, 56}, ProgressCase{1000, 565, 10, 56, 56},
        ProgressCase{1000, 1000, 10, 100, 100}, ProgressCase{250, 250, 2, 125, 100},
        ProgressCase{50, 50, 0, std::nullopt, 0}, ProgressCase{51, 51, 1, 51, 51},
        ProgressCase{-1, 4000, 0, std::nullopt, 0}, ProgressCase{-1000, 500, -10, -50, 0}}) {
    SCOPED_TRACE(testing::Message() << c.expected << " bytes, " << c.received << " received");
    const std::int64_t step = updater::BytesPerPercent(c.expected);
    EXPECT_EQ(step, c.bytesPerPercent);
    EXPECT_EQ(updater::ProgressPosition(c.received, step), c.position);
    ui::ProgressBar bar(nullptr, L"Bar", nullptr);
    if (c.position) bar.SetPosition(*c.position);
    EXPECT_EQ(bar.Position(), c.bar);
  }
}

TEST(InstallPlan, TempFolderEndsInABackslashAndSetupSwitchesCarryTheLanguage) {
  platform::fake::FakeProcess process;
  process.temp = L"C:\\Temp";
  EXPECT_EQ(updater::GetTempFolder(process), L"C:\\Temp\\");
  process.temp = L"C:\\Temp\\";
  EXPECT_EQ(updater::GetTempFolder(process), L"C:\\Temp\\");
  EXPECT_EQ(updater::SilentSetupParameters(L"English"),
            L"/SILENT /CLOSEAPPLICATIONS /SUPPRESSMSGBOXES /LANG=English "
            L"/MERGETASKS=\"runcmd1\"");
  EXPECT_EQ(updater::SilentSetupParameters(L""),
            L"/SILENT /CLOSEAPPLICATIONS /SUPPRESSMSGBOXES /LANG= /MERGETASKS=\"runcmd1\"");
  EXPECT_EQ(updater::UpdateScriptName({2026, 3, 4, 7, 5, 9, 0}), L"update_070509.bat");
}

// The unpack line for an archive named as it stands in the script.
std::wstring UnpackLine(const std::wstring& zip) {
  return L"powershell -Command \"Add-Type -AssemblyName System.IO.Compression.FileSystem; "
         L"$root = [System.IO.Path]::GetFullPath('.').TrimEnd('\\') + '\\'; "
         L"$zip = [System.IO.Compression.ZipFile]::OpenRead('" +
         zip +
         L"'); foreach ($entry in $zip.Entries) { $target = "
         L"[System.IO.Path]::GetFullPath([System.IO.Path]::Combine($root, $entry.FullName)); "
         L"if (-not $target.StartsWith($root, [System.StringComparison]::OrdinalIgnoreCase)) { "
         L"Write-Host ('Skipping: ' + $entry.FullName) } elseif (-not $entry.Name) { "
         L"[System.IO.Directory]::CreateDirectory($target) | Out-Null; } else { try { "
         L"[System.IO.Compression.ZipFileExtensions]::ExtractToFile($entry, $target, $true) } "
         L"catch { Write-Host ('Skipping: ' + $entry.FullName) } } }; $zip.Dispose(); "
         L"Write-Host 'Extraction complete'\"";
}

// The script as it must read; the archive's name stands in a PowerShell string once and in a
// batch line once.
std::wstring Script(const std::wstring& folder, const std::wstring& exe, const std::wstring& zip,
                    const std::wstring& zipInPowerShell) {
  return L"@echo off\r\n"
         L"cd /d \"" +
         folder +
         L"\"\r\n"
         L"\r\n"
         L"echo Killing app...\r\n"
         L"taskkill /F /IM \"" +
         exe +
         L"\" >nul 2>&1\r\n"
         L"timeout /t 2 >nul\r\n"
         L"\r\n"
         L"echo Extracting...\r\n" +
         UnpackLine(zipInPowerShell) +
         L"\r\n"
         L"\r\n"
         L"echo Deleting ZIP...\r\n"
         L"del \"" +
         zip +
         L"\"\r\n"
         L"\r\n"
         L"echo Starting app...\r\n"
         L"start \"\" \"" +
         exe +
         L"\"\r\n"
         L"\r\n"
         L"echo Done\r\n"
         L"timeout /t 2 >nul\r\n"
         L"del \"%~f0\"\r\n";
}

TEST(PortableUpdateScript, HasItsNineteenLinesEachEndedByCrLf) {
  const std::wstring script =
      updater::PortableUpdateScript(L"D:\\Apps\\Brindlow\\", L"Brindlow.exe", L"Brindlow.zip");
  EXPECT_EQ(script,
            Script(L"D:\\Apps\\Brindlow\\", L"Brindlow.exe", L"Brindlow.zip", L"Brindlow.zip"));
}

TEST(PortableUpdateScript, EscapesPercentSignsAndQuotesSoAnyLegalNameWorks) {
  // "%PATH%" would expand in a batch line; a quote would end the PowerShell string.
  const std::wstring script =
      updater::PortableUpdateScript(L"D:\\100%\\%PATH%\\", L"My 50% tool.exe", L"it's 5%.zip");
  EXPECT_EQ(script, Script(L"D:\\100%%\\%%PATH%%\\", L"My 50%% tool.exe", L"it's 5%%.zip",
                           L"it''s 5%%.zip"));
}

}  // namespace
