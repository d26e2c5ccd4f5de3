// A stand-in for timeout.exe under Wine, which has none: "timeout /t N" waits N seconds.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "/t") == 0 || std::strcmp(argv[i], "/T") == 0) {
      Sleep(static_cast<DWORD>(std::atoi(argv[i + 1])) * 1000);
      return 0;
    }
  }
  return 1;
}
