#pragma once
// The three kinds of radio the handshake tells apart: current radios answering 'S' or 'Y'
// ('Y' counts frequencies in 125 Hz units) and legacy radios answering with an
// acknowledgement.

#include <string_view>

namespace radioprog {

enum class RadioKind { S, Y, Legacy };

constexpr std::string_view RadioKindName(RadioKind kind) {
    switch (kind) {
        case RadioKind::S:
            return "S";
        case RadioKind::Y:
            return "Y";
        case RadioKind::Legacy:
            return "legacy";
    }
    return "S";
}

}  // namespace radioprog
