#include "sets/Categories.h"

namespace zav {

namespace {
struct CategoryName {
    std::string_view code;
    std::string_view name;
};

constexpr CategoryName kCategoryNames[] = {
    {"CAM3", "Moustique 3"},  {"CAP2", "Poussin 2"},
    {"CPM1", "Minime 1"},     {"CPM2", "Minime 2"},
    {"CPM3", "Minime 3"},     {"CABE", "Benjamin Elite"},
    {"CAB1", "Benjamin 1"},   {"CAB2", "Benjamin 2"},
    {"CPCE", "Cadet Elite"},  {"CPC1", "Cadet 1"},
    {"CPC2", "Cadet 2"},      {"COPE", "Open Elite"},
    {"COP1", "Open 1"},       {"COP2", "Open 2"},
    {"CSE1", "Senior 1"},     {"COPEP", "Open Elite Paire"},
    {"CL1", "Club 1"},        {"CL2", "Club 2"},
    {"CPJE", "Junior Elite"},
};
}  // namespace

std::string_view CategoryCode(std::string_view category) {
    return category.substr(0, category.find(' '));
}

std::string CategoryFull(std::string_view category) {
    const std::string_view code = CategoryCode(category);
    for (const auto& entry : kCategoryNames)
        if (entry.code == code) return std::string(entry.name);
    return std::string(category);
}

}  // namespace zav
