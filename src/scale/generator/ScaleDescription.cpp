#include "scale/generator/ScaleDescription.h"

#include "text/DefaultFont.h"

#include <cmath>

#include "base/Procs.h"
#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"

namespace sp {

namespace {

// Every key once, with its Slovak name as the sentences name the field.
struct DescriptionKey {
    const char* key;
    const char* name;
};
const DescriptionKey kKeys[] = {
    {"law", "zákon stupnice"},       {"from", "začiatok stupnice"},   {"to", "koniec stupnice"},
    {"exponent", "exponent"},        {"center", "stredná hodnota"},   {"points", "kalibračné body"},
    {"left", "uhol vľavo"},          {"right", "uhol vpravo"},        {"radius", "polomer"},
    {"major", "krok čísel"},         {"medium", "krok stredných dielikov"},
    {"minor", "krok malých dielikov"}, {"labels", "číslované hodnoty"}, {"decimal", "desatinný znak"},
};

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

const char* NameOf(const std::string& key) {
    for (const DescriptionKey& k : kKeys)
        if (key == k.key) return k.name;
    return nullptr;
}

long double Number(const std::string& key, const std::string& text) {
    long double v = 0;
    if (!ParseValue(text, v)) throw EScaleInput(std::string("Údaj ") + NameOf(key) + " " + Quoted(Trim(text)) + " nie je číslo.");
    return v;
}

// A value that may carry an SI prefix or be infinite ("1k", "inf").
long double ScaleValue(const std::string& key, const std::string& text, bool* prefixed = nullptr) {
    long double v = 0;
    if (!ParseScaleValue(text, v, prefixed))
        throw EScaleInput(std::string("Údaj ") + NameOf(key) + " " + Quoted(Trim(text)) + " nie je číslo.");
    return v;
}

// A numbered value: "VALUE" or "VALUE=TEXT"; a value with an SI prefix is
// printed as typed, "1000=1k" prints its own text, a plain number as the
// scale writes numbers.
void AddNumbered(TickSteps& steps, const std::string& item) {
    const std::size_t eq = item.find('=');
    bool prefixed = false;
    const std::string value = eq == std::string::npos ? item : Trim(item.substr(0, eq));
    steps.numbered.push_back(ScaleValue("labels", value, &prefixed));
    if (eq != std::string::npos) {
        steps.numberedText.push_back(Trim(item.substr(eq + 1)));
        if (steps.numberedText.back().empty()) throw EScaleInput("Číslovaná hodnota " + Quoted(item) + " nemá text.");
    } else {
        const bool infinite = std::isinf(steps.numbered.back());
        steps.numberedText.push_back(prefixed ? value : infinite ? std::string(kInfinityText) : std::string());
    }
}

long double Positive(const std::string& key, const std::string& text) {
    const long double v = Number(key, text);
    if (!(v > 0)) throw EScaleInput(std::string("Údaj ") + NameOf(key) + " musí byť väčší ako 0.");
    return v;
}

// Items of a list: cut at ";" when there is one, else at ",".
std::vector<std::string> Items(const std::string& text) {
    const char sep = text.find(';') != std::string::npos ? ';' : ',';
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(sep, from);
        items.push_back(Trim(text.substr(from, at - from)));
        if (at == std::string::npos) break;
        from = at + 1;
    }
    if (items.size() == 1 && items[0].empty()) items.clear();
    return items;
}

std::vector<CalibrationPoint> Points(const std::string& text) {
    std::vector<CalibrationPoint> points;
    for (const std::string& item : Items(text)) {
        const std::size_t colon = item.find(':');
        CalibrationPoint p;
        if (colon == std::string::npos || !ParseValue(item.substr(0, colon), p.value) ||
            !ParseValue(item.substr(colon + 1), p.angle))
            throw EScaleInput("Kalibračný bod " + Quoted(item) + " nemá tvar HODNOTA:UHOL.");
        points.push_back(p);
    }
    return points;
}

}  // namespace

bool IsDescriptionKey(const std::string& key) { return NameOf(key) != nullptr; }

void SetDescriptionValue(ScaleDescription& desc, const std::string& rawKey, const std::string& value) {
    std::string key = Trim(rawKey);
    for (char& ch : key)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    if (!NameOf(key)) throw EScaleInput("Neznámy údaj " + Quoted(Trim(rawKey)) + ".");
    LawInput& l = desc.law;
    if (key == "law") {
        const auto law = LawOfName(Trim(value));
        if (!law) throw EScaleInput("Neznámy zákon stupnice " + Quoted(Trim(value)) + ".");
        l.law = *law;
    } else if (key == "from") {
        l.from = ScaleValue(key, value);
    } else if (key == "to") {
        l.to = ScaleValue(key, value);
    } else if (key == "exponent") {
        l.exponent = Number(key, value);
    } else if (key == "center") {
        l.center = ScaleValue(key, value);
    } else if (key == "points") {
        l.points = Points(value);
    } else if (key == "left") {
        l.leftAngle = Number(key, value);
    } else if (key == "right") {
        l.rightAngle = Number(key, value);
    } else if (key == "radius") {
        desc.room.radiusMm = Positive(key, value);
    } else if (key == "major" || key == "medium" || key == "minor") {
        (key == "major" ? desc.steps.major : key == "medium" ? desc.steps.medium : desc.steps.minor) = Positive(key, value);
    } else if (key == "labels") {
        desc.steps.numbered.clear();
        desc.steps.numberedText.clear();
        for (const std::string& item : Items(value)) AddNumbered(desc.steps, item);
    } else {  // decimal
        const std::string v = Trim(value);
        if (v != "comma" && v != "point") throw EScaleInput("Desatinný znak je 'comma' alebo 'point', nie " + Quoted(v) + ".");
        desc.room.decimalPoint = v == "point";
    }
    desc.given.insert(key);
}

void SetDescriptionRoom(ScaleDescription& desc, const FormFields& f) {
    SetDescriptionValue(desc, "left", f.leftAngle);
    SetDescriptionValue(desc, "right", f.rightAngle);
    SetDescriptionValue(desc, "radius", f.radius);
    TickRoom& r = desc.room;
    long double v = 0;
    // The window refuses what is no number before any picture; a generated
    // scale keeps the room it had for such a field.
    if (ParseValue(f.segmentLength, v) && v >= 0) r.tickLengthMm = 2 * v;
    if (ParseValue(f.textHeight, v) && v > 0) r.textHeightMm = v;
    r.numberGapMm = ParseValue(f.numberGap, v) && v >= 0 ? v : -1;
    r.font = Trim(f.font).empty() ? DefaultFontFamily : f.font;
    r.inside = f.numbersInside;
    r.radial = f.radialNumbers;
}

void ParseScaleDescription(const std::string& text, ScaleDescription& desc) {
    for (const TextLine& line : CutLines(text)) {
        const std::string t = Trim(line.text);
        if (t.empty() || t[0] == '#') continue;
        const std::size_t eq = t.find('=');
        if (eq == std::string::npos) throw EScaleInput("Riadok " + Quoted(t) + " nemá tvar údaj = hodnota.");
        SetDescriptionValue(desc, t.substr(0, eq), t.substr(eq + 1));
    }
}

void CheckDescriptionComplete(const ScaleDescription& desc) {
    std::vector<const char*> needed{"law", "from", "to"};
    switch (desc.law.law) {
        case Law::Power: needed.push_back("exponent"); break;
        case Law::OhmSeries:
        case Law::OhmShunt: needed.push_back("center"); break;
        case Law::Points: needed.push_back("points"); break;
        default: break;
    }
    for (const char* key : needed)
        if (!desc.given.count(key)) throw EScaleInput(std::string("Chýba údaj ") + NameOf(key) + ".");
}

}  // namespace sp
