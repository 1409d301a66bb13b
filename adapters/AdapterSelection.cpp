#include "adapters/AdapterSelection.h"

namespace zelta::adapters {

void AdapterItemClick(MainForm& main, int index) {
    const BarItem item = main.form.XPBar_NICs.Item(index);
    main.form.LE_NIC.SetText(item.hint);
    main.state.SelectedAdapterName = item.hint;
}

void LE_NICChange(MainForm& main) {
    main.form.JvSwitch1.SetEnabled(true);
    main.form.Button_Save.SetEnabled(!main.form.LE_NewProfile.Text().empty());
}

}  // namespace zelta::adapters
