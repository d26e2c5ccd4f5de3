#include "updater/InstallPlan.h"

#include <cstdio>
#include <optional>

namespace updater {

namespace {

// n / d for d > 0, to the nearest integer, halves to the even neighbour.
std::int64_t DivideHalfEven(std::int64_t n, std::int64_t d) {
  std::int64_t quotient = n / d;
  std::int64_t remainder = n % d;
  if (remainder < 0) {
    remainder += d;
    --quotient;
  }
  const std::int64_t rest = d - remainder;
  if (remainder > rest || (remainder == rest && quotient % 2 != 0)) ++quotient;
  return quotient;
}

std::wstring Replaced(const std::wstring& text, wchar_t from, const std::wstring& to) {
  std::wstring result;
  for (const wchar_t c : text) {
    if (c == from) {
      result += to;
    } else {
      result += c;
    }
  }
  return result;
}

// A name inside a batch line: "%" would expand.
std::wstring ForBatch(const std::wstring& text) {
  return Replaced(text, L'%', L"%%");
}

// A name inside a single-quoted PowerShell string that stands in a batch line.
std::wstring ForPowerShellInBatch(const std::wstring& text) {
  return ForBatch(Replaced(text, L'\'', L"''"));
}

}  // namespace

std::wstring FileNameFromUrl(const std::wstring& text) {
  const size_t slash = text.rfind(L'/');
  if (slash == std::wstring::npos || slash + 1 == text.size()) return text;
  return text.substr(slash + 1);
}

std::wstring GetTempFolder(platform::Process& process) {
  std::wstring folder = process.TempFolder();
  if (!folder.ends_with(L'\\')) folder += L'\\';
  return folder;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring NameOf(const std::wstring& path) {
  return path.substr(FolderOf(path).size());
}

std::wstring SilentSetupParameters(const std::wstring& language) {
  return L"/SILENT /CLOSEAPPLICATIONS /SUPPRESSMSGBOXES /LANG=" + language +
         L" /MERGETASKS=\"runcmd1\"";
}

std::wstring UpdateScriptName(const platform::DateTime& now) {
  wchar_t name[32];
  std::swprintf(name, std::size(name), L"update_%02d%02d%02d.bat", now.hour, now.minute,
                now.second);
  return name;
}

std::wstring PortableUpdateScript(const std::wstring& appFolder, const std::wstring& exeName,
                                  const std::wstring& zipName) {
  const std::wstring exe = ForBatch(exeName);
  // Every entry is written below the application folder or not at all.
  const std::wstring unpack =
      L"powershell -Command \"Add-Type -AssemblyName System.IO.Compression.FileSystem; "
      L"$root = [System.IO.Path]::GetFullPath('.').TrimEnd('\\') + '\\'; "
      L"$zip = [System.IO.Compression.ZipFile]::OpenRead('" +
      ForPowerShellInBatch(zipName) +
      L"'); foreach ($entry in $zip.Entries) { "
      L"$target = [System.IO.Path]::GetFullPath([System.IO.Path]::Combine($root, "
      L"$entry.FullName)); "
      L"if (-not $target.StartsWith($root, [System.StringComparison]::OrdinalIgnoreCase)) { "
      L"Write-Host ('Skipping: ' + $entry.FullName) } "
      L"elseif (-not $entry.Name) { [System.IO.Directory]::CreateDirectory($target) | Out-Null; } "
      L"else { try { [System.IO.Compression.ZipFileExtensions]::ExtractToFile($entry, $target, "
      L"$true) } catch { Write-Host ('Skipping: ' + $entry.FullName) } } }; $zip.Dispose(); "
      L"Write-Host 'Extraction complete'\"";
  const std::wstring lines[] = {
      L"@echo off",
      L"cd /d \"" + ForBatch(appFolder) + L"\"",
      L"",
      L"echo Killing app...",
      L"taskkill /F /IM \"" + exe + L"\" >nul 2>&1",
      L"timeout /t 2 >nul",
      L"",
      L"echo Extracting...",
      unpack,
      L"",
      L"echo Deleting ZIP...",
      L"del \"" + ForBatch(zipName) + L"\"",
      L"",
      L"echo Starting app...",
      L"start \"\" \"" + exe + L"\"",
      L"",
      L"echo Done",
      L"timeout /t 2 >nul",
      L"del \"%~f0\"",
  };
  std::wstring script;
  for (const std::wstring& line : lines) script += line + L"\r\n";
  return script;
}

std::int64_t BytesPerPercent(std::int64_t expected) {
  return DivideHalfEven(expected, 100);
}

std::optional<std::int64_t> ProgressPosition(std::int64_t received, std::int64_t bytesPerPercent) {
  if (bytesPerPercent == 0) return std::nullopt;
  if (bytesPerPercent < 0) return DivideHalfEven(-received, -bytesPerPercent);
  return DivideHalfEven(received, bytesPerPercent);
}

}  // namespace updater
