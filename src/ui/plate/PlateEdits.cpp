#include "ui/plate/PlateEdits.h"

#include <algorithm>

namespace sp {

namespace {

using K = PlateItemKind;

bool InList(int pos, std::size_t size) { return pos >= 0 && static_cast<std::size_t>(pos) < size; }

// Calls f(list, position) with the list that holds an item of a listed kind;
// false for the single items and an item that is not there.
template <class P, class F>
bool WithList(P& plate, PlateItemRef r, F&& f) {
    const bool scaleThere = InList(r.index, plate.scales.size());
    switch (r.kind) {
        case K::Scale: return scaleThere && f(plate.scales, r.index);
        case K::Row: return scaleThere && f(plate.scales[r.index].rows, r.sub);
        case K::Zone: return scaleThere && f(plate.scales[r.index].zones, r.sub);
        case K::Hole: return f(plate.holes, r.index);
        case K::Text: return f(plate.texts, r.index);
        case K::Mark: return f(plate.marks, r.index);
        default: return false;
    }
}

int& Pos(PlateItemRef& r) { return r.kind == K::Row || r.kind == K::Zone ? r.sub : r.index; }

// The scale a new row or zone goes to: the selected item's scale, else the first.
int ScaleOf(const Plate& plate, PlateItemRef selected) {
    const bool inScale = selected.kind == K::Scale || selected.kind == K::Row || selected.kind == K::Zone;
    return inScale && InList(selected.index, plate.scales.size()) ? selected.index : 0;
}

// Values a new item starts with, placed on the plate so it shows at once.
PlateScale NewScale(const Plate& plate) {
    PlateScale s;
    const PlatePair pivot = PivotOf(plate.plate);
    const double room = std::min({pivot[0], plate.plate.width - pivot[0], plate.plate.height - pivot[1]});
    s.radius = std::clamp(std::floor(room * 0.8), 5.0, 999.0);
    return s;
}

PlateZone NewZone(const PlateScale& s) {
    PlateZone z;
    const double from = s.from.value_or(0), to = s.to.value_or(s.segments);
    z.from = from + (to - from) * 0.8;
    z.to = to;
    return z;
}

PlateRow NewRow(const PlateScale& s) {
    PlateRow r;
    r.from = s.from.value_or(0);
    r.to = s.to.value_or(s.segments) * 2;
    return r;
}

}  // namespace

Plate EmptyPlate() {
    Plate p;
    p.plate.width = 80;
    p.plate.height = 50;
    return p;
}

std::vector<PlateItemRef> ItemsOf(const Plate& plate) {
    std::vector<PlateItemRef> items{{K::Sheet}};
    for (int i = 0; i < static_cast<int>(plate.scales.size()); ++i) {
        items.push_back({K::Scale, i});
        for (int r = 0; r < static_cast<int>(plate.scales[i].rows.size()); ++r) items.push_back({K::Row, i, r});
        for (int z = 0; z < static_cast<int>(plate.scales[i].zones.size()); ++z) items.push_back({K::Zone, i, z});
    }
    for (int i = 0; i < static_cast<int>(plate.holes.size()); ++i) items.push_back({K::Hole, i});
    for (int i = 0; i < static_cast<int>(plate.texts.size()); ++i) items.push_back({K::Text, i});
    for (int i = 0; i < static_cast<int>(plate.marks.size()); ++i) items.push_back({K::Mark, i});
    if (plate.cutout) items.push_back({K::Cutout});
    if (plate.mirrorStrip) items.push_back({K::MirrorStrip});
    if (plate.cropMarks) items.push_back({K::CropMarks});
    if (plate.frame) items.push_back({K::Frame});
    return items;
}

bool Exists(const Plate& plate, PlateItemRef ref) {
    switch (ref.kind) {
        case K::Sheet: return true;
        case K::Cutout: return plate.cutout.has_value();
        case K::MirrorStrip: return plate.mirrorStrip.has_value();
        case K::CropMarks: return plate.cropMarks.has_value();
        case K::Frame: return plate.frame.has_value();
        default: return WithList(plate, ref, [](const auto& list, int pos) { return InList(pos, list.size()); });
    }
}

QString KindName(PlateItemKind kind) {
    switch (kind) {
        case K::Sheet: return "Doska";
        case K::Scale: return "Stupnica";
        case K::Row: return "Rad čísel";
        case K::Zone: return "Zóna";
        case K::Hole: return "Otvor";
        case K::Text: return "Text";
        case K::Mark: return "Značka";
        case K::Cutout: return "Výrez";
        case K::MirrorStrip: return "Zrkadlový pás";
        case K::CropMarks: return "Orezové značky";
        case K::Frame: return "Rámček";
    }
    return {};
}

QString ItemTitle(const Plate& plate, PlateItemRef ref) {
    if (ref.kind == K::Text && Exists(plate, ref))
        return QString("Text „%1“").arg(QString::fromStdString(plate.texts[ref.index].text));
    if (ref.kind == K::Scale && Exists(plate, ref) && !plate.scales[ref.index].unit.empty())
        return QString("Stupnica %1 (%2)").arg(ref.index + 1).arg(QString::fromStdString(plate.scales[ref.index].unit));
    switch (ref.kind) {
        case K::Scale: case K::Hole: case K::Mark: return QString("%1 %2").arg(KindName(ref.kind)).arg(ref.index + 1);
        case K::Row: case K::Zone: return QString("%1 %2").arg(KindName(ref.kind)).arg(ref.sub + 1);
        default: return KindName(ref.kind);
    }
}

const std::vector<PlateItemKind>& AddableKinds() {
    static const std::vector<PlateItemKind> kinds{K::Scale,  K::Row,         K::Zone,      K::Hole,
                                                  K::Text,   K::Mark,        K::Cutout,    K::MirrorStrip,
                                                  K::CropMarks, K::Frame};
    return kinds;
}

bool CanAdd(const Plate& plate, PlateItemKind kind, PlateItemRef selected) {
    (void)selected;
    switch (kind) {
        case K::Row: case K::Zone: return !plate.scales.empty();
        case K::Cutout: case K::MirrorStrip: case K::CropMarks: case K::Frame: return !Exists(plate, {kind});
        case K::Sheet: return false;
        default: return true;
    }
}

std::optional<PlateItemRef> AddItem(Plate& plate, PlateItemKind kind, PlateItemRef selected) {
    if (!CanAdd(plate, kind, selected)) return std::nullopt;
    const int scale = ScaleOf(plate, selected);
    const PlatePair pivot = PivotOf(plate.plate);
    switch (kind) {
        case K::Cutout: plate.cutout = PlateCutout{.radius = 4}; return PlateItemRef{kind};
        case K::CropMarks: plate.cropMarks = PlateCropMarks{}; return PlateItemRef{kind};
        case K::Frame: plate.frame = PlateFrame{}; return PlateItemRef{kind};
        case K::MirrorStrip: {
            const double r = plate.scales.empty() ? 20 : std::max(2.0, plate.scales[0].radius - 5);
            plate.mirrorStrip = PlateMirrorStrip{.radius = r, .width = 2};
            return PlateItemRef{kind};
        }
        default: break;
    }
    // A listed item goes after the selected one of its kind, else to the end.
    PlateItemRef ref{kind, kind == K::Row || kind == K::Zone ? scale : 0, 0};
    const bool inOwnScale = (kind != K::Row && kind != K::Zone) || selected.index == scale;
    const bool afterSelected = selected.kind == kind && inOwnScale;
    WithList(plate, ref, [&](auto& list, int) {
        using T = typename std::decay_t<decltype(list)>::value_type;
        T item{};
        if constexpr (std::is_same_v<T, PlateScale>) item = NewScale(plate);
        if constexpr (std::is_same_v<T, PlateRow>) item = NewRow(plate.scales[scale]);
        if constexpr (std::is_same_v<T, PlateZone>) item = NewZone(plate.scales[scale]);
        if constexpr (std::is_same_v<T, PlateHole>) item = PlateHole{.x = 5, .y = 5, .diameter = 3};
        if constexpr (std::is_same_v<T, PlateText>)
            item = PlateText{.x = pivot[0], .y = plate.plate.height / 2, .text = "Text"};
        // Below the middle of the plate, where a dial's marks usually sit under its unit.
        if constexpr (std::is_same_v<T, PlateMark>) {
            item.symbol = "moving-coil";
            item.x = pivot[0];
            item.y = plate.plate.height * 0.3;
            item.size = 5;
        }
        const int at = afterSelected ? Pos(selected) + 1 : static_cast<int>(list.size());
        list.insert(list.begin() + std::clamp(at, 0, static_cast<int>(list.size())), std::move(item));
        Pos(ref) = std::clamp(at, 0, static_cast<int>(list.size()) - 1);
        return true;
    });
    return ref;
}

std::optional<PlateItemRef> DuplicateItem(Plate& plate, PlateItemRef ref) {
    const bool done = WithList(plate, ref, [&](auto& list, int pos) {
        if (!InList(pos, list.size())) return false;
        auto copy = list[pos];
        list.insert(list.begin() + pos + 1, std::move(copy));
        return true;
    });
    if (!done) return std::nullopt;
    ++Pos(ref);
    return ref;
}

std::optional<PlateItemRef> DeleteItem(Plate& plate, PlateItemRef ref) {
    switch (ref.kind) {
        case K::Sheet: return std::nullopt;
        case K::Cutout: plate.cutout.reset(); return PlateItemRef{};
        case K::MirrorStrip: plate.mirrorStrip.reset(); return PlateItemRef{};
        case K::CropMarks: plate.cropMarks.reset(); return PlateItemRef{};
        case K::Frame: plate.frame.reset(); return PlateItemRef{};
        default: break;
    }
    std::size_t left = 0;
    const bool done = WithList(plate, ref, [&](auto& list, int pos) {
        if (!InList(pos, list.size())) return false;
        list.erase(list.begin() + pos);
        left = list.size();
        return true;
    });
    if (!done) return std::nullopt;
    if (left > 0) {
        Pos(ref) = std::min(Pos(ref), static_cast<int>(left) - 1);
        return ref;
    }
    if (ref.kind == K::Row || ref.kind == K::Zone) return PlateItemRef{K::Scale, ref.index};
    return PlateItemRef{};
}

std::optional<PlateItemRef> MoveItem(Plate& plate, PlateItemRef ref, int delta) {
    const bool done = WithList(plate, ref, [&](auto& list, int pos) {
        const int to = pos + delta;
        if (!InList(pos, list.size()) || !InList(to, list.size())) return false;
        std::swap(list[pos], list[to]);
        return true;
    });
    if (!done) return std::nullopt;
    Pos(ref) += delta;
    return ref;
}

}  // namespace sp
