#include "scale/drawing/TextCollisions.h"

#include <algorithm>

namespace sp {

namespace {

// Boxes closer than this (picture pixels) are taken as touching only: a
// number placed with no gap at all ends exactly on its tick.
constexpr double kTouch = 0.01;

std::string Named(const PlacedText& t) { return (t.kind == PlacedText::Unit ? "Jednotka " : "Číslo ") + t.text; }

double Left(const Box& b) { return std::min({b.p[0].x, b.p[1].x, b.p[2].x, b.p[3].x}); }

// Two numbers are named as they are read, the left one first.
std::string Pair(const PlacedText& a, const PlacedText& b) {
    if (a.kind == PlacedText::Number && b.kind == PlacedText::Number) {
        const bool aFirst = Left(a.box) <= Left(b.box);
        return "Čísla " + (aFirst ? a : b).text + " a " + (aFirst ? b : a).text + " sa prekrývajú.";
    }
    const PlacedText& unit = a.kind == PlacedText::Unit ? a : b;
    const PlacedText& other = a.kind == PlacedText::Unit ? b : a;
    return "Jednotka " + unit.text + " a číslo " + other.text + " sa prekrývajú.";
}

}  // namespace

void CheckTextCollisions(const std::vector<PlacedText>& texts, const std::vector<Box>& ticks, double width,
                         double height, TextCheck& out) {
    std::vector<bool> marked(texts.size(), false);
    const auto say = [&](std::size_t k, std::string sentence) {
        out.warnings.push_back(std::move(sentence));
        if (!marked[k]) out.marks.push_back(texts[k].box);
        marked[k] = true;
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (Separation(texts[i].box, texts[j].box) < -kTouch) {
                say(i, Pair(texts[i], texts[j]));
                if (!marked[j]) out.marks.push_back(texts[j].box);
                marked[j] = true;
            }
        for (const Box& tick : ticks)
            if (Separation(texts[i].box, tick) < -kTouch) {
                say(i, Named(texts[i]) + " zasahuje do dielika.");
                break;
            }
        if (Overhang(texts[i].box, 0, 0, width, height) > kTouch) say(i, Named(texts[i]) + " presahuje okraj štítka.");
    }
}

}  // namespace sp
