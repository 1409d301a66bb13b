#pragma once
// What the window makes of the companion's verdict on the last activation: a notice, and the tray icon's tip.
#include <string>

#include "app/model/MainForm.h"
#include "companion/Verdict.h"

namespace zelta::apply {

// encoded as the companion sends it. A verdict on an earlier activation (another one started before it came) is
// left to that one's execute.log: the window speaks only of the profile it last applied.
void ReceiveVerdict(MainForm& main, const std::string& encoded);
// "Vok Tarvex", then the profile and its address on a second line.
std::string TrayTipText(const std::string& profileName, const companion::Verdict& verdict);

}  // namespace zelta::apply
