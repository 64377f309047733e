#include "championship/HeatCategories.h"

#include <algorithm>

#include "sets/SetCreation.h"

namespace zav {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::string TeamCategory(const ScoreSheet& sheet, int team) {
    const std::vector<std::string> categories = SubTitleCategories(sheet.sSubTitle);
    if (categories.size() == 1) return categories.front();
    if (Holds(categories, sheet.sColSupContent[team])) return sheet.sColSupContent[team];
    return CategoriesInSubTitle(sheet.sSubTitle);
}

std::vector<std::string> SheetCategories(const ScoreSheet& sheet) {
    std::vector<std::string> categories;
    for (int t = 0; t < TeamsInUse(sheet); ++t) {
        std::string category = TeamCategory(sheet, t);
        if (!Holds(categories, category)) categories.push_back(std::move(category));
    }
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
