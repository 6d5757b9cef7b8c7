// The plate designer as a meter maker uses it: a preset opened, a radius
// typed, undone and redone, a zone added and deleted, the question before
// unsaved changes are lost, the plate saved and opened again, a picture
// exported in each format, and the designer reached from the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/plate/PlateKeys.h"
#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"
#include "ui/plate/PlateDesigner.h"
#include "ui/plate/PlateProperties.h"
#include "ui/support/UiApp.h"

using namespace sp;

namespace {

const std::string Presets = SCALEPLATE_PRESETS;

std::string PresetPath(const std::string& name) { return Presets + "/" + name + ".scaleplate"; }

struct Designer {
    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<PlateDesigner> window;

    Designer() { Start(); }
    void Start() {
        window = std::make_unique<PlateDesigner>(dir.Path("scaleplate.ini"), Presets, dialogs);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QString PathQ(const std::string& name) const { return QString::fromStdString(dir.Path(name)); }
    QAction* Action(const char* name) const { return Find<QAction>(window.get(), name); }
    QTreeWidget* Tree() const { return Find<QTreeWidget>(window.get(), "tvItems"); }
    // "Nová..." with the preset `name` chosen from the offered list.
    void NewFromPreset(const std::string& name) {
        dialogs.chooseAnswers.push_back(std::nullopt);
        Action("actNew")->trigger();
        const QStringList offered = dialogs.choices.back();
        const auto at = offered.indexOf("Predloha: " + QString::fromStdString(name));
        ASSERT_GE(at, 0) << offered.join(", ").toStdString();
        dialogs.chooseAnswers.push_back(static_cast<int>(at));
        Action("actNew")->trigger();
    }
    // The item whose title starts with `title` ("Stupnica 1" for "Stupnica 1 (mA)").
    void Select(const QString& title) {
        const auto found = Tree()->findItems(title, Qt::MatchStartsWith | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << title.toStdString();
        Tree()->setCurrentItem(found.first());
    }
    QLineEdit* Field(const char* key) const {
        return Find<QLineEdit>(window.get(), (std::string("prop_") + key).c_str());
    }
    // Ctrl+S into `name` (asked for while the plate has no file yet).
    std::string SaveAs(const std::string& name) {
        dialogs.fileAnswers.push_back(PathQ(name));
        Action("actSaveAs")->trigger();
        return dir.Read(name);
    }
    std::string Save(const std::string& name) {
        Action("actSave")->trigger();
        return dir.Read(name);
    }
    void Settle() {
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->PreviewBusy(); }, 20000));
        QCoreApplication::processEvents();
    }
};

Plate WithRadius(Plate p, double r) {
    p.scales.at(0).radius = r;
    return p;
}

}  // namespace

// Typing "40" is one command; the file written after each step is the
// plate of that step.
TEST(Designer, RadiusTypedUndoneAndRedone) {
    Designer d;
    d.NewFromPreset("multimeter");
    const Plate preset = ReadPlateFile(PresetPath("multimeter"));
    ASSERT_EQ(d.window->CurrentPlate(), preset);
    EXPECT_TRUE(d.window->windowTitle().startsWith("Nová doska[*]"));
    d.Select("Stupnica 1 (Ω)");
    Type(d.Field("radius"), "40");
    EXPECT_TRUE(d.window->isWindowModified());
    EXPECT_EQ(d.Action("actUndo")->text(), "&Späť Zmena – Polomer");
    const std::string edited = PlateFileText(WithRadius(preset, 40));
    EXPECT_EQ(d.SaveAs("dial.scaleplate"), edited);
    EXPECT_FALSE(d.window->isWindowModified());
    EXPECT_EQ(d.window->windowTitle().left(21), "dial.scaleplate[*] – ");

    d.Action("actUndo")->trigger();  // the whole word, not its last letter
    EXPECT_EQ(d.Field("radius")->text(), QString::fromStdString(ValueTextOf(preset.scales[0].radius)).replace('.', ','));
    EXPECT_TRUE(d.window->isWindowModified());
    EXPECT_EQ(d.Save("dial.scaleplate"), PlateFileText(preset));
    QTest::keyClick(d.window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(d.Save("dial.scaleplate"), edited);

    Type(d.Field("radius"), "0");  // refused by the key's range: no command, the field marked
    EXPECT_EQ(d.window->CurrentPlate(), WithRadius(preset, 40));
    EXPECT_FALSE(d.Field("radius")->toolTip().isEmpty());
}

TEST(Designer, ZoneAddedAndDeleted) {
    Designer d;
    d.NewFromPreset("vu-meter");
    const Plate preset = d.window->CurrentPlate();
    const std::size_t zones = preset.scales.at(0).zones.size();
    ASSERT_GT(zones, 0u);
    d.Select("Stupnica 1");
    Find<QMenu>(d.window.get(), "mnuAdd")->actions().at(2)->trigger();  // Zóna
    const Plate added = d.window->CurrentPlate();
    ASSERT_EQ(added.scales[0].zones.size(), zones + 1);
    const QString title = QString("Zóna %1").arg(zones + 1);
    EXPECT_EQ(d.Tree()->currentItem()->text(0), title);
    d.Settle();
    EXPECT_FALSE(Find<QLabel>(d.window.get(), "lblPreviewMessage")->isVisible());  // the new zone draws

    d.Tree()->setFocus();
    QTest::keyClick(d.Tree(), Qt::Key_Delete);
    EXPECT_EQ(d.window->CurrentPlate(), preset);
    EXPECT_EQ(d.Tree()->currentItem()->text(0), QString("Zóna %1").arg(zones));  // the one before it
    d.Action("actUndo")->trigger();
    EXPECT_EQ(d.window->CurrentPlate(), added);
}

// Cancel keeps everything; Discard goes on and writes nothing; Save writes
// the file, then goes on.
TEST(Designer, AsksBeforeUnsavedChangesAreLost) {
    struct Row {
        Dialogs::SaveAnswer answer;
        const char* action;
        bool goesOn;
        bool written;
    };
    const Row rows[] = {{Dialogs::SaveAnswer::Cancel, "actClose", false, false},
                        {Dialogs::SaveAnswer::Discard, "actClose", true, false},
                        {Dialogs::SaveAnswer::Save, "actClose", true, true},
                        {Dialogs::SaveAnswer::Cancel, "actOpen", false, false},
                        {Dialogs::SaveAnswer::Save, "actNew", true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.action) + " " + std::to_string(static_cast<int>(row.answer)));
        Designer d;
        ASSERT_TRUE(d.window->OpenFile(QString::fromStdString(PresetPath("s-meter"))));
        d.SaveAs("plate.scaleplate");
        const std::string before = d.dir.Read("plate.scaleplate");
        d.Select("Stupnica 1");
        Type(d.Field("radius"), "33");
        const Plate edited = d.window->CurrentPlate();
        d.dialogs.saveAnswers = {row.answer};
        d.dialogs.chooseAnswers = {0};  // New: the empty plate
        d.Action(row.action)->trigger();
        ASSERT_FALSE(d.dialogs.shown.empty());
        EXPECT_EQ(d.dialogs.shown.back().kind, 'S');
        EXPECT_EQ(d.dialogs.shown.back().text, "Uložiť zmeny v doske?");
        const bool wentOn = row.action == std::string("actClose") ? !d.window->isVisible()
                                                                   : d.window->CurrentPlate() != edited;
        EXPECT_EQ(wentOn, row.goesOn);
        EXPECT_EQ(d.dir.Read("plate.scaleplate"), row.written ? PlateFileText(edited) : before);
    }
}

// The same plate comes back, the file is in the recent files, and the
// designer's section is the only change to the settings file.
TEST(Designer, SavedPlateOpensAgainTheSame) {
    Designer d;
    const std::string older = "[Numbers]\r\nFont=DejaVu Sans\r\n";
    d.dir.Write("scaleplate.ini", older);
    d.Start();
    d.NewFromPreset("panel-meter-1ma");
    d.Select("Otvor 2");
    Type(d.Field("diameter"), "2,5");
    d.Select("Stupnica 1 (mA)");
    Type(d.Field("unit"), "µA");
    Find<QMenu>(d.window.get(), "mnuAdd")->actions().at(4)->trigger();  // Text
    Type(d.Field("text"), "Trieda 1,5");
    EXPECT_EQ(d.Tree()->currentItem()->text(0), "Text „Trieda 1,5“");  // renamed as it is typed
    const std::size_t marks = d.window->CurrentPlate().marks.size();
    Find<QMenu>(d.window.get(), "mnuAdd")->actions().at(5)->trigger();  // Značka
    EXPECT_EQ(d.Tree()->currentItem()->text(0), QString("Značka %1").arg(marks + 1));
    auto* symbol = Find<QComboBox>(d.window.get(), "prop_symbol");
    symbol->setCurrentIndex(symbol->findData("ac"));
    const Plate built = d.window->CurrentPlate();
    ASSERT_EQ(built.marks.size(), marks + 1);
    EXPECT_EQ(built.marks.back().symbol, "ac");
    EXPECT_NE(d.SaveAs("meter.scaleplate").find("[[mark]]\nsymbol = \"ac\""), std::string::npos);
    d.window->close();
    EXPECT_EQ(d.dir.Read("scaleplate.ini").rfind(older, 0), 0u);
    EXPECT_NE(d.dir.Read("scaleplate.ini").find("[Designer]"), std::string::npos);

    d.Start();
    EXPECT_EQ(d.window->RecentFiles().value(0), d.PathQ("meter.scaleplate"));
    d.Action("actRecent1")->trigger();
    EXPECT_EQ(d.window->CurrentPlate(), built);
    EXPECT_EQ(d.window->CurrentPlate().holes.at(1).diameter, 2.5);
    EXPECT_FALSE(d.window->isWindowModified());
}

// Each type of the dialog writes its format: the file the plate draws.
TEST(Designer, ExportsEachFormat) {
    Designer d;
    ASSERT_TRUE(d.window->OpenFile(QString::fromStdString(PresetPath("battery-tester"))));
    const struct {
        const char* type;
        OutputFormat format;
        const char* name;
    } rows[] = {{"PNG (*.png)", OutputFormat::Png, "a.png"},
                {"SVG (*.svg)", OutputFormat::Svg, "a.svg"},
                {"PDF (*.pdf)", OutputFormat::Pdf, "a.pdf"},
                {"Bitmaps (*.bmp)", OutputFormat::Bmp, "a.bmp"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        d.dialogs.fileAnswers.push_back(d.PathQ(row.name));
        d.dialogs.filterAnswers.push_back(row.type);
        d.Action("actExport")->trigger();
        WritePlatePicture(d.window->CurrentPlate(), Presets, row.format, d.dir.Path(std::string("ref-") + row.name));
        const std::string written = d.dir.Read(row.name);
        ASSERT_FALSE(written.empty());
        EXPECT_TRUE(written == d.dir.Read(std::string("ref-") + row.name));
    }
    EXPECT_EQ(d.Action("actExport")->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_EQ(d.dialogs.fileDialogs.front().title, "Exportovať obrázok:");
    EXPECT_EQ(d.dialogs.fileDialogs.front().selectedFilter, "PNG (*.png)");  // offered first
}

// Every key of the file has its label, and every property's text sets the
// value it shows: the panel can set each key of each preset as it is.
TEST(Designer, EveryPropertyReadsBackWhatItShows) {
    for (const char* name : {"multimeter", "vu-meter", "s-meter", "battery-tester", "panel-meter-1ma"}) {
        SCOPED_TRACE(name);
        const Plate preset = ReadPlateFile(PresetPath(name));
        for (const PlateItemRef& ref : ItemsOf(preset))
            for (const PlateProperty& p : PropertiesOf(ref)) {
                SCOPED_TRACE(p.key);
                EXPECT_FALSE(p.label.isEmpty());
                Plate copy = preset;
                const QString shown = p.text(preset);
                EXPECT_EQ(p.set(copy, shown), std::nullopt) << shown.toStdString();
                EXPECT_EQ(copy, preset) << shown.toStdString();
            }
    }
}

// "Doska..." opens the designer with the plate of the window's scale.
TEST(Designer, ReachedFromTheMainWindowWithItsScale) {
    App a;
    Type(a.Masked("medtRadius"), "33");
    ScaleParameters params = a.Session().Params;
    FormFields fields = a.form->Fields();
    Plate expected;
    ASSERT_EQ(WindowPlate(params, fields, {}, false, expected), std::nullopt);
    a.Button("btnPlate")->click();
    auto* designer = a.form->findChild<PlateDesigner*>("PlateDesigner");
    ASSERT_NE(designer, nullptr);
    EXPECT_TRUE(designer->isVisible());
    EXPECT_EQ(designer->CurrentPlate(), expected);
    EXPECT_EQ(designer->CurrentPlate().scales.at(0).radius, 33);
}
