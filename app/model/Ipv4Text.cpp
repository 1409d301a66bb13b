#include "app/model/Ipv4Text.h"

namespace zelta {

bool IsDottedQuad(const std::string& text) {
    int parts = 0;
    std::size_t at = 0;
    while (parts < 4) {
        int value = 0;
        std::size_t digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4) {
            value = value * 10 + (text[at] - '0');
            ++digits;
            ++at;
        }
        if (digits == 0 || digits > 3 || value > 255) return false;
        if (++parts < 4) {
            if (at >= text.size() || text[at] != '.') return false;
            ++at;
        }
    }
    return at == text.size();
}

std::optional<std::uint32_t> DottedQuadValue(const std::string& text) {
    if (!IsDottedQuad(text)) return std::nullopt;
    std::uint32_t value = 0;
    std::uint32_t octet = 0;
    for (const char c : text) {
        if (c == '.') {
            value = (value << 8) | octet;
            octet = 0;
        } else {
            octet = octet * 10 + static_cast<std::uint32_t>(c - '0');
        }
    }
    return (value << 8) | octet;
}

}  // namespace zelta
