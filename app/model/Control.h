#pragma once
// A control of the main window as the logic sees it: text, hint, enabled, visible and checked state.
// Changing the text of an edit or the state of a check box runs its change handler, whether the user or the
// program made the change; the window shell mirrors every change into the real window through `view`.
#include <functional>
#include <string>
#include <vector>

namespace zelta {

enum class ControlKind {
    Form,
    Picture,
    Panel,
    Label,
    StatusBar,
    ItemBar,
    LabelledEdit,
    Switch,
    Button,
    CheckBox,
    GroupBox,
    IpAddress,
};

struct FormControlRow;

enum class ControlProperty { Text, Hint, Enabled, Visible, Checked, Items, Expanded, Panels };

class Control {
public:
    Control(int id, std::string name, ControlKind kind, std::string text = {}, std::string hint = {});
    // As its row of the form's table has it: caption, hint and the states at creation.
    explicit Control(const FormControlRow& row);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return id_; }
    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }

    const std::string& Text() const { return text_; }
    // Runs onChange when the text actually changes (edits and address fields).
    void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    bool Checked() const { return checked_; }
    // Runs onChange when the state actually changes (check boxes).
    void SetChecked(bool checked);

    // A user's click: a check box toggles, a button runs onClick. Disabled controls ignore clicks.
    void Click();

    int maxLength = 0;  // 0: no limit; limits typing only, as the system's edit does

    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void(const Control&, ControlProperty)> view;

protected:
    void Notify(ControlProperty property) const {
        if (view) view(*this, property);
    }

private:
    int id_;
    std::string name_;
    ControlKind kind_;
    std::string text_;
    std::string hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
};

// An address field always shows a dotted quad: four octets, "0.0.0.0" for an untouched or emptied field.
std::string NormalizeDottedQuad(const std::string& text);

// A collapsible bar of clickable text items; each item has a caption and a hint.
struct BarItem {
    std::string caption;
    std::string hint;
};

class ItemBar : public Control {
public:
    ItemBar(int id, std::string name, std::string caption, bool expanded, bool showHints);
    explicit ItemBar(const FormControlRow& row);

    const std::vector<BarItem>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void AddItem(const BarItem& item);
    // All items at once, in one change.
    void SetItems(std::vector<BarItem> items);
    // Throws the list-index error for a position past the end.
    void RemoveItem(int index);
    const BarItem& Item(int index) const;

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);
    bool ShowHints() const { return showHints_; }

    // A click on the item at index: runs onItemClick with the index at the moment of the click.
    void ClickItem(int index);
    std::function<void(int)> onItemClick;

private:
    std::vector<BarItem> items_;
    bool expanded_;
    bool showHints_;
};

class StatusBar : public Control {
public:
    StatusBar(int id, std::string name, std::vector<std::string> panels);
    // Two empty panels.
    explicit StatusBar(const FormControlRow& row);
    const std::string& PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);
    int PanelCount() const { return static_cast<int>(panels_.size()); }

private:
    std::vector<std::string> panels_;
};

// The list-index error of the program's lists.
std::string ListIndexError(int index);

}  // namespace zelta
