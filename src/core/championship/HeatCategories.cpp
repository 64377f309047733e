#include "championship/HeatCategories.h"

#include <algorithm>

#include "sets/SetCreation.h"

namespace zav {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::vector<CategoryTeams> TeamsByCategory(const ScoreSheet& sheet) {
    const std::vector<std::string> named = SubTitleCategories(sheet.sSubTitle);
    std::vector<CategoryTeams> groups;
    for (int t = 0; t < TeamsInUse(sheet); ++t) {
        const std::string category = named.size() == 1 ? named.front()
                                     : Holds(named, sheet.sColSupContent[t])
                                         ? sheet.sColSupContent[t]
                                         : CategoriesInSubTitle(sheet.sSubTitle);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const CategoryTeams& g) { return g.category == category; });
        if (group == groups.end()) group = groups.insert(groups.end(), {category, {}});
        group->teams.push_back(t);
    }
    return groups;
}

std::vector<std::string> SheetCategories(const ScoreSheet& sheet) {
    std::vector<std::string> categories;
    for (CategoryTeams& group : TeamsByCategory(sheet))
        categories.push_back(std::move(group.category));
    if (categories.empty()) categories = SubTitleCategories(sheet.sSubTitle);
    if (categories.empty()) categories.emplace_back();
    return categories;
}

bool ShareACategory(const ScoreSheet& a, const ScoreSheet& b) {
    const std::vector<std::string> ofB = SheetCategories(b);
    for (const std::string& category : SheetCategories(a))
        if (Holds(ofB, category)) return true;
    return false;
}

}  // namespace zav
