// A program that leaves a trace when it runs: the file beside itself named as it is plus
// ".ran". The end-to-end test disguises it as a document that must never be run.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const HANDLE trace = CreateFileA((std::string(self) + ".ran").c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (trace != INVALID_HANDLE_VALUE) CloseHandle(trace);
  return 0;
}
