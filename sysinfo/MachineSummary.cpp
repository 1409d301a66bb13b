#include "sysinfo/MachineSummary.h"

namespace zelta::sysinfo {

void StoreOsVersion(MainForm&) {}
void FillMachineSummary(MainForm&) {}

}  // namespace zelta::sysinfo
