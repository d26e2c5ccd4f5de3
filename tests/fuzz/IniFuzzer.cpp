// libFuzzer target: every input is an ini file as it might lie on disk.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/IniProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string fault = IniFault({reinterpret_cast<const char*>(data), size});
  if (!fault.empty()) {
    std::fprintf(stderr, "ini fault: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
