#pragma once
// The tray icon's popup menu as the logic sees it: four fixed entries, then one entry per profile, then a separator
// and the checkable "Start with Windows". Profile k stands at position k + 3 and shows picture k + 2 of the menu's
// image list; the two last entries follow the profiles, so that the positions the activation counts on stay put.
#include <string>
#include <vector>

namespace zelta {

struct TrayMenuEntry {
    std::string name;     // the fixed entries' names; empty for profile entries
    std::string caption;  // empty for separators
    std::string hint;     // a profile entry carries its number here, in decimal
    int picture = -1;     // index into the image list; -1 for none
    bool enabled = true;
    bool separator = false;
    bool checked = false;
};

class TrayMenu {
public:
    static constexpr int kImageCount = 13;
    static constexpr int kExitPosition = 0;
    static constexpr int kWebSitePosition = 2;
    static constexpr int kFixedEntries = 4;

    TrayMenu();

    static int ProfilePosition(int number) { return number + 3; }
    static int ProfilePicture(int number) { return number + 2; }
    // Pictures past the image list (profiles 11 to 20) show nothing.
    static bool HasPicture(const TrayMenuEntry& entry) { return entry.picture >= 0 && entry.picture < kImageCount; }

    // The fixed and the profile entries: the positions that the profile arithmetic addresses.
    int Count() const { return static_cast<int>(entries_.size()); }
    // All position arguments throw the list-index error when out of range (the two last entries included).
    const TrayMenuEntry& At(int position) const;

    // The whole menu as it is shown: the entries above, then a separator and "Start with Windows".
    int ShownCount() const { return Count() + 2; }
    const TrayMenuEntry& Shown(int position) const;
    int StartWithWindowsPosition() const { return Count() + 1; }
    void SetStartWithWindows(bool checked) { startWithWindows_.checked = checked; }

    void AppendProfile(const std::string& caption, int number, int picture, bool enabled = true);
    void RemoveAt(int position);
    void SetEnabled(int position, bool enabled);
    // Gives the entry at position a new carried number and picture (after a deletion moved it).
    void SetProfileNumber(int position, int number, int picture);
    const std::string& Caption(int position) const { return At(position).caption; }
    // The carried number; throws "'%s' is not a valid integer value" for a hint that is not one.
    int Number(int position) const;

private:
    std::vector<TrayMenuEntry> entries_;
    TrayMenuEntry lastSeparator_{"N3", "", "", -1, true, true, false};
    TrayMenuEntry startWithWindows_{"StartWithWindows", "Start with Windows", "", -1, true, false, false};
};

}  // namespace zelta
