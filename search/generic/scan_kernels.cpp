// Kernel choice on CPUs for which the scan has no vector form: the portable loops alone.
#include "search/scan_kernels.h"

namespace sucholin::scan {

std::span<const Kernels> KernelChoices() { return {&PortableKernels, 1}; }

std::span<const Kernels> KernelsBuilt() { return KernelChoices(); }

}  // namespace sucholin::scan
