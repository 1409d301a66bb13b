#include "app/model/Control.h"

#include <cstdlib>
#include <utility>

#include "app/model/FormControls.h"
#include "app/model/ZeltaError.h"

namespace zelta {

Control::Control(int id, std::string name, ControlKind kind, std::string text, std::string hint)
    : id_(id), name_(std::move(name)), kind_(kind), text_(std::move(text)), hint_(std::move(hint)) {}

Control::Control(const FormControlRow& row)
    : id_(row.id),
      name_(row.name),
      kind_(row.kind),
      text_(row.caption),
      hint_(row.hint),
      enabled_((row.state & kDisabled) == 0),
      visible_((row.state & kHidden) == 0),
      checked_((row.state & kChecked) != 0) {}

void Control::SetText(const std::string& text) {
    const std::string newText = kind_ == ControlKind::IpAddress ? NormalizeDottedQuad(text) : text;
    if (newText == text_) return;
    text_ = newText;
    Notify(ControlProperty::Text);
    if (onChange) onChange();
}

void Control::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    Notify(ControlProperty::Hint);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Notify(ControlProperty::Enabled);
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Notify(ControlProperty::Visible);
}

void Control::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(ControlProperty::Checked);
    if (onChange) onChange();
}

void Control::Click() {
    if (!enabled_) return;
    if (kind_ == ControlKind::CheckBox) {
        SetChecked(!checked_);
    } else if (onClick) {
        onClick();
    }
}

std::string NormalizeDottedQuad(const std::string& text) {
    // The field keeps what stands before a NUL, as a one-line text would; each octet takes its leading
    // digits and is capped at 255, missing octets read 0.
    const std::string visible = text.substr(0, text.find('\0'));
    std::string result;
    std::size_t pos = 0;
    for (int octet = 0; octet < 4; ++octet) {
        long value = 0;
        if (pos <= visible.size()) {
            const std::size_t end = std::min(visible.find('.', pos), visible.size());
            const std::string part = visible.substr(pos, end - pos);
            std::size_t digits = 0;
            while (digits < part.size() && digits < 4 && part[digits] >= '0' && part[digits] <= '9') ++digits;
            if (digits > 0) value = std::min(255L, std::strtol(part.substr(0, digits).c_str(), nullptr, 10));
            pos = end + 1;
        }
        if (octet > 0) result += '.';
        result += std::to_string(value);
    }
    return result;
}

ItemBar::ItemBar(int id, std::string name, std::string caption, bool expanded, bool showHints)
    : Control(id, std::move(name), ControlKind::ItemBar, std::move(caption)),
      expanded_(expanded),
      showHints_(showHints) {}

void ItemBar::AddItem(const BarItem& item) {
    items_.push_back(item);
    Notify(ControlProperty::Items);
}

void ItemBar::SetItems(std::vector<BarItem> items) {
    items_ = std::move(items);
    Notify(ControlProperty::Items);
}

void ItemBar::RemoveItem(int index) {
    if (index < 0 || index >= Count()) throw ZeltaError(ListIndexError(index));
    items_.erase(items_.begin() + index);
    Notify(ControlProperty::Items);
}

const BarItem& ItemBar::Item(int index) const {
    if (index < 0 || index >= Count()) throw ZeltaError(ListIndexError(index));
    return items_[static_cast<std::size_t>(index)];
}

void ItemBar::SetExpanded(bool expanded) {
    if (expanded == expanded_) return;
    expanded_ = expanded;
    Notify(ControlProperty::Expanded);
}

void ItemBar::ClickItem(int index) {
    if (index < 0 || index >= Count()) return;
    if (onItemClick) onItemClick(index);
}

ItemBar::ItemBar(const FormControlRow& row)
    : Control(row), expanded_((row.state & kFolded) == 0), showHints_((row.state & kNoItemHints) == 0) {}

StatusBar::StatusBar(const FormControlRow& row) : Control(row), panels_(2) {}

StatusBar::StatusBar(int id, std::string name, std::vector<std::string> panels)
    : Control(id, std::move(name), ControlKind::StatusBar), panels_(std::move(panels)) {}

const std::string& StatusBar::PanelText(int index) const {
    if (index < 0 || index >= PanelCount()) throw ZeltaError(ListIndexError(index));
    return panels_[static_cast<std::size_t>(index)];
}

void StatusBar::SetPanelText(int index, const std::string& text) {
    if (index < 0 || index >= PanelCount()) throw ZeltaError(ListIndexError(index));
    if (panels_[static_cast<std::size_t>(index)] == text) return;
    panels_[static_cast<std::size_t>(index)] = text;
    Notify(ControlProperty::Panels);
}

std::string ListIndexError(int index) { return "List index out of bounds (" + std::to_string(index) + ")"; }

}  // namespace zelta
