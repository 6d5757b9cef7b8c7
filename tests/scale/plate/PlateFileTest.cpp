// The plate file: what is read, what is written back, and the sentence for
// every kind of fault.
#include <gtest/gtest.h>

#include <filesystem>

#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"
#include "support/TestDir.h"

namespace {

using sp::Plate;

// Every item kind with values off their defaults, and texts that need
// escaping.
Plate FullPlate() {
    Plate p;
    p.plate = {120.5, 80.25, 300, sp::PlatePair{60, 6.5}, 2, 0.3, 4, 5, true, 0x00F0E0D0};
    sp::PlateScale s;
    s.radius = 50.125;
    s.left = 140;
    s.right = 40.5;
    s.flatten = 0;
    s.law = "linear";
    s.from = 0;
    s.to = 1e9;
    s.major = 1e8;
    s.medium = 5e7;
    s.labels = {0, 0.1, 1e9};
    s.ticksSide = "both";
    s.tickLength = {4, 2.5, 1.25};
    s.tickWidth = {0.3, 0.2, 0.1};
    s.arcWidth = 0;
    s.numbers = "in";
    s.numberHeight = 2.4;
    s.numberGap = 0.5;
    s.font = "Liberation Sans";
    s.radial = true;
    s.decimal = "point";
    s.unit = "k\"Ω\\\n";
    s.unitHeight = 4;
    s.unitAt = sp::PlatePair{10, -2};
    s.color = 0x00123456;
    s.rows = {{0, 50, 10, "in", 0.6}, {0, 250, std::nullopt, "out", 1}};
    s.zones = {{1e8, 2e8, sp::clPlateGreen, -1, 2, "DOBRÁ", 2}};
    sp::PlateScale t;
    t.radius = 30;
    t.law = "ticks";
    t.ticks = {{140, 'M', "∞"}, {90.25, 'S', ""}, {45, 'N', "0"}};
    sp::PlateScale u;
    u.radius = 20;
    u.law = "ticks";
    u.definition = "sub/scale.txt";
    p.scales = {s, t, u};
    p.holes = {{6, 6, 3.2, 0.15}, {54, 6, 3.2, 0.1}};
    p.cutout = sp::PlateCutout{4.5, 0.2};
    p.mirrorStrip = sp::PlateMirrorStrip{27, 3, 131, 49, 0.1};
    p.cropMarks = sp::PlateCropMarks{3, 1.5, 0.2};
    p.frame = sp::PlateFrame{1.5, 0.25, sp::clPlateBlue};
    p.texts = {{10, 20, "Made \"here\"", 2.5, "DejaVu Serif", 90, "left", sp::clPlateRed}};
    p.marks = {{"class", 10, 8, 6.5, sp::clPlateRed, 1.5, true, std::nullopt, 60, ""},
               {"test-voltage", 20, 8, 8, sp::clBlack, std::nullopt, false, 2, 60, ""},
               {"inclined", 30, 8, 8, sp::clBlack, std::nullopt, false, std::nullopt, 30, ""},
               {"text", 44, 8, 5, sp::clBlack, std::nullopt, false, std::nullopt, 60, "20 kΩ/V"},
               {"moving-coil-rectifier", 58, 8, 8, sp::clBlack, std::nullopt, false, std::nullopt, 60, ""}};
    return p;
}

TEST(PlateFile, WriteThenReadGivesTheSamePlate) {
    TestDir dir;
    std::filesystem::create_directories(dir.Path("sub"));
    dir.Write("sub/scale.txt", "45,M,1\r\n90,S\r\n135,M,0\r\n");
    const Plate plate = FullPlate();
    sp::WritePlateFile(plate, dir.Path("full.scaleplate"));
    EXPECT_EQ(sp::ReadPlateFile(dir.Path("full.scaleplate")), plate);
    // And the presets, as shipped, read without a fault and come back equal.
    int presets = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SCALEPLATE_PRESETS)) {
        const Plate preset = sp::ReadPlateFile(entry.path().string());
        EXPECT_EQ(sp::ParsePlate(sp::PlateFileText(preset), entry.path().string()), preset) << entry.path();
        ++presets;
    }
    EXPECT_EQ(presets, 5);
}

TEST(PlateFile, KeysLeftOutTakeTheirDefaults) {
    const Plate p = sp::ParsePlate("format = 1\n[plate]\nwidth = 60\nheight = 47\n[[scale]]\nradius = 30\n", "p");
    EXPECT_EQ(p.plate.dpi, 600);
    EXPECT_EQ(sp::PivotOf(p.plate), (sp::PlatePair{30, 5}));
    EXPECT_EQ(p.plate.background, sp::clWhite);
    ASSERT_EQ(p.scales.size(), 1u);
    const sp::PlateScale& s = p.scales[0];
    EXPECT_EQ(s.left, 135);
    EXPECT_EQ(s.right, 45);
    EXPECT_EQ(s.law, "uniform");
    EXPECT_EQ(s.arcWidth, 0.15);
    EXPECT_EQ(s.ticksSide, "out");
    EXPECT_EQ(s.numbers, "out");
    EXPECT_EQ(s.color, sp::clBlack);
    EXPECT_FALSE(p.cropMarks);
    const Plate marks = sp::ParsePlate("format = 1\n[plate]\nwidth = 60\nheight = 47\n[crop_marks]\n", "p");
    EXPECT_EQ(marks.cropMarks, (sp::PlateCropMarks{2, 1, 0.1}));
    EXPECT_EQ(sp::MarginOf(marks), 3);  // the margin grows to hold the marks
}

TEST(PlateFile, EveryFaultIsOneSentenceWithFileLineAndKey) {
    const std::string head = "format = 1\n[plate]\nwidth = 60\nheight = 47\n";
    const struct {
        std::string text, sentence;
    } cases[] = {
        {"format = 1\n[plate\n", "Súbor \"bad.scaleplate\", riadok 2: toto nie je platný zápis TOML (stĺpec 7)."},
        {"[plate]\nwidth = 60\nheight = 47\n",
         "Súbor \"bad.scaleplate\", riadok 1, kľúč \"format\": treba format = 1 na začiatku súboru."},
        {"format = 2\n", "Súbor \"bad.scaleplate\", riadok 1, kľúč \"format\": tento program pozná len formát 1."},
        {head + "[[scale]]\nradus = 30\n",
         "Súbor \"bad.scaleplate\", riadok 6, kľúč \"scale.radus\": taký kľúč nepoznám."},
        {head + "[[scale]]\n", "Súbor \"bad.scaleplate\", riadok 5, kľúč \"scale.radius\": treba ho zadať."},
        {head + "[dial]\nx = 1\n", "Súbor \"bad.scaleplate\", riadok 5, kľúč \"dial\": takú tabuľku nepoznám."},
        {head + "[[scale]]\nradius = \"30\"\n",
         "Súbor \"bad.scaleplate\", riadok 6, kľúč \"scale.radius\": treba číslo."},
        {head + "dpi = 0\n",
         "Súbor \"bad.scaleplate\", riadok 5, kľúč \"plate.dpi\": hodnota musí byť od 1 do 4800."},
        {"format = 1\n[plate]\nwidth = 1000\nheight = 47\n",
         "Súbor \"bad.scaleplate\", riadok 3, kľúč \"plate.width\": hodnota musí byť väčšia ako 0 a najviac 999."},
        {head + "background = \"purple\"\n",
         "Súbor \"bad.scaleplate\", riadok 5, kľúč \"plate.background\": treba farbu #RRGGBB alebo black, white, "
         "red, green, blue, yellow."},
        {head + "[[scale]]\nradius = 30\nnumbers = \"over\"\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"scale.numbers\": treba jedno z: out, in, none."},
        {head + "[[scale]]\nradius = 30\nticks = [[45, \"X\"]]\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"scale.ticks\": treba zoznam dielikov [uhol, \"M\", \"číslo\"], "
         "druh M, N alebo S."},
        {head + "[[scale]]\nradius = 30\nlaw = \"log\"\nfrom = 0\nto = 100\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"scale.law\": "},
        {head + "[[scale]]\nradius = 30\nlaw = \"ticks\"\ndefinition = \"none.txt\"\n",
         "Súbor \"bad.scaleplate\", riadok 8, kľúč \"scale.definition\": definičný súbor \"none.txt\" sa nenašiel."},
        {head + "[[scale]]\nradius = 30\nlaw = \"linear\"\nfrom = 0\nto = 10\n[[scale.zone]]\nfrom = 8\nto = 12\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"scale.law\": Hodnota 12 leží mimo stupnice."},
        {head + "[[mark]]\nsymbol = \"moving-coils\"\nx = 1\ny = 2\n",
         "Súbor \"bad.scaleplate\", riadok 6, kľúč \"mark.symbol\": treba jedno z: moving-coil, moving-coil-rectifier, "
         "moving-iron, electrodynamic, thermal, dc, ac, ac-dc, class, test-voltage, vertical, horizontal, inclined, "
         "warning, text."},
        {head + "[[mark]]\nsymbol = \"class\"\nx = 1\ny = 2\n",
         "Súbor \"bad.scaleplate\", riadok 5, kľúč \"mark.class\": treba ho zadať."},
        {head + "[[mark]]\nsymbol = \"class\"\nx = 1\ny = 2\nclass = 1.4\n",
         "Súbor \"bad.scaleplate\", riadok 9, kľúč \"mark.class\": Trieda presnosti musí byť 0.1, 0.2, 0.5, 1, 1.5, "
         "2.5 alebo 5."},
        {head + "[[mark]]\nsymbol = \"test-voltage\"\nkv = 4\nx = 1\ny = 2\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"mark.kv\": Skúšobné napätie značky musí byť 0, 2, 3 alebo 5 kV."},
        {head + "[[mark]]\nsymbol = \"inclined\"\nangle = 30.5\nx = 1\ny = 2\n",
         "Súbor \"bad.scaleplate\", riadok 7, kľúč \"mark.angle\": Uhol značky musí byť celé číslo od 1 do 89 "
         "stupňov."},
        {head + "[[mark]]\nsymbol = \"text\"\nx = 1\ny = 2\n",
         "Súbor \"bad.scaleplate\", riadok 5, kľúč \"mark.text\": Text značky je prázdny."},
        {head + "[[hole]]\nx = 1\ny = 2\ndiameter = -3\n",
         "Súbor \"bad.scaleplate\", riadok 8, kľúč \"hole.diameter\": hodnota musí byť väčšia ako 0 a najviac 999."},
    };
    for (const auto& c : cases) {
        try {
            sp::ParsePlate(c.text, "bad.scaleplate");
            ADD_FAILURE() << "read without a fault:\n" << c.text;
        } catch (const sp::EPlateInput& e) {
            // A law's refusal is the generator's own sentence after the place.
            EXPECT_EQ(std::string(e.what()).substr(0, c.sentence.size()), c.sentence) << c.text;
            EXPECT_EQ(std::string(e.what()).back(), '.');
        }
    }
}

}  // namespace
