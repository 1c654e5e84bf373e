#pragma once

#include "platform/MessageBox.h"

#include <iostream>
#include <string>
#include <vector>

struct Message {
    std::string text;
    MsgIcon icon;
    bool operator==(const Message&) const = default;
};

// The line a message leaves on stderr, which death tests match: "[Stop] text|".
inline std::string messageLine(const std::string& text, MsgIcon icon) {
    static const char* const icons[] = {"Stop", "Exclamation", "Information"};
    return std::string("[") + icons[int(icon)] + "] " + text + "|";
}

inline std::ostream& operator<<(std::ostream& out, const Message& m) {
    return out << messageLine(m.text, m.icon);
}

// Records every message shown instead of showing it, and writes it to stderr for death tests.
inline void RecordMessages(std::vector<Message>& into) {
    SetMessageSink([&into](const std::string& text, MsgIcon icon) {
        into.push_back({text, icon});
        std::cerr << messageLine(text, icon) << std::endl;
    });
}
