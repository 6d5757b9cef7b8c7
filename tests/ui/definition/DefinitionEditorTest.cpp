// The definition source command of the main window and the definition
// editor, driven through their buttons and grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "scale/drawing/ScaleDrawing.h"
#include "ui/support/UiApp.h"

using namespace sp;

namespace {

// The editor's Save run by the fake modal loop.
std::function<bool(QDialog*)> SaveEditor(App& a, const std::string& name) {
    return [&a, name](QDialog* d) {
        a.dialogs.fileAnswers.push_back(a.PathQ(name));
        Button(d, "btnSave")->click();
        return d->result() == QDialog::Accepted;
    };
}

}  // namespace

TEST(DefinitionCommand, StateTable) {
    App a;
    const PictureSession& s = a.Session();
    // Yes, then Cancel in the editor: nothing changes, also with a definition active.
    a.dir.Write("pair.txt", "1,M\r\n2,M\r\n");
    a.OpenDefinition("pair.txt");
    ASSERT_TRUE(s.DefinitionActive);
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = [](QDialog*) { return false; };
    a.Button("btnManual")->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList.size(), 2u);
    EXPECT_EQ(a.dialogs.shown.back().text, "Chcete vytvoriť nový súbor?");

    // Yes, Save with two different lines: read back, active, no message.
    a.SetCell(0, "90", "M");
    a.SetCell(1, "45", "n");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "two.txt");
    a.Button("btnManual")->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, (std::vector<std::string>{"45,N", "90,M"}));
    EXPECT_EQ(a.dialogs.shown.back().kind, 'C');

    // Yes, Save with the same line twice: too small, off, lines kept.
    a.SetCell(1, "90", "M");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "one.txt");
    a.Button("btnManual")->click();
    EXPECT_EQ(a.dialogs.shown.back().text, "Definičný súbor je príliš malý!");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // Yes, OK but the file is gone: not found, off, list unchanged.
    a.dir.Write("ninety.txt", "90,M\r\n");
    a.OpenDefinition("ninety.txt");
    ASSERT_TRUE(s.DefinitionActive);
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = [&a, save = SaveEditor(a, "gone.txt")](QDialog* d) {
        const bool ok = save(d);
        std::filesystem::remove(a.dir.Path("gone.txt"));
        return ok;
    };
    a.Button("btnManual")->click();
    EXPECT_EQ(a.dialogs.shown.back().text, "Definičný súbor nenájdený!");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // No, then Cancel in the open dialog: nothing changes.
    a.OpenDefinition("ninety.txt");
    ASSERT_TRUE(s.DefinitionActive);
    a.dialogs.confirmAnswers = {false};
    a.Button("btnManual")->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(a.dialogs.fileDialogs.back().title, "Otvoriť definičný súbor:");

    // No, a missing file: message, off, list unchanged.
    a.OpenDefinition("missing.txt");
    EXPECT_EQ(a.dialogs.shown.back().text, "Načítanie definičného súboru sa nepodarilo.");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // No, a file of one line and one of none: accepted without a word.
    a.dir.Write("single.txt", "54,S");
    const std::size_t before = a.dialogs.shown.size();
    a.OpenDefinition("single.txt");
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"54,S"});
    a.dir.Write("zero.txt", "");
    a.OpenDefinition("zero.txt");
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_TRUE(s.DefinitionList.empty());
    EXPECT_EQ(a.dialogs.shown.size(), before + 2);  // only the two questions
}

TEST(DefinitionEditor, SaveCancelAndCellInEdit) {
    App a;
    DefinitionEditor* e = a.editor.get();
    QTableWidget* grid = a.Grid();
    EXPECT_EQ(e->windowTitle(), "Definície:");
    EXPECT_EQ(grid->rowCount(), 255);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Uhol");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Typ");
    e->open();
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e));
    // Save whose dialog is cancelled keeps the window open; it proposed scale.txt.
    Button(e, "btnSave")->click();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(a.dialogs.fileDialogs.back().fileName, "scale.txt");
    // A cell still being edited counts with the text it shows.
    a.SetCell(0, "45", "");
    grid->setFocus();
    grid->setCurrentCell(0, 1);  // starts the cell's editor
    QApplication::processEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "M");
    a.dialogs.fileAnswers.push_back(a.PathQ("ed"));
    Button(e, "btnSave")->click();
    EXPECT_EQ(a.dir.Read("ed"), "45,M\r\n");
    EXPECT_EQ(e->result(), QDialog::Accepted);
    EXPECT_FALSE(e->isVisible());

    // A failed write keeps the window open with its grid; Cancel then gives Cancel.
    e->open();
    a.dialogs.fileAnswers.push_back(a.PathQ("no/such.txt"));
    Button(e, "btnSave")->click();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(a.dialogs.shown.back().kind, 'E');
    EXPECT_EQ(grid->item(0, 1)->text(), "M");
    QTest::keyClick(e, Qt::Key_Escape);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(e->isVisible());
    Button(e, "btnCancel")->setFocus();
    QTest::keyClick(Button(e, "btnCancel"), Qt::Key_Return);  // Enter on a focused button presses it
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(e->result(), QDialog::Rejected);
    EXPECT_EQ(e->GridRows()[0].angle, "45");  // rows kept for the next opening
}

// Type rows into the grid, save, draw: the picture's segments are the
// definition's; the picture after it has uniform segments again.
TEST(DefinitionEndToEnd, NextPictureOnlyIsDrawnFromTheDefinition) {
    App a;
    a.SetCell(0, "90", "M");
    a.SetCell(3, "54", "S");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "scale.txt");
    a.Button("btnManual")->click();
    ASSERT_TRUE(a.Session().DefinitionActive);

    a.dialogs.fileAnswers = {a.PathQ("def.bmp"), a.PathQ("uni.bmp")};
    a.Button("btnSave")->click();
    a.Button("btnSave")->click();
    EXPECT_FALSE(a.Session().DefinitionActive);

    const auto expected = [&](bool definition) {
        ScaleParameters p;
        p.Dpi = 600;
        FormFields f = a.form->Fields();
        EXPECT_EQ(ReadScaleParameters(p, f), std::nullopt);
        auto b = DrawScale(p, f, {"54,S", "90,M"}, definition);
        return b->FileHeader() + std::string(reinterpret_cast<const char*>(b->Bits()), b->ImageSize());
    };
    const std::string def = a.dir.Read("def.bmp"), uni = a.dir.Read("uni.bmp");
    EXPECT_TRUE(def == expected(true));
    EXPECT_TRUE(uni == expected(false));
    EXPECT_NE(def, uni);
}

// The third column "Popis": a label becomes the line's third entry; rows
// without one give exactly the bytes of the two-column editor; angles with
// decimals, as generated rows have them, are saved too.
TEST(DefinitionEditor, PopisColumnAndDecimalAnglesSurviveSaving) {
    App a;
    DefinitionEditor* e = a.editor.get();
    ASSERT_EQ(a.Grid()->columnCount(), 3);
    EXPECT_EQ(a.Grid()->horizontalHeaderItem(2)->text(), "Popis");
    a.SetCell(0, "90", "N");
    a.SetCell(1, "45", "M");
    a.dialogs.fileAnswers.push_back(a.PathQ("old.txt"));
    Button(e, "btnSave")->click();
    EXPECT_EQ(a.dir.Read("old.txt"), "45,M\r\n90,N\r\n");

    a.SetLabel(0, "0,5");
    a.SetLabel(1, "Ohm \xC3\xB4");
    a.SetCell(2, "101.2500", "s");
    a.SetLabel(3, "bez uhla");  // a label alone makes no line
    a.dialogs.fileAnswers.push_back(a.PathQ("new.txt"));
    Button(e, "btnSave")->click();
    EXPECT_EQ(a.dir.Read("new.txt"), "101.2500,S\r\n45,M,Ohm \xF4\r\n90,N,0,5\r\n");
    std::vector<std::string> back;
    ReadDefinition(a.dir.Path("new.txt"), back);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(DefinitionLabel(back[1]), "Ohm \xC3\xB4");
    EXPECT_EQ(DefinitionLabel(back[2]), "0,5");
}
