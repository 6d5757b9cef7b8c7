// Where a sheet puts its copies and bars: inside the printable page after
// the printer's factors, apart by the gap, the bars clear of every plate;
// and the sentences of the sheets that cannot be.
#include <gtest/gtest.h>

#include "scale/sheet/SheetLayout.h"

namespace {

using sp::SheetCopy;
using sp::SheetItem;
using sp::SheetOptions;
using sp::SheetRect;

struct Case {
    const char* paper;
    bool landscape;
    int copies;
    double gap, scaleX, scaleY;
    std::vector<SheetItem> items;
};

SheetOptions O(const char* paper, bool landscape, int copies, double gap, double sx, double sy) {
    SheetOptions o;
    o.paper = paper, o.landscape = landscape, o.copies = copies, o.gap = gap, o.scaleX = sx, o.scaleY = sy;
    return o;
}

bool Apart(const SheetRect& a, const SheetRect& b, double by) {
    return a.x + a.width + by <= b.x + 1e-9 || b.x + b.width + by <= a.x + 1e-9 ||
           a.y + a.height + by <= b.y + 1e-9 || b.y + b.height + by <= a.y + 1e-9;
}

// The page's printable area on paper, in nominal millimetres.
void ExpectOnPage(const SheetRect& r, const sp::SheetLayout& l) {
    EXPECT_GE(r.x * l.scaleX, sp::kPageMargin - 1e-9);
    EXPECT_GE(r.y * l.scaleY, sp::kPageMargin - 1e-9);
    EXPECT_LE((r.x + r.width) * l.scaleX, l.pageWidth - sp::kPageMargin + 1e-9);
    EXPECT_LE((r.y + r.height) * l.scaleY, l.pageHeight - sp::kPageMargin + 1e-9);
}

TEST(SheetLayout, CopiesAndBarsStayOnThePageApartAndClearOfEachOther) {
    const std::vector<Case> cases{
        {"A4", false, 1, 6, 1, 1, {{60, 40}}},
        {"A4", false, 10, 6, 1.006, 0.994, {{60, 40}}},
        {"A4", true, 6, 0, 1, 1, {{80, 50, 1, 4}}},
        {"A5", false, 2, 3, 1.1, 1.1, {{100, 60, 0.5, 2}}},
        {"A3", true, 3, 10, 0.9, 1.05, {{120, 90}, {40, 30}}},
        {"Letter", false, 20, 2, 1, 1, {{30, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.paper) + " copies " + std::to_string(c.copies));
        sp::SheetLayout l;
        const SheetOptions o = O(c.paper, c.landscape, c.copies, c.gap, c.scaleX, c.scaleY);
        ASSERT_EQ(sp::LayOutSheet(c.items, o, l), std::nullopt);
        const sp::Paper paper = *sp::FindPaper(c.paper);
        EXPECT_EQ(l.pageWidth, c.landscape ? paper.height : paper.width);
        EXPECT_EQ(l.pageHeight, c.landscape ? paper.width : paper.height);
        ASSERT_EQ(l.copies.size(), c.items.size() * c.copies);
        std::vector<SheetRect> withMarks;
        for (const SheetCopy& k : l.copies) {
            const SheetItem& it = c.items[k.item];
            EXPECT_EQ(k.width, it.width);  // never shrunk
            EXPECT_EQ(k.height, it.height);
            const double r = it.markOffset + it.markLength;
            withMarks.push_back({k.x - r, k.y - r, k.width + 2 * r, k.height + 2 * r});
            ExpectOnPage(withMarks.back(), l);
        }
        for (std::size_t i = 0; i < l.copies.size(); ++i)
            for (std::size_t j = i + 1; j < l.copies.size(); ++j) {
                const SheetCopy &a = l.copies[i], &b = l.copies[j];
                EXPECT_TRUE(Apart({a.x, a.y, a.width, a.height}, {b.x, b.y, b.width, b.height}, c.gap)) << i << " " << j;
                // The marks of neighbours meet at most in the middle of the gap.
                for (const SheetCopy* k : {&a, &b}) {
                    const SheetCopy& other = k == &a ? b : a;
                    const SheetRect reach{k->x - k->reach[0], k->y - k->reach[1],
                                          k->width + k->reach[0] + k->reach[2], k->height + k->reach[1] + k->reach[3]};
                    EXPECT_TRUE(Apart(reach, {other.x, other.y, other.width, other.height}, c.gap / 2 - 1e-9));
                }
            }
        for (const SheetRect& bar : {l.across, l.up}) {
            ExpectOnPage(bar, l);
            for (const SheetRect& m : withMarks) EXPECT_TRUE(Apart(bar, m, 0));
        }
        EXPECT_EQ(l.across.width, 100);
        EXPECT_EQ(l.up.height, 50);
        EXPECT_TRUE(Apart(l.across, l.up, 0));
    }
}

TEST(SheetLayout, ASheetThatCannotHoldThePlateSaysSoAndNeverShrinksIt) {
    struct Refusal {
        SheetOptions options;
        SheetItem item;
        std::string sentence;
    };
    const std::vector<Refusal> refusals{
        {O("A4", false, 1, 6, 1, 1), {200, 100},
         "Doska 200 × 100 mm sa s orezovými značkami na papier A4 na výšku nezmestí. Tlačí sa vždy v skutočnej "
         "veľkosti, nikdy zmenšená: zvoľte väčší papier alebo inú orientáciu."},
        // 180 mm fits A4 across at 1.000 but not once the printer's 1.05 makes it 189 mm plus marks.
        {O("A4", false, 1, 6, 1.05, 1), {180, 50},
         "Doska 180 × 50 mm sa s orezovými značkami na papier A4 na výšku nezmestí. Tlačí sa vždy v skutočnej "
         "veľkosti, nikdy zmenšená: zvoľte väčší papier alebo inú orientáciu."},
        {O("A5", true, 1, 6, 1, 1), {175, 100},
         "Na papier A5 na šírku sa vedľa dosky nezmestia kontrolné mierky 100 mm a 50 mm: zvoľte väčší papier "
         "alebo inú orientáciu."},
        {O("A4", false, 40, 6, 1, 1), {60, 40},
         "Na papier A4 na výšku sa s kontrolnými mierkami zmestí najviac 10 dosiek, nie 40."},
        {O("B5", false, 1, 6, 1, 1), {60, 40}, "Papier \"B5\" nepoznám; možnosti sú A4, A5, A3 a Letter."},
        {O("A4", false, 1, 6, 1, 1.2), {60, 40}, "Korekcia tlačiarne musí byť od 0,9 do 1,1."},
        {O("A4", false, 0, 6, 1, 1), {60, 40}, "Počet kópií musí byť celé číslo od 1 do 200."},
    };
    for (const Refusal& r : refusals) {
        sp::SheetLayout l;
        l.pageWidth = -1;
        EXPECT_EQ(sp::LayOutSheet({r.item}, r.options, l), r.sentence);
        EXPECT_EQ(l.pageWidth, -1);  // left as it was
    }
}

}  // namespace
