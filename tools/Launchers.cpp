#include "tools/Launchers.h"

namespace zelta::tools {

// The launchers are not built yet.
void Button_IPconfigClick(MainForm&) {}
void Button_OpenCMDClick(MainForm&) {}
void XiButton4Click(MainForm&) {}
void XiButton1Click(MainForm&) {}
void OpenUrl(MainForm&, const std::string&) {}

}  // namespace zelta::tools
