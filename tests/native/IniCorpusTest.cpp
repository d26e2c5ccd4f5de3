#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/IniProperties.h"

namespace {

// The fuzzer's seeds, so that every test run checks them as the fuzzer does.
TEST(IniCorpus, EverySeedKeepsThePromises) {
  int seeds = 0;
  for (const auto& file : std::filesystem::directory_iterator(BRINDLOW_INI_CORPUS)) {
    std::ifstream in(file.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(IniFault(bytes), "") << file.path().filename();
    ++seeds;
  }
  EXPECT_GT(seeds, 0) << "no seeds in " << BRINDLOW_INI_CORPUS;
}

}  // namespace
