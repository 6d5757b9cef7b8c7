#include "scale/sheet/SheetLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "base/Procs.h"

namespace sp {

namespace {

// Room kept between a bar and the marks of a plate or the other bar.
constexpr double kBarClearance = 2;

// "66" or "66,5": millimetres as the messages show them.
std::string MmText(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", mm);
    std::string s = text;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// "1 doska", "3 dosky", "12 dosiek".
std::string PlatesText(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " doska" : n >= 2 && n <= 4 ? " dosky" : " dosiek");
}

std::string PageText(const SheetOptions& o) {
    return "papier " + UpperAscii(o.paper) + (o.landscape ? " na šírku" : " na výšku");
}

// The nominal area the copies and bars must stay inside.
struct Area {
    double left, top, right, bottom;
};

bool Overlaps(const SheetRect& a, const SheetRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// A copy with its marks at full reach, grown by `more`: what a bar keeps clear of.
SheetRect Occupied(const SheetCopy& c, double reach, double more) {
    const double r = reach + more;
    return {c.x - r, c.y - r, c.width + 2 * r, c.height + 2 * r};
}

// Rows from the top-left corner, `gap` apart; false when a copy does not fit.
bool PlaceRows(const std::vector<SheetItem>& items, const std::vector<std::size_t>& order, double gap,
               const Area& a, std::vector<SheetCopy>& copies) {
    copies.clear();
    std::vector<std::size_t> rowStart{0};
    double x = 0, y = 0, rowHeight = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const SheetItem& it = items[order[k]];
        const double reach = it.markOffset + it.markLength;
        if (k == 0) {
            x = a.left + reach, y = a.top + reach;
        } else if (x + gap + it.width + reach > a.right) {
            y += rowHeight + gap, x = a.left + reach, rowHeight = 0;
            rowStart.push_back(k);
        } else {
            x += gap;
        }
        if (x + it.width + reach > a.right || y + it.height + reach > a.bottom) return false;
        copies.push_back({order[k], x, y, it.width, it.height, {reach, reach, reach, reach}});
        x += it.width;
        rowHeight = std::max(rowHeight, it.height);
    }
    // Marks that point at a neighbour end in the middle of the gap.
    rowStart.push_back(copies.size());
    for (std::size_t r = 0; r + 1 < rowStart.size(); ++r)
        for (std::size_t k = rowStart[r]; k < rowStart[r + 1]; ++k) {
            double* reach = copies[k].reach;
            if (k > rowStart[r]) reach[0] = std::min(reach[0], gap / 2);
            if (r > 0) reach[1] = std::min(reach[1], gap / 2);
            if (k + 1 < rowStart[r + 1]) reach[2] = std::min(reach[2], gap / 2);
            if (r + 2 < rowStart.size()) reach[3] = std::min(reach[3], gap / 2);
        }
    return true;
}

// The first free place for a box of `w` x `h`: as low as it goes, then as
// far left (or with `fromRight` as far right) as it goes. A lowest place
// touches the area's edge or a taken box on each of two sides, so only those
// positions are tried.
std::optional<SheetRect> FreePlace(double w, double h, bool fromRight, const Area& a,
                                   const std::vector<SheetRect>& taken) {
    std::vector<double> xs{a.left, a.right - w}, ys{a.bottom - h};
    for (const SheetRect& t : taken) {
        xs.push_back(t.x + t.width), xs.push_back(t.x - w);
        ys.push_back(t.y - h), ys.push_back(t.y + t.height);
    }
    std::sort(ys.begin(), ys.end(), std::greater<>());
    std::sort(xs.begin(), xs.end());
    if (fromRight) std::reverse(xs.begin(), xs.end());
    for (double y : ys) {
        if (y < a.top || y + h > a.bottom) continue;
        for (double x : xs) {
            if (x < a.left || x + w > a.right) continue;
            const SheetRect box{x, y, w, h};
            if (std::none_of(taken.begin(), taken.end(), [&](const SheetRect& t) { return Overlaps(box, t); }))
                return box;
        }
    }
    return std::nullopt;
}

// The copies and both bars, or false.
bool Place(const std::vector<SheetItem>& items, const std::vector<std::size_t>& order, const SheetOptions& o,
           const Area& a, SheetLayout& l) {
    if (!PlaceRows(items, order, o.gap, a, l.copies)) return false;
    std::vector<SheetRect> taken;
    for (const SheetCopy& c : l.copies) {
        const SheetItem& it = items[c.item];
        taken.push_back(Occupied(c, it.markOffset + it.markLength, kBarClearance));
    }
    const auto across = FreePlace(kBarLong + kBarClearance, kBarDepth, false, a, taken);
    if (!across) return false;
    l.across = {across->x, across->y, kBarLong, kBarDepth};
    taken.push_back(*across);
    const auto up = FreePlace(kBarDepth, kBarShort + kBarClearance, true, a, taken);
    if (!up) return false;
    l.up = {up->x, up->y + kBarClearance, kBarDepth, kBarShort};
    return true;
}

}  // namespace

const std::vector<Paper>& Papers() {
    static const std::vector<Paper> papers{
        {"A4", 210, 297}, {"A5", 148, 210}, {"A3", 297, 420}, {"Letter", 215.9, 279.4}};
    return papers;
}

std::optional<Paper> FindPaper(const std::string& name) {
    for (const Paper& p : Papers())
        if (UpperAscii(p.name) == UpperAscii(name)) return p;
    return std::nullopt;
}

std::optional<std::string> CheckSheetOptions(const SheetOptions& o) {
    if (!FindPaper(o.paper)) return "Papier \"" + o.paper + "\" nepoznám; možnosti sú A4, A5, A3 a Letter.";
    if (o.copies < 1 || o.copies > kMaxCopies)
        return "Počet kópií musí byť celé číslo od 1 do " + std::to_string(kMaxCopies) + ".";
    if (!(o.gap >= 0 && o.gap <= kMaxGap)) return "Medzera medzi doskami musí byť od 0 do 100 mm.";
    for (double f : {o.scaleX, o.scaleY})
        if (!(f >= kMinFactor && f <= kMaxFactor)) return "Korekcia tlačiarne musí byť od 0,9 do 1,1.";
    return std::nullopt;
}

std::optional<std::string> LayOutSheet(const std::vector<SheetItem>& items, const SheetOptions& o,
                                       SheetLayout& layout) {
    if (auto problem = CheckSheetOptions(o)) return problem;
    const Paper paper = *FindPaper(o.paper);
    SheetLayout l;
    l.pageWidth = o.landscape ? paper.height : paper.width;
    l.pageHeight = o.landscape ? paper.width : paper.height;
    l.scaleX = o.scaleX, l.scaleY = o.scaleY;
    const Area a{kPageMargin / o.scaleX, kPageMargin / o.scaleY, (l.pageWidth - kPageMargin) / o.scaleX,
                 (l.pageHeight - kPageMargin) / o.scaleY};
    for (const SheetItem& it : items) {
        const double reach = it.markOffset + it.markLength;
        if (it.width + 2 * reach > a.right - a.left || it.height + 2 * reach > a.bottom - a.top)
            return "Doska " + MmText(it.width) + " × " + MmText(it.height) + " mm sa s orezovými značkami na " +
                   PageText(o) + " nezmestí. Tlačí sa vždy v skutočnej veľkosti, nikdy zmenšená: zvoľte väčší " +
                   "papier alebo inú orientáciu.";
    }
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::int32_t k = 0; k < o.copies; ++k) order.push_back(i);
    if (Place(items, order, o, a, l)) {
        layout = std::move(l);
        return std::nullopt;
    }
    // How many would fit, for the sentence: the most copies that still place.
    std::size_t lo = 0, hi = order.size() - 1;
    while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (Place(items, std::vector<std::size_t>(order.begin(), order.begin() + mid), o, a, l))
            lo = mid;
        else
            hi = mid - 1;
    }
    const std::size_t fit = lo + 1;
    if (fit <= 1)
        return "Na " + PageText(o) + " sa vedľa dosky nezmestia kontrolné mierky 100 mm a 50 mm: zvoľte väčší " +
               "papier alebo inú orientáciu.";
    const std::size_t n = fit - 1;
    return "Na " + PageText(o) + " sa s kontrolnými mierkami " + (n >= 2 && n <= 4 ? "zmestia" : "zmestí") +
           " najviac " + PlatesText(n) + ", nie " + std::to_string(order.size()) + ".";
}

}  // namespace sp
