#include "TranslationFixture.h"

#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "settings/TextEncoding.h"

LanguageFolder::LanguageFolder(platform::fake::FakePlatform& fake) : fake(fake) {
  fake.process.executable = kExecutable;
  fake.files.AddFolder(L"C:\\");
  fake.files.AddFolder(L"C:\\Tools");
  fake.files.AddFolder(L"C:\\Tools\\Brindlow");
  fake.files.AddFolder(kFolder);
  fake.files.AddFolder(L"C:\\Tools\\Brindlow\\Config");
}

void LanguageFolder::AddLanguage(const std::wstring& fileName,
                                 const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) text += line + L"\r\n";
  fake.files.AddFileBytes(kFolder + fileName,
                          *settings::EncodeText(text, settings::TextEncoding::Utf8));
}

void LanguageFolder::Choose(const std::wstring& language) {
  settings::IniFile file(fake.files, kSettings);
  file.Document().WriteString(L"Language", L"Language", language);
  ASSERT_TRUE(file.Save());
}

void LanguageFolder::StartLog() {
  fake.files.AddFileBytes(kLog, "");
}

std::vector<std::wstring> LanguageFolder::LogLines() const {
  const std::optional<std::string> bytes = fake.files.Bytes(kLog);
  if (!bytes) {
    ADD_FAILURE() << "no log file";
    return {};
  }
  if (bytes->empty()) return {};  // nothing was logged yet
  EXPECT_EQ(bytes->substr(0, 2), "\xFF\xFE") << "UTF-16 LE behind its byte-order mark";
  const settings::DecodedText decoded = settings::DecodeText(*bytes);
  EXPECT_EQ(decoded.encoding, settings::TextEncoding::Utf16Le);
  std::vector<std::wstring> lines;
  std::wstring_view text = decoded.text;
  while (!text.empty()) {
    const std::size_t end = text.find(L"\r\n");
    if (end == std::wstring_view::npos) {
      ADD_FAILURE() << "a line without CR LF";
      break;
    }
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  return lines;
}
