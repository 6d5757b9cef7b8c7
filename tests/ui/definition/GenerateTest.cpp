// "Generovať..." in the definition editor: a scale described in values,
// typed into the dialog, shown on its sketch of the arc, and put into the
// editor's grid, driven through the widgets as a user drives them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>

#include "scale/generator/DefinitionGenerator.h"
#include "ui/support/UiApp.h"

using namespace sp;

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct GenerateDialog {
    QDialog* d;
    QWidget* Ticks() const { return Find<QWidget>(d, "pnlTicks"); }
    QString Message() const { return Find<QLabel>(d, "lblMessage")->text(); }
    bool OkEnabled() const { return Button(d, "btnOk")->isEnabled(); }
    void Law(const char* name) const {
        auto* law = Find<QComboBox>(d, "cmbLaw");
        const int i = law->findData(QString(name));
        ASSERT_GE(i, 0) << name;
        law->setCurrentIndex(i);
    }
    void Set(const char* field, const char* text) const { Type(Edit(d, field), text); }
    QImage Picture() const { return Ticks()->grab().toImage(); }
};

// The editor's rows as definition lines, "angle,kind[,label]".
std::vector<std::string> GridLines(const App& a) {
    std::vector<std::string> lines;
    for (int r = 0; r < DefinitionEditor::Rows && !a.Cell(r, 0).empty(); ++r) {
        std::string line = a.Cell(r, 0) + "," + a.Cell(r, 1);
        if (!a.Cell(r, 2).empty()) line += "," + a.Cell(r, 2);
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Generated(const std::string& text) {
    ScaleDescription desc;
    ParseScaleDescription(text, desc);
    return GenerateDefinition(desc);
}

// Runs `script` on the generate dialog, opened by the editor's button; the
// dialog is shown so that it paints.
void RunGenerate(App& a, const std::function<bool(GenerateDialog&)>& script) {
    a.dialogs.modal = [&script](QDialog* d) {
        EXPECT_EQ(d->objectName(), "GenerateDialog");
        d->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(d));
        GenerateDialog g{d};
        const bool ok = script(g);
        d->hide();
        return ok;
    };
    Button(a.editor.get(), "btnGenerate")->click();
    a.dialogs.modal = nullptr;  // it refers to `script`
}

}  // namespace

TEST(GenerateDialog, TypingRedrawsTheSketchAndConfirmingFillsTheGrid) {
    App a;
    a.SetCell(200, "7", "M");  // an earlier row: the generated scale replaces the grid
    RunGenerate(a, [](GenerateDialog& g) {
        EXPECT_EQ(g.Message(), "");
        EXPECT_TRUE(g.OkEnabled());
        const QImage ten = g.Picture();
        PaintCounter counter;
        g.Ticks()->installEventFilter(&counter);
        g.Set("edtTo", "20");
        QTest::qWait(50);
        EXPECT_GT(counter.paints, 0);  // redrawn by the typing alone
        EXPECT_NE(g.Picture(), ten);
        g.Set("edtTo", "10");
        EXPECT_EQ(g.Picture(), ten);
        g.Set("edtTo", "20");
        g.Ticks()->removeEventFilter(&counter);
        Button(g.d, "btnOk")->click();
        return g.d->result() == QDialog::Accepted;
    });
    // The first-run arc: 135 to 45 degrees, radius 15 mm.
    const std::vector<std::string> lines = GridLines(a);
    EXPECT_EQ(lines, Generated("law=linear\nfrom=0\nto=20\nleft=135\nright=45\nradius=15\n"));
    EXPECT_EQ(a.Cell(200, 0), "");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "135.0000,M,0");
    EXPECT_EQ(lines.back(), "45.0000,M,20");
    // 10, the middle value, straight up.
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("90.0000,", 0) == 0; }),
              lines.end());

    // The next opening shows the values typed before; Cancel keeps the grid.
    a.SetCell(0, "1", "S");
    RunGenerate(a, [](GenerateDialog& g) {
        EXPECT_EQ(Edit(g.d, "edtTo")->text(), "20");
        Button(g.d, "btnCancel")->click();
        return g.d->result() == QDialog::Accepted;
    });
    EXPECT_EQ(a.Cell(0, 0), "1");
}

TEST(GenerateDialog, RefusalShowsItsSentenceAndDisablesOk) {
    App a;
    a.SetCell(0, "45", "M");
    RunGenerate(a, [](GenerateDialog& g) {
        const QImage good = g.Picture();
        g.Law("log");
        EXPECT_EQ(g.Message(), "Logaritmická stupnica nemôže obsahovať nulu ani záporné hodnoty.");
        EXPECT_FALSE(g.OkEnabled());
        EXPECT_NE(g.Picture(), good);  // the last ticks greyed
        g.Set("edtFrom", "1");
        g.Set("edtTo", "100");
        EXPECT_EQ(g.Message(), "");
        EXPECT_TRUE(g.OkEnabled());
        g.Set("edtFrom", "x");
        EXPECT_EQ(g.Message(), "Údaj začiatok stupnice 'x' nie je číslo.");
        EXPECT_FALSE(g.OkEnabled());
        g.Law("linear");
        g.Set("edtFrom", "0");
        g.Set("edtTo", "300");
        g.Set("edtMinor", "1");  // 301 ticks: more than the grid holds
        EXPECT_EQ(g.Message(), "Stupnica má 301 dielikov, do tabuľky sa ich zmestí najviac 255.");
        EXPECT_FALSE(g.OkEnabled());
        g.Set("edtMinor", "0");
        EXPECT_EQ(g.Message(), "Údaj krok malých dielikov musí byť väčší ako 0.");
        // Esc leaves the dialog; nothing reaches the grid.
        QTest::keyClick(g.d, Qt::Key_Escape);
        return g.d->result() == QDialog::Accepted;
    });
    EXPECT_EQ(GridLines(a), std::vector<std::string>{"45,M"});
}

// The edges of what the dialog takes: exactly as many ticks as the grid has
// rows; a calibration row with one cell typed is refused, not left out; the
// centre value is typed for both ohmmeter laws and no other.
TEST(GenerateDialog, GridLimitHalfRowsAndTheCentreField) {
    App a;
    RunGenerate(a, [](GenerateDialog& g) {
        g.Set("edtTo", "254");
        g.Set("edtMajor", "10");
        g.Set("edtMinor", "1");
        EXPECT_EQ(g.Message(), "");
        EXPECT_TRUE(g.OkEnabled());
        g.Set("edtTo", "255");
        EXPECT_EQ(g.Message(), "Stupnica má 256 dielikov, do tabuľky sa ich zmestí najviac 255.");
        for (const char* law : {"linear", "power", "log", "db", "ohm-series", "ohm-shunt", "points"}) {
            g.Law(law);
            EXPECT_EQ(Edit(g.d, "edtCenter")->isEnabled(), std::string(law).starts_with("ohm-")) << law;
        }
        g.Set("edtTo", "10");
        g.Set("edtMajor", "");
        g.Set("edtMinor", "");
        auto* points = Find<QTableWidget>(g.d, "sgrdPoints");
        const char* cells[][2] = {{"0", "135"}, {"5", "90"}, {"10", "45"}, {"7", ""}};
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 2; ++c) points->setItem(r, c, new QTableWidgetItem(cells[r][c]));
        EXPECT_EQ(g.Message(), "Kalibračný bod '7:' nemá tvar HODNOTA:UHOL.");
        EXPECT_FALSE(g.OkEnabled());
        points->item(3, 0)->setText("");
        EXPECT_EQ(g.Message(), "");
        EXPECT_TRUE(g.OkEnabled());
        QTest::keyClick(g.d, Qt::Key_Escape);
        return false;
    });
}

// The calibration table and the main window's arc: the rows typed into the
// table, the angles typed into the window, through to the saved file.
TEST(GenerateDialog, CalibratedScaleOnTheWindowsArcIsSavedAsGenerated) {
    App a;
    Type(a.Edit("edtLAngle"), "150");
    Type(a.Edit("edtRAngle"), "30");
    Type(a.Masked("medtRadius"), "40");  // the chosen steps depend on it
    ASSERT_EQ(a.form->Fields().radius, "40");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = [&a](QDialog* d) {
        if (d->objectName() == "GenerateDialog") {
            GenerateDialog g{d};
            EXPECT_TRUE(Find<QLabel>(d, "lblArc")->text().contains("150"));
            g.Law("points");
            EXPECT_EQ(g.Message(), "Chýba údaj kalibračné body.");
            auto* points = Find<QTableWidget>(d, "sgrdPoints");
            const char* cells[][2] = {{"0", "150"}, {"2", "121,5"}, {"5", "96"}, {"10", "30"}};
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 2; ++c) points->setItem(r, c, new QTableWidgetItem(cells[r][c]));
            g.Set("edtMajor", "2");
            EXPECT_EQ(g.Message(), "");
            points->item(2, 1)->setText("125");  // the angles turn back: refused
            EXPECT_EQ(g.Message(), "Uhly kalibračných bodov musia rásť alebo klesať spolu s hodnotami, bez opakovania.");
            points->item(2, 1)->setText("96");
            Button(d, "btnOk")->click();
            return d->result() == QDialog::Accepted;
        }
        Button(d, "btnGenerate")->click();
        a.dialogs.fileAnswers.push_back(a.PathQ("cal.txt"));
        Button(d, "btnSave")->click();
        return d->result() == QDialog::Accepted;
    };
    a.Button("btnManual")->click();
    std::vector<std::string> expected =
        Generated("law=points\nfrom=0\nto=10\npoints=0:150;2:121,5;5:96;10:30\nmajor=2\n"
                  "left=150\nright=30\nradius=40\n");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected.front(), "150.0000,M,0");
    // Saved through the editor's writer: every line kept, in its text order.
    std::sort(expected.begin(), expected.end(),
              [](const std::string& x, const std::string& y) { return CompareDefinitionLines(x, y) < 0; });
    EXPECT_EQ(a.Session().DefinitionList, expected);
    EXPECT_TRUE(a.Session().DefinitionActive);
}
