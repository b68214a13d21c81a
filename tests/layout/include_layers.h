#pragma once
// The floors of src/ and the two rules they stand for: a file includes only from its own folder
// and from floors below it, and no chain of includes comes back to where it started.

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout/source_tree.h"

namespace zelvano::layout {

// Lowest first. Folders on one floor stand side by side and include nothing of each other.
inline const std::map<std::string, int> kFloors{
    {"text", 0},         {"platform", 0},  // the logic's own helpers; what it needs of the world
    {"folder_store", 1},                   // the file store's contract kept on a folder of the disk
    {"league", 2},       {"game", 3},     {"season", 4},  // the logic
    {"headless", 5},     {"windows", 5},  // the platform without windows; the Qt windows
    {"desktop", 6},                       // the platform on the Qt windows
    {"app", 7},                           // the programs
};

inline std::string folderOf(const std::string& path) { return path.substr(0, path.find('/')); }

// One line for every include that points sideways or up, or into a folder without a floor.
inline std::vector<std::string> layerViolations(const std::vector<Include>& includes) {
    std::vector<std::string> violations;
    for (const Include& include : includes) {
        const std::string from = folderOf(include.file);
        const std::string to = folderOf(include.header);
        if (from == to) continue;
        const auto fromFloor = kFloors.find(from);
        const auto toFloor = kFloors.find(to);
        if (fromFloor == kFloors.end() || toFloor == kFloors.end()) {
            violations.push_back(include.file + " -> " + include.header +
                                 ": a folder without a floor");
        } else if (toFloor->second >= fromFloor->second) {
            violations.push_back(include.file + " -> " + include.header + ": floor " +
                                 std::to_string(fromFloor->second) + " includes from floor " +
                                 std::to_string(toFloor->second));
        }
    }
    return violations;
}

// The first chain of includes that comes back to a file it passed, as "a -> b -> a"; empty when
// there is none.
inline std::string includeCycle(const std::vector<Include>& includes) {
    std::map<std::string, std::vector<std::string>> graph;
    for (const Include& include : includes) graph[include.file].push_back(include.header);
    std::set<std::string> done;
    std::vector<std::string> path;
    std::string found;
    const auto visit = [&](const auto& self, const std::string& file) -> void {
        if (!found.empty() || done.count(file) != 0) return;
        const auto onPath = std::find(path.begin(), path.end(), file);
        if (onPath != path.end()) {
            for (auto it = onPath; it != path.end(); ++it) found += *it + " -> ";
            found += file;
            return;
        }
        path.push_back(file);
        if (const auto headers = graph.find(file); headers != graph.end()) {
            for (const std::string& header : headers->second) self(self, header);
        }
        path.pop_back();
        done.insert(file);
    };
    for (const auto& [file, headers] : graph) visit(visit, file);
    return found;
}

}  // namespace zelvano::layout
