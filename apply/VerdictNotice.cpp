#include "apply/VerdictNotice.h"

namespace zelta::apply {

namespace {
// What the tray icon's tip holds at most, its closing NUL aside.
constexpr std::size_t kLongestTrayTip = 127;
}  // namespace

std::string TrayTipText(const std::string& profileName, const companion::Verdict& verdict) {
    std::string tip =
        std::string(kProductTitle) + "\n" + profileName +
        (verdict.inEffect ? " is in effect: " + verdict.address
         : !verdict.connected
             ? std::string(" is set, not connected")
             : " is not in effect" + (verdict.address.empty() ? std::string() : " (" + verdict.address + ")"));
    if (tip.size() > kLongestTrayTip) tip = tip.substr(0, kLongestTrayTip - 3) + "...";
    return tip;
}

void ReceiveVerdict(MainForm& main, const std::string& encoded) {
    const auto verdict = companion::DecodeVerdict(encoded);
    AppState& s = main.state;
    if (!verdict || s.ActivatedBatchFingerprint == 0 || verdict->batchFingerprint != s.ActivatedBatchFingerprint) {
        return;
    }
    s.TrayTip = TrayTipText(s.ActivatedProfileName, *verdict);
    // After a failed command the companion's message has said it; a second, contradicting word would confuse.
    // An activation from the tray menu leaves the window hidden: the verdict must reach the user there too.
    if (verdict->tellUser) {
        s.ActivatedVerdictShown = true;
        main.NoticeAnywhere(s.ActivatedProfileName + " " + companion::VerdictSentence(*verdict), !verdict->inEffect);
    }
}

}  // namespace zelta::apply
