// The Linux desktop program.
#include "ui/ui.h"

int main() { return sucholin::RunSucholin(); }
