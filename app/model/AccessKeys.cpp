#include "app/model/AccessKeys.h"

namespace zelta {

char AccessKey(const std::string& caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') continue;
        const char letter = caption[at + 1];
        if (letter != '&') return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
        ++at;  // "&&" is a plain "&"
    }
    return 0;
}

std::string ReadableCaption(const std::string& caption) {
    std::string readable;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size()) ++at;
        readable += caption[at];
    }
    if (!readable.empty() && readable.back() == ':') readable.pop_back();
    return readable;
}

}  // namespace zelta
