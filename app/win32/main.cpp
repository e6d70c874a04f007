// The Windows entry point: no command line is read; the loop decides the exit code.
#include <windows.h>

#include "ui/ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return sucholin::RunSucholin(); }
