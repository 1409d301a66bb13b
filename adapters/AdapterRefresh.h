#pragma once
// Keeps the adapter list in step with the machine while the program runs: an adapter plugged in, removed or
// renamed shows in the "Network Interfaces" bar without a restart.
#include "app/model/MainForm.h"
#include "platform/KeyWatch.h"

namespace zelta::adapters {

// The keys whose changes mean that the adapter list may have changed.
void WatchAdapterKeys(platform::KeyWatch& watch);

// Reads the adapters again. When the list changed, the bar is filled again in registry order, each item with the
// key it was read from; the adapter that the editor's adapter field names stays chosen when its key is still
// there, under its new name if it was renamed. Returns true when the list changed.
bool RefreshAdapters(MainForm& main);

}  // namespace zelta::adapters
