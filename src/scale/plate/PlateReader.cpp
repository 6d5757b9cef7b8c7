#include "scale/plate/PlateReader.h"

#include <toml++/toml.h>

#include <cmath>
#include <cstdio>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "scale/plate/PlateKeys.h"
#include "scale/plate/PlateScaleTicks.h"

namespace sp {

namespace {

// Where the reader is: the file, for messages and definition files.
struct Context {
    std::string fileName, folder;

    [[noreturn]] void Fail(const toml::node& node, const std::string& key, const std::string& reason) const {
        throw EPlateInput(PlateMessage(fileName, static_cast<long>(node.source().begin.line), key, reason));
    }
};

std::string Shown(double v) {
    std::string t = ValueTextOf(v);
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

std::string RangeText(double min, double max, bool above) {
    return std::string("hodnota musí byť ") + (above ? "väčšia ako " : "od ") + Shown(min) +
           (above ? " a najviac " : " do ") + Shown(max);
}

template <class Item>
double Number(const toml::node& node, const PlateKey<Item>& key, const Context& c, const std::string& path,
              const char* need = "treba číslo") {
    double v;
    if (const auto* i = node.as_integer())
        v = static_cast<double>(i->get());
    else if (const auto* f = node.as_floating_point())
        v = f->get();
    else
        c.Fail(node, path, need);
    if (!std::isfinite(v) || (key.above ? !(v > key.min) : !(v >= key.min)) || !(v <= key.max))
        c.Fail(node, path, RangeText(key.min, key.max, key.above));
    return v;
}

template <class Item>
std::vector<double> Numbers(const toml::node& node, const PlateKey<Item>& key, const Context& c,
                            const std::string& path, std::size_t count, const char* need) {
    const toml::array* a = node.as_array();
    if (!a || (count && a->size() != count)) c.Fail(node, path, need);
    std::vector<double> out;
    for (const toml::node& n : *a) out.push_back(Number(n, key, c, path, need));
    return out;
}

const std::string& Text(const toml::node& node, const Context& c, const std::string& path) {
    const auto* s = node.as_string();
    if (!s) c.Fail(node, path, "treba text v úvodzovkách");
    return s->get();
}

template <class Item>
std::vector<PlateTick> Ticks(const toml::node& node, const PlateKey<Item>& key, const Context& c,
                             const std::string& path) {
    const char* need = "treba zoznam dielikov [uhol, \"M\", \"číslo\"], druh M, N alebo S";
    const toml::array* a = node.as_array();
    if (!a) c.Fail(node, path, need);
    std::vector<PlateTick> out;
    for (const toml::node& n : *a) {
        const toml::array* t = n.as_array();
        if (!t || t->size() < 2 || t->size() > 3) c.Fail(n, path, need);
        PlateTick tick;
        tick.angle = Number((*t)[0], key, c, path, need);
        const std::string kind = Text((*t)[1], c, path);
        if (kind != "M" && kind != "N" && kind != "S") c.Fail(n, path, need);
        tick.kind = kind[0];
        if (t->size() == 3) tick.label = Text((*t)[2], c, path);
        out.push_back(std::move(tick));
    }
    return out;
}

// Reads one value into its member, checked by its row of the key table.
template <class Item>
void ReadKey(const toml::node& node, const PlateKey<Item>& key, Item& item, const Context& c, const std::string& path) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(item.*member)>;
            T& out = item.*member;
            if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::optional<double>>) {
                out = Number(node, key, c, path);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                const auto* i = node.as_integer();
                if (!i) c.Fail(node, path, "treba celé číslo");
                if (i->get() < key.min || i->get() > key.max) c.Fail(node, path, RangeText(key.min, key.max, false));
                out = static_cast<std::int32_t>(i->get());
            } else if constexpr (std::is_same_v<T, bool>) {
                const auto* b = node.as_boolean();
                if (!b) c.Fail(node, path, "treba true alebo false");
                out = b->get();
            } else if constexpr (std::is_same_v<T, std::string>) {
                out = Text(node, c, path);
                if (!key.choices.empty()) {
                    std::string list;
                    for (const char* choice : key.choices) {
                        if (out == choice) return;
                        list += (list.empty() ? "" : ", ") + std::string(choice);
                    }
                    c.Fail(node, path, "treba jedno z: " + list);
                }
            } else if constexpr (std::is_same_v<T, TColor>) {
                const auto colour = ParseColour(Text(node, c, path));
                if (!colour) c.Fail(node, path, "treba farbu #RRGGBB alebo black, white, red, green, blue, yellow");
                out = *colour;
            } else if constexpr (std::is_same_v<T, PlatePair> || std::is_same_v<T, std::optional<PlatePair>>) {
                const auto v = Numbers(node, key, c, path, 2, "treba dvojicu čísel [x, y]");
                out = PlatePair{v[0], v[1]};
            } else if constexpr (std::is_same_v<T, PlateTriple>) {
                const auto v = Numbers(node, key, c, path, 3, "treba tri čísla [M, N, S]");
                out = PlateTriple{v[0], v[1], v[2]};
            } else if constexpr (std::is_same_v<T, std::vector<double>>) {
                out = Numbers(node, key, c, path, 0, "treba zoznam čísel");
            } else if constexpr (std::is_same_v<T, std::vector<PlatePair>>) {
                const toml::array* a = node.as_array();
                if (!a) c.Fail(node, path, "treba zoznam dvojíc [hodnota, uhol]");
                out.clear();
                for (const toml::node& n : *a) {
                    const auto v = Numbers(n, key, c, path, 2, "treba zoznam dvojíc [hodnota, uhol]");
                    out.push_back({v[0], v[1]});
                }
            } else {
                out = Ticks(node, key, c, path);
            }
        },
        key.member);
}

// Reads a table into `item` over its defaults. `child` is called for a key
// that names no value of the table (the scale's rows and zones) and gives
// whether it took it.
template <class Item, class Child>
Item ReadTable(const toml::node& node, const std::vector<PlateKey<Item>>& keys, const std::string& prefix,
               const Context& c, Child child) {
    const toml::table* table = node.as_table();
    if (!table) c.Fail(node, prefix, "treba tabuľku [" + prefix + "]");
    Item item;
    for (auto&& [k, v] : *table) {
        const std::string name(k.str()), path = prefix + "." + name;
        const PlateKey<Item>* key = nullptr;
        for (const PlateKey<Item>& row : keys)
            if (name == row.name) key = &row;
        if (key)
            ReadKey(v, *key, item, c, path);
        else if (!child(name, v, item))
            c.Fail(v, path, "taký kľúč nepoznám");
    }
    for (const PlateKey<Item>& row : keys)
        if (row.required && !table->contains(row.name))
            c.Fail(node, prefix + "." + row.name, "treba ho zadať");
    return item;
}

template <class Item>
Item ReadTable(const toml::node& node, const std::vector<PlateKey<Item>>& keys, const std::string& prefix,
               const Context& c) {
    return ReadTable(node, keys, prefix, c, [](const std::string&, const toml::node&, Item&) { return false; });
}

// An array of tables: [[name]].
template <class Item, class Read>
std::vector<Item> ReadArray(const toml::node& node, const std::string& prefix, const Context& c, Read read) {
    const toml::array* a = node.as_array();
    if (!a || !a->is_array_of_tables()) c.Fail(node, prefix, "treba tabuľky [[" + prefix + "]]");
    std::vector<Item> out;
    for (const toml::node& n : *a) out.push_back(read(n));
    return out;
}

PlateScale ReadScale(const toml::node& node, const Context& c);

void CheckScale(const toml::node& node, const PlateScale& s, const Context& c);

}  // namespace

namespace {

PlateScale ReadScale(const toml::node& node, const Context& c) {
    PlateScale s = ReadTable(node, ScaleKeys(), "scale", c, [&](const std::string& name, const toml::node& v, PlateScale& item) {
        if (name == "row") {
            item.rows = ReadArray<PlateRow>(v, "scale.row", c, [&](const toml::node& n) {
                return ReadTable(n, RowKeys(), "scale.row", c);
            });
        } else if (name == "zone") {
            item.zones = ReadArray<PlateZone>(v, "scale.zone", c, [&](const toml::node& n) {
                return ReadTable(n, ZoneKeys(), "scale.zone", c);
            });
        } else {
            return false;
        }
        return true;
    });
    CheckScale(node, s, c);
    return s;
}

// The line of `key` inside the scale's table, else the table's own.
const toml::node& At(const toml::node& scale, const char* key) {
    const toml::node* n = scale.as_table()->get(key);
    return n ? *n : scale;
}

// What the law needs beyond single keys: the drawing's own ticks are made
// here once, so that every fault the drawing could meet has its line.
void CheckScale(const toml::node& node, const PlateScale& s, const Context& c) {
    if (!(s.left > s.right)) c.Fail(At(node, "left"), "scale.left", "ľavý uhol musí byť väčší ako pravý");
    if (s.law == "ticks" && !s.definition.empty()) {
        const std::string path = DefinitionPath(s, c.folder);
        if (!FileExists(path))
            c.Fail(At(node, "definition"), "scale.definition", "definičný súbor \"" + path + "\" sa nenašiel");
    }
    const char* lawKey = s.law == "ticks" && !s.definition.empty() ? "definition" : "law";
    try {
        ScaleTicksOf(s, c.folder);
        for (const PlateZone& z : s.zones) {
            ScaleValueAngle(s, z.from);
            ScaleValueAngle(s, z.to);
        }
    } catch (const EScaleInput& e) {
        c.Fail(At(node, lawKey), std::string("scale.") + lawKey, e.what());
    } catch (const EConvertError& e) {
        c.Fail(At(node, lawKey), std::string("scale.") + lawKey, "riadok definície nemá platný uhol");
    } catch (const ERangeError&) {
        c.Fail(At(node, lawKey), std::string("scale.") + lawKey, "definícia má priveľa údajov v riadku");
    }
}

// One of the plate's item kinds, by its table's name; false for none.
bool ReadItem(const std::string& name, const toml::node& v, Plate& p, const Context& c) {
    bool taken = false;
    const auto read = [&](const auto& kind) {
        if (taken || name != kind.name) return;
        taken = true;
        if constexpr (requires { (p.*kind.member).push_back({}); }) {
            using Item = typename std::remove_cvref_t<decltype(p.*kind.member)>::value_type;
            p.*kind.member = ReadArray<Item>(v, name, c, [&](const toml::node& n) { return ReadTable(n, kind.keys(), name, c); });
        } else {
            p.*kind.member = ReadTable(v, kind.keys(), name, c);
        }
    };
    std::apply([&](const auto&... kinds) { (read(kinds), ...); }, PlateItemKinds());
    return taken;
}

Plate ReadDocument(const toml::table& doc, const Context& c) {
    const toml::node* format = doc.get("format");
    if (!format) c.Fail(doc, "format", "treba format = 1 na začiatku súboru");
    if (!format->is_integer() || format->as_integer()->get() != 1)
        c.Fail(*format, "format", "tento program pozná len formát 1");
    Plate p;
    bool sheet = false;
    for (auto&& [k, v] : doc) {
        const std::string name(k.str());
        if (name == "format") {
        } else if (name == "plate") {
            p.plate = ReadTable(v, SheetKeys(), "plate", c);
            sheet = true;
        } else if (name == "scale") {
            p.scales = ReadArray<PlateScale>(v, "scale", c, [&](const toml::node& n) { return ReadScale(n, c); });
        } else if (!ReadItem(name, v, p, c)) {
            c.Fail(v, name, "takú tabuľku nepoznám");
        }
    }
    if (!sheet) c.Fail(doc, "plate", "treba tabuľku [plate] so šírkou a výškou");
    return p;
}

std::string FolderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

std::string PlateMessage(const std::string& fileName, long line, const std::string& key, const std::string& reason) {
    std::string text = "Súbor \"" + fileName + "\", riadok " + std::to_string(line);
    if (!key.empty()) text += ", kľúč \"" + key + "\"";
    text += ": " + reason;
    if (text.back() != '.') text += '.';
    return text;
}

Plate ParsePlate(std::string_view text, const std::string& fileName) {
    const Context c{fileName, FolderOf(fileName)};
    toml::table doc;
    try {
        doc = toml::parse(text, fileName);
    } catch (const toml::parse_error& e) {
        throw EPlateInput(PlateMessage(fileName, static_cast<long>(e.source().begin.line), "",
                                       "toto nie je platný zápis TOML (stĺpec " +
                                           std::to_string(e.source().begin.column) + ")"));
    }
    return ReadDocument(doc, c);
}

Plate ReadPlateFile(const std::string& fileName) { return ParsePlate(ReadWholeFile(fileName), fileName); }

}  // namespace sp
