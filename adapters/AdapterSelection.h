#pragma once
// Choosing an adapter in the "Network Interfaces" bar and reading its current addresses into the editor.
#include "app/model/MainForm.h"

namespace zelta::adapters {

void AdapterItemClick(MainForm& main, int index);
// Change handler of LE_NIC and LE_ProfileID.
void LE_NICChange(MainForm& main);

}  // namespace zelta::adapters
