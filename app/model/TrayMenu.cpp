#include "app/model/TrayMenu.h"

#include "app/model/Control.h"
#include "app/model/IntegerText.h"
#include "app/model/ZeltaError.h"

namespace zelta {

TrayMenu::TrayMenu() {
    entries_.push_back({"Exit", "Exit", "", 0, true, false, false});
    entries_.push_back({"N1", "", "", -1, true, true, false});
    entries_.push_back({"VokCORPOnline", "Vok CORP. Online", "", 2, true, false, false});
    entries_.push_back({"N2", "", "", -1, true, true, false});
}

const TrayMenuEntry& TrayMenu::At(int position) const {
    if (position < 0 || position >= Count()) throw ZeltaError(ListIndexError(position));
    return entries_[static_cast<std::size_t>(position)];
}

const TrayMenuEntry& TrayMenu::Shown(int position) const {
    if (position == Count()) return lastSeparator_;
    if (position == StartWithWindowsPosition()) return startWithWindows_;
    return At(position);
}

void TrayMenu::AppendProfile(const std::string& caption, int number, int picture, bool enabled) {
    entries_.push_back({"", caption, std::to_string(number), picture, enabled, false, false});
}

void TrayMenu::RemoveAt(int position) {
    At(position);
    entries_.erase(entries_.begin() + position);
}

void TrayMenu::SetEnabled(int position, bool enabled) {
    At(position);
    entries_[static_cast<std::size_t>(position)].enabled = enabled;
}

void TrayMenu::SetProfileNumber(int position, int number, int picture) {
    At(position);
    entries_[static_cast<std::size_t>(position)].hint = std::to_string(number);
    entries_[static_cast<std::size_t>(position)].picture = picture;
}

int TrayMenu::Number(int position) const { return StrToInt(At(position).hint); }

}  // namespace zelta
