#pragma once
#include "app/model/MainForm.h"

namespace zelta::proxy {

// Change handler of CB_KillBrowsers: the permission to close and reopen running browsers follows the check mark.
inline void CB_KillBrowsersClick(MainForm& main) { main.state.KillBrowsers = main.form.CB_KillBrowsers.Checked(); }

}  // namespace zelta::proxy
