#pragma once

// Every property of an applet as text, keyed by where it lives, so a test
// can tell exactly which properties an operation changed.

#include <map>
#include <string>

#include "model/VelkForm.h"
#include "model/VelkPanel.h"

namespace wendle::testing {

template <typename T>
std::string valueText(const T& value) {
    if constexpr (std::is_same_v<T, std::string>)
        return value;
    else
        return std::to_string(value);
}

inline std::map<std::string, std::string> propertyDump(const TVelkForm& applet) {
    std::map<std::string, std::string> dump;
#define WENDLE_DUMP_FORM(Type, name, Name, def, marks) dump[#name] = valueText(applet.name());
    WENDLE_VELK_FORM_PROPERTIES(WENDLE_DUMP_FORM)
#undef WENDLE_DUMP_FORM
#define WENDLE_DUMP_BOX(Type, name, Name, def) dump[#name] = valueText(applet.name());
    WENDLE_TEXT_BOX_SETTINGS(WENDLE_DUMP_BOX)
#undef WENDLE_DUMP_BOX
    for (int slot : applet.usedSlots()) {
        for (int state = 1; state <= kStateCount; ++state) {
            const TVelkPanel& p = *applet.statePanel(state, slot);
            const std::string at = std::to_string(slot) + "/" + std::to_string(state) + "/";
#define WENDLE_DUMP_PANEL(Type, name, Name, def, marks) dump[at + #name] = valueText(p.name());
            WENDLE_VELK_PANEL_PROPERTIES(WENDLE_DUMP_PANEL)
#undef WENDLE_DUMP_PANEL
            dump[at + "caption"] = p.caption();
            dump[at + "left"] = valueText(p.left());
            dump[at + "top"] = valueText(p.top());
            dump[at + "width"] = valueText(p.width());
            dump[at + "height"] = valueText(p.height());
        }
    }
    return dump;
}

// The keys whose values differ between two dumps.
inline std::vector<std::string> changedKeys(const std::map<std::string, std::string>& before,
                                            const std::map<std::string, std::string>& after) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : after) {
        const auto found = before.find(key);
        if (found == before.end() || found->second != value)
            keys.push_back(key);
    }
    return keys;
}

}  // namespace wendle::testing
