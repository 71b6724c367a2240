#pragma once

#include <imgui.h>

#include <vector>

// Points ImDrawData's list of lists at `lists`: a plain array before Dear ImGui
// 1.89.8, a vector of its own since. The overload that fits the library is used.
inline void setCmdLists(ImDrawList**& cmdLists, std::vector<ImDrawList*>& lists) {
    cmdLists = lists.empty() ? nullptr : lists.data();
}

inline void setCmdLists(ImVector<ImDrawList*>& cmdLists, std::vector<ImDrawList*>& lists) {
    cmdLists.resize(0);
    for (ImDrawList* list : lists) {
        cmdLists.push_back(list);
    }
}
