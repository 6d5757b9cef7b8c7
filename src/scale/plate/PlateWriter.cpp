#include "scale/plate/PlateWriter.h"

#include <cstdio>

#include "base/SafeFile.h"
#include "scale/plate/PlateKeys.h"

namespace sp {

namespace {

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (const unsigned char ch : s) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += static_cast<char>(ch);
        } else if (ch < 0x20 || ch == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", ch);
            out += buf;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out + '"';
}

std::string List(const double* v, std::size_t n) {
    std::string out = "[";
    for (std::size_t i = 0; i < n; ++i) out += (i ? ", " : "") + ValueTextOf(v[i]);
    return out + "]";
}

std::string Value(double v) { return ValueTextOf(v); }
std::string Value(const std::optional<double>& v) { return ValueTextOf(*v); }
std::string Value(std::int32_t v) { return std::to_string(v); }
std::string Value(bool v) { return v ? "true" : "false"; }
std::string Value(const std::string& v) { return Quote(v); }
std::string Value(TColor v) { return Quote(ColourText(v)); }
std::string Value(const PlatePair& v) { return List(v.data(), 2); }
std::string Value(const std::optional<PlatePair>& v) { return List(v->data(), 2); }
std::string Value(const PlateTriple& v) { return List(v.data(), 3); }
std::string Value(const std::vector<double>& v) { return List(v.data(), v.size()); }

std::string Value(const std::vector<PlatePair>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i) out += (i ? ", " : "") + List(v[i].data(), 2);
    return out + "]";
}

std::string Value(const std::vector<PlateTick>& v) {
    std::string out = "[";
    for (const PlateTick& t : v) {
        out += "\n  [" + ValueTextOf(t.angle) + ", \"" + t.kind + '"';
        if (!t.label.empty()) out += ", " + Quote(t.label);
        out += "],";
    }
    return out + (v.empty() ? "]" : "\n]");
}

// The keys of `item` that are required or differ from the default item.
// Every table's visitor is compiled for every kind of member, also kinds a
// small item has none of; GCC then sees a large member read from a small
// item on a path that never runs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
template <class Item>
std::string Keys(const Item& item, const std::vector<PlateKey<Item>>& keys) {
    static const Item defaults{};
    std::string out;
    for (const PlateKey<Item>& key : keys) {
        std::visit(
            [&](auto member) {
                if (key.required || !(item.*member == defaults.*member))
                    out += std::string(key.name) + " = " + Value(item.*member) + "\n";
            },
            key.member);
    }
    return out;
}
#pragma GCC diagnostic pop

}  // namespace

std::string PlateFileText(const Plate& p) {
    std::string out = "format = 1\n\n[plate]\n" + Keys(p.plate, SheetKeys());
    for (const PlateScale& s : p.scales) {
        out += "\n[[scale]]\n" + Keys(s, ScaleKeys());
        for (const PlateRow& r : s.rows) out += "\n[[scale.row]]\n" + Keys(r, RowKeys());
        for (const PlateZone& z : s.zones) out += "\n[[scale.zone]]\n" + Keys(z, ZoneKeys());
    }
    const auto write = [&](const auto& kind) {
        const auto& items = p.*kind.member;
        if constexpr (requires { items.size(); }) {
            for (const auto& item : items) out += "\n[[" + std::string(kind.name) + "]]\n" + Keys(item, kind.keys());
        } else if (items) {
            out += "\n[" + std::string(kind.name) + "]\n" + Keys(*items, kind.keys());
        }
    };
    std::apply([&](const auto&... kinds) { (write(kinds), ...); }, PlateItemKinds());
    return out;
}

void WritePlateFile(const Plate& plate, const std::string& fileName) {
    const std::string text = PlateFileText(plate);
    WriteFileAtomically(fileName, {text});
}

}  // namespace sp
