#include "ui/plate/PlateProperties.h"

#include <QLocale>
#include <cmath>
#include <type_traits>

#include "scale/plate/PlateKeys.h"
#include "scale/plate/PlateReader.h"

namespace sp {

namespace {

using K = PlateItemKind;
using Refusal = std::optional<QString>;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The item `ref` names inside `plate`; nullptr when it is not there.
template <class Item>
Item* ItemAt(Plate& p, PlateItemRef r) {
    if (!Exists(p, r)) return nullptr;
    if constexpr (std::is_same_v<Item, PlateSheet>) return &p.plate;
    if constexpr (std::is_same_v<Item, PlateScale>) return &p.scales[r.index];
    if constexpr (std::is_same_v<Item, PlateRow>) return &p.scales[r.index].rows[r.sub];
    if constexpr (std::is_same_v<Item, PlateZone>) return &p.scales[r.index].zones[r.sub];
    if constexpr (std::is_same_v<Item, PlateHole>) return &p.holes[r.index];
    if constexpr (std::is_same_v<Item, PlateText>) return &p.texts[r.index];
    if constexpr (std::is_same_v<Item, PlateMark>) return &p.marks[r.index];
    if constexpr (std::is_same_v<Item, PlateCutout>) return &*p.cutout;
    if constexpr (std::is_same_v<Item, PlateMirrorStrip>) return &*p.mirrorStrip;
    if constexpr (std::is_same_v<Item, PlateCropMarks>) return &*p.cropMarks;
    if constexpr (std::is_same_v<Item, PlateFrame>) return &*p.frame;
    return nullptr;
}

// One number of a key: a comma or a point, within the key's range.
template <class Item>
Refusal ReadNumber(QString text, const PlateKey<Item>& key, double& v) {
    bool ok = false;
    v = QLocale::c().toDouble(text.trimmed().replace(',', '.'), &ok);
    if (!ok || !std::isfinite(v)) return QString("Treba číslo.");
    if (v < key.min || v > key.max || (key.above && v <= key.min))
        return Q(PlateRangeText(key.min, key.max, key.above)) + ".";
    return std::nullopt;
}

template <class Item>
Refusal ReadNumbers(const QString& text, const PlateKey<Item>& key, std::vector<double>& out) {
    out.clear();
    if (text.trimmed().isEmpty()) return std::nullopt;
    for (const QString& part : text.split(';')) {
        double v = 0;
        if (auto r = ReadNumber(part, key, v)) return r;
        out.push_back(v);
    }
    return std::nullopt;
}

QString JoinNumbers(const auto& values) {
    QStringList parts;
    for (double v : values) parts << NumberText(v);
    return parts.join("; ");
}

// The text form of one kind of member and its reading back.
template <class Item, class T>
struct Form;

template <class Item>
struct Form<Item, double> {
    static QString Text(double v) { return NumberText(v); }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, double& v) { return ReadNumber(t, k, v); }
};

template <class Item>
struct Form<Item, std::int32_t> {
    static QString Text(std::int32_t v) { return QString::number(v); }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::int32_t& v) {
        double d = 0;
        if (auto r = ReadNumber(t, k, d)) return r;
        if (d != std::floor(d)) return QString("Treba celé číslo.");
        v = static_cast<std::int32_t>(d);
        return std::nullopt;
    }
};

template <class Item>
struct Form<Item, std::string> {
    static QString Text(const std::string& v) { return Q(v); }
    static Refusal Read(const QString& t, const PlateKey<Item>&, std::string& v) {
        v = t.toStdString();
        return std::nullopt;
    }
};

template <class Item>
struct Form<Item, bool> {
    static QString Text(bool v) { return v ? "1" : "0"; }
    static Refusal Read(const QString& t, const PlateKey<Item>&, bool& v) {
        v = t == "1";
        return std::nullopt;
    }
};

template <class Item>
struct Form<Item, TColor> {
    static QString Text(TColor v) { return Q(ColourText(v)); }
    static Refusal Read(const QString& t, const PlateKey<Item>&, TColor& v) {
        const auto c = ParseColour(t.trimmed().toStdString());
        if (!c) return QString("Treba farbu #RRGGBB.");
        v = *c;
        return std::nullopt;
    }
};

template <class Item, std::size_t N>
struct Form<Item, std::array<double, N>> {
    static QString Text(const std::array<double, N>& v) { return JoinNumbers(v); }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::array<double, N>& v) {
        std::vector<double> n;
        if (auto r = ReadNumbers(t, k, n)) return r;
        if (n.size() != N) return QString("Treba %1 čísla oddelené bodkočiarkou.").arg(N);
        std::copy(n.begin(), n.end(), v.begin());
        return std::nullopt;
    }
};

template <class Item>
struct Form<Item, std::vector<double>> {
    static QString Text(const std::vector<double>& v) { return JoinNumbers(v); }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::vector<double>& v) {
        return ReadNumbers(t, k, v);
    }
};

template <class Item, class T>
struct Form<Item, std::optional<T>> {
    static QString Text(const std::optional<T>& v) { return v ? Form<Item, T>::Text(*v) : QString(); }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::optional<T>& v) {
        if (t.trimmed().isEmpty()) {
            v.reset();
            return std::nullopt;
        }
        T value{};
        if (auto r = Form<Item, T>::Read(t, k, value)) return r;
        v = value;
        return std::nullopt;
    }
};

// "value angle; value angle".
template <class Item>
struct Form<Item, std::vector<PlatePair>> {
    static QString Text(const std::vector<PlatePair>& v) {
        QStringList parts;
        for (const PlatePair& p : v) parts << NumberText(p[0]) + " " + NumberText(p[1]);
        return parts.join("; ");
    }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::vector<PlatePair>& v) {
        v.clear();
        if (t.trimmed().isEmpty()) return std::nullopt;
        for (const QString& part : t.split(';')) {
            const QStringList n = part.simplified().split(' ');
            PlatePair p{};
            if (n.size() != 2) return QString("Treba dvojice „hodnota uhol“ oddelené bodkočiarkou.");
            for (int i = 0; i < 2; ++i)
                if (auto r = ReadNumber(n[i], k, p[i])) return r;
            v.push_back(p);
        }
        return std::nullopt;
    }
};

// "angle kind label; angle kind": the label is the rest of the part.
template <class Item>
struct Form<Item, std::vector<PlateTick>> {
    static QString Text(const std::vector<PlateTick>& v) {
        QStringList parts;
        for (const PlateTick& tick : v) {
            QString part = NumberText(tick.angle) + " " + QChar(tick.kind);
            if (!tick.label.empty()) part += " " + Q(tick.label);
            parts << part;
        }
        return parts.join("; ");
    }
    static Refusal Read(const QString& t, const PlateKey<Item>& k, std::vector<PlateTick>& v) {
        v.clear();
        if (t.trimmed().isEmpty()) return std::nullopt;
        for (const QString& part : t.split(';')) {
            const QStringList n = part.simplified().split(' ');
            PlateTick tick;
            if (n.size() < 2 || (n[1] != "M" && n[1] != "N" && n[1] != "S"))
                return QString("Treba „uhol druh text“, druh M, N alebo S, oddelené bodkočiarkou.");
            if (auto r = ReadNumber(n[0], k, tick.angle)) return r;
            tick.kind = n[1][0].toLatin1();
            tick.label = n.mid(2).join(' ').toStdString();
            v.push_back(tick);
        }
        return std::nullopt;
    }
};

template <class Item>
PlateProperty::Editor EditorOf(const PlateKey<Item>& key) {
    using E = PlateProperty::Editor;
    if (std::holds_alternative<bool Item::*>(key.member)) return E::Check;
    if (std::holds_alternative<TColor Item::*>(key.member)) return E::Colour;
    if (!key.choices.empty()) return E::Choice;
    if (std::string_view(key.name) == "font") return E::Font;
    return E::Text;
}

template <class Item>
PlateProperty PropertyOf(const PlateKey<Item>& key, PlateItemRef ref) {
    PlateProperty p;
    p.key = key.name;
    p.label = QString::fromUtf8(key.label);
    p.unit = QString::fromUtf8(key.unit);
    p.editor = EditorOf(key);
    for (const char* c : key.choices) p.choices << c;
    p.optional = std::holds_alternative<std::optional<double> Item::*>(key.member) ||
                 std::holds_alternative<std::optional<PlatePair> Item::*>(key.member);
    p.text = [&key, ref](const Plate& plate) {
        const Item* item = ItemAt<Item>(const_cast<Plate&>(plate), ref);
        if (!item) return QString();
        return std::visit([&](auto m) { return Form<Item, std::decay_t<decltype(item->*m)>>::Text(item->*m); },
                          key.member);
    };
    p.set = [&key, ref](Plate& plate, const QString& text) -> Refusal {
        Item* item = ItemAt<Item>(plate, ref);
        if (!item) return std::nullopt;
        return std::visit(
            [&](auto m) -> Refusal {
                auto value = item->*m;
                if (auto r = Form<Item, std::decay_t<decltype(value)>>::Read(text, key, value)) return r;
                item->*m = std::move(value);
                return std::nullopt;
            },
            key.member);
    };
    return p;
}

template <class Item>
std::vector<PlateProperty> Properties(const std::vector<PlateKey<Item>>& keys, PlateItemRef ref) {
    std::vector<PlateProperty> out;
    for (const PlateKey<Item>& key : keys) out.push_back(PropertyOf(key, ref));
    return out;
}

}  // namespace

QString NumberText(double v) { return Q(ValueTextOf(v)).replace('.', ','); }

std::vector<PlateProperty> PropertiesOf(PlateItemRef ref) {
    switch (ref.kind) {
        case K::Sheet: return Properties(SheetKeys(), ref);
        case K::Scale: return Properties(ScaleKeys(), ref);
        case K::Row: return Properties(RowKeys(), ref);
        case K::Zone: return Properties(ZoneKeys(), ref);
        case K::Hole: return Properties(HoleKeys(), ref);
        case K::Text: return Properties(TextKeys(), ref);
        case K::Mark: return Properties(MarkKeys(), ref);
        case K::Cutout: return Properties(CutoutKeys(), ref);
        case K::MirrorStrip: return Properties(MirrorStripKeys(), ref);
        case K::CropMarks: return Properties(CropMarksKeys(), ref);
        case K::Frame: return Properties(FrameKeys(), ref);
    }
    return {};
}

QString ChoiceCaption(const QString& value) {
    static const std::pair<const char*, const char*> captions[] = {
        {"uniform", "rovnomerná"},        {"linear", "lineárna"},
        {"power", "mocninová"},           {"log", "logaritmická"},
        {"db", "decibely"},               {"ohm-series", "ohmmeter sériový"},
        {"ohm-shunt", "ohmmeter paralelný"}, {"points", "podľa bodov"},
        {"ticks", "dielce zadané"},       {"out", "von"},
        {"in", "dnu"},                    {"both", "na obe strany"},
        {"none", "žiadne"},               {"comma", "čiarka"},
        {"point", "bodka"},               {"left", "vľavo"},
        {"center", "na stred"},           {"right", "vpravo"},
        // The marks' symbols, as a meter's data sheet names them.
        {"moving-coil", "magnetoelektrický"},
        {"moving-coil-rectifier", "magnetoelektrický s usmerňovačom"},
        {"moving-iron", "elektromagnetický"},
        {"electrodynamic", "elektrodynamický"},
        {"thermal", "magnetoelektrický s termočlánkom"},
        {"dc", "jednosmerný prúd"},       {"ac", "striedavý prúd"},
        {"ac-dc", "jednosmerný aj striedavý"},
        {"class", "trieda presnosti"},    {"test-voltage", "skúšobné napätie"},
        {"vertical", "zvislá poloha"},    {"horizontal", "vodorovná poloha"},
        {"inclined", "šikmá poloha"},     {"warning", "výstraha"},
        {"text", "vlastný text"},
    };
    for (const auto& [v, caption] : captions)
        if (value == v) return QString::fromUtf8(caption);
    return value;
}

}  // namespace sp
