#pragma once
// The diagnostic tool buttons and the web-address opener.
#include <string>

#include "app/model/MainForm.h"

namespace zelta::tools {

void Button_IPconfigClick(MainForm& main);
void Button_OpenCMDClick(MainForm& main);
void XiButton4Click(MainForm& main);
void XiButton1Click(MainForm& main);
void OpenUrl(MainForm& main, const std::string& address);

}  // namespace zelta::tools
