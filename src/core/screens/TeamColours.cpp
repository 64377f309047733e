#include "screens/TeamColours.h"

#include <string_view>
#include <utility>

#include "encoding/Encoding.h"

namespace zav {
namespace {

struct Paint {
    std::string_view word;
    const char* css;
};

// French, English, Italian and German, with the feminine and plural forms
// typed most.
constexpr Paint kPaints[] = {
    {"rouge", "#d01818"},   {"red", "#d01818"},       {"rosso", "#d01818"},
    {"rossa", "#d01818"},   {"rossi", "#d01818"},     {"rosse", "#d01818"},
    {"rot", "#d01818"},     {"bleu", "#1a4fd0"},      {"bleue", "#1a4fd0"},
    {"blue", "#1a4fd0"},    {"blu", "#1a4fd0"},       {"blau", "#1a4fd0"},
    {"marine", "#14246b"},  {"navy", "#14246b"},      {"ciel", "#6fb8f0"},
    {"sky", "#6fb8f0"},     {"azzurro", "#6fb8f0"},   {"azzurra", "#6fb8f0"},
    {"vert", "#138a2c"},    {"verte", "#138a2c"},     {"green", "#138a2c"},
    {"verde", "#138a2c"},   {"verdi", "#138a2c"},     {"grün", "#138a2c"},
    {"gruen", "#138a2c"},   {"jaune", "#f5d000"},     {"yellow", "#f5d000"},
    {"giallo", "#f5d000"},  {"gialla", "#f5d000"},    {"gelb", "#f5d000"},
    {"noir", "#111111"},    {"noire", "#111111"},     {"black", "#111111"},
    {"nero", "#111111"},    {"nera", "#111111"},      {"schwarz", "#111111"},
    {"blanc", "#ffffff"},   {"blanche", "#ffffff"},   {"white", "#ffffff"},
    {"bianco", "#ffffff"},  {"bianca", "#ffffff"},    {"weiß", "#ffffff"},
    {"weiss", "#ffffff"},   {"orange", "#f07800"},    {"arancione", "#f07800"},
    {"arancio", "#f07800"}, {"violet", "#7a2fb0"},    {"violette", "#7a2fb0"},
    {"purple", "#7a2fb0"},  {"viola", "#7a2fb0"},     {"violett", "#7a2fb0"},
    {"lila", "#7a2fb0"},    {"rose", "#f07cb8"},      {"pink", "#f07cb8"},
    {"rosa", "#f07cb8"},    {"gris", "#8a8a8a"},      {"grise", "#8a8a8a"},
    {"grey", "#8a8a8a"},    {"gray", "#8a8a8a"},      {"grigio", "#8a8a8a"},
    {"grigia", "#8a8a8a"},  {"grau", "#8a8a8a"},      {"marron", "#7a4a1e"},
    {"brun", "#7a4a1e"},    {"brown", "#7a4a1e"},     {"marrone", "#7a4a1e"},
    {"braun", "#7a4a1e"},   {"bordeaux", "#7a1030"},  {"maroon", "#7a1030"},
    {"or", "#d4a017"},      {"gold", "#d4a017"},      {"oro", "#d4a017"},
    {"argent", "#c0c0c0"},  {"silver", "#c0c0c0"},    {"argento", "#c0c0c0"},
    {"silber", "#c0c0c0"},  {"turquoise", "#1aa9a0"}, {"turchese", "#1aa9a0"},
    {"türkis", "#1aa9a0"},
};

constexpr std::size_t kMostPaints = 3;

const char* PaintOfWord(std::string word) {
    word = AsciiLowered(std::move(word));
    // Capitals folded ("Grün" is "grün"); a plural "s" of French and
    // English dropped when the word is not known as typed.
    for (int tries = 0; tries < 2; ++tries) {
        for (const Paint& paint : kPaints)
            if (paint.word == word) return paint.css;
        if (word.size() < 4 || word.back() != 's') break;
        word.pop_back();
    }
    return nullptr;
}

bool Separates(char c) {
    return c == '/' || c == '-' || c == ',' || c == '+' || c == '&' || c == ' ' || c == '\t' ||
           c == ';' || c == '(' || c == ')';
}

}  // namespace

std::vector<std::string> PaintOfColours(const std::string& colours) {
    std::vector<std::string> paints;
    std::size_t at = 0;
    while (at < colours.size() && paints.size() < kMostPaints) {
        while (at < colours.size() && Separates(colours[at])) ++at;
        std::size_t end = at;
        while (end < colours.size() && !Separates(colours[end])) ++end;
        if (end > at)
            if (const char* css = PaintOfWord(colours.substr(at, end - at))) paints.push_back(css);
        at = end;
    }
    return paints;
}

}  // namespace zav
