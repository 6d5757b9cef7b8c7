#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "DefinitionUnit.h"
#include "FieldTable.h"
#include "FakeDialogs.h"
#include "MainUnit.h"
#include "MaskEdit.h"
#include "ScaleDrawing.h"
#include "Settings.h"
#include "TestDir.h"

using namespace sp;

namespace {

struct App {
    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TScaleDefinition> editor;

    App() { Start(); }
    void Start() {
        editor.reset();
        form = std::make_unique<TMainForm>(dir.Path("scaleplate"), dialogs);
        editor = std::make_unique<TScaleDefinition>(QString::fromStdString(dir.Path("")) + "/", form->Title(), dialogs);
        form->ScaleDefinition = editor.get();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::string Ini() const { return dir.Read("scaleplate.ini"); }
};

void Type(QWidget* w, const char* keys, bool selectAll = true) {
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (selectAll) e->selectAll();
        QTest::keyClicks(e, keys);
    }
}

}  // namespace

TEST(MainForm, FirstStartShowsFirstRunValuesNotBuiltIns) {
    App a;
    EXPECT_EQ(a.form->windowTitle(), "scaleplate");
    EXPECT_EQ(a.form->medtNumSegments->Value(), "10");
    EXPECT_EQ(a.form->medtRadius->Value(), "15");
    EXPECT_EQ(a.form->medtCentralRadius->Value(), "3");
    EXPECT_EQ(a.form->medtY->Value(), "1");
    EXPECT_FALSE(a.form->cboxMirror->isChecked());
    EXPECT_EQ(a.form->Session.Params.Dpi, 600);
    EXPECT_FALSE(a.form->Session.DefinitionActive);
    EXPECT_EQ(a.form->SavePictureDialog1.title, "Uložiť súbor:");
    EXPECT_EQ(a.form->SavePictureDialog1.initialDir.toStdString(), a.dir.Path("") + "/");
    EXPECT_EQ(a.form->OpenDialog1.fileName, "scale.txt");
    EXPECT_NE(a.Ini().find("Dpi=600"), std::string::npos);
    EXPECT_TRUE(a.dialogs.shown.empty());
}

TEST(MainForm, EveryTableRowHasItsOwnControlOfItsKind) {
    App a;
    FormFields f;
    int n = 0;
    for (const FieldRow& row : FieldTable()) {
        SCOPED_TRACE(row.control);
        if (row.kind == FieldKind::Check) {
            ASSERT_NE(a.form->findChild<QCheckBox*>(row.control), nullptr);
            f.*row.flag = n++ % 2 == 0;
        } else if (row.kind == FieldKind::Masked) {
            const auto* m = a.form->findChild<TMaskEdit*>(row.control);
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->Positions(), row.positions);
            f.*row.text = std::to_string(++n);
        } else {
            const auto* e = a.form->findChild<QLineEdit*>(row.control);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(qobject_cast<const TMaskEdit*>(e), nullptr);
            f.*row.text = "-" + std::to_string(++n);
        }
    }
    // Distinct values come back from distinct controls.
    a.form->SetFields(f);
    EXPECT_EQ(a.form->Fields(), f);
    a.form->SetFields(FirstRunFields());
    EXPECT_EQ(a.form->Fields(), FirstRunFields());
}

TEST(MainForm, FailedFirstCreationKeepsBuiltInsAndDrawsAt600) {
    App a;  // a first start to have a folder; then make the settings path a folder
    a.editor.reset();
    a.form.reset();
    std::filesystem::remove(a.dir.Path("scaleplate.ini"));
    std::filesystem::create_directory(a.dir.Path("scaleplate.ini"));
    a.dialogs.shown.clear();
    a.Start();
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].kind, 'E');
    EXPECT_EQ(a.dialogs.shown[0].text.toStdString(), "Unable to write to " + a.dir.Path("scaleplate.ini") + ".");
    EXPECT_EQ(a.form->medtNumSegments->Value(), "15");
    EXPECT_TRUE(a.form->cboxMirror->isChecked());
    EXPECT_EQ(a.form->Session.Params.Dpi, 600);
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("p.bmp")));
    a.form->btnSave->click();
    EXPECT_EQ(a.dir.Read("p.bmp").size(), 5360094u);
}

TEST(MainForm, KoniecSavesTypedValuesAndTitleBarCloseDoesNot) {
    {
        App a;
        Type(a.form->medtWidth, "120");
        Type(a.form->edtLAngle, "150");
        a.form->cboxFrame->setChecked(true);
        QTest::keyClick(a.form->btnSave, Qt::Key_K);  // the letter alone on a button
        EXPECT_FALSE(a.form->isVisible());
        EXPECT_NE(a.Ini().find("Width=120"), std::string::npos);
        EXPECT_NE(a.Ini().find("Left=150"), std::string::npos);
        EXPECT_NE(a.Ini().find("Frame=1"), std::string::npos);
        const std::string saved = a.Ini();

        a.Start();
        EXPECT_EQ(a.form->medtWidth->Value(), "120");
        Type(a.form->medtWidth, "99");
        a.form->close();  // title bar: no save
        EXPECT_EQ(a.Ini(), saved);
    }
}

TEST(MainForm, EscRestoresAChangedFieldThenEnds) {
    App a;
    QWidget* w = a.form->medtHeight;
    w->setFocus();
    a.form->medtHeight->setCursorPosition(0);
    QTest::keyClicks(w, "7");
    EXPECT_EQ(a.form->medtHeight->Value(), "70");
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(a.form->medtHeight->Value(), "40");
    EXPECT_TRUE(a.form->isVisible());
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(a.form->isVisible());
    EXPECT_NE(a.Ini().find("Height=40"), std::string::npos);

    a.Start();
    Type(a.form->edtLAngle, "100");
    QTest::keyClick(a.form->edtLAngle, Qt::Key_Escape);  // an angle field never takes Esc
    EXPECT_FALSE(a.form->isVisible());
}

TEST(MainForm, BlankedPositionAndLongSettingsValueReachTheFile) {
    App a;
    a.form->medtWidth->SetValue("180");
    a.form->medtWidth->setFocus();
    a.form->medtWidth->setCursorPosition(0);
    QTest::keyClick(a.form->medtWidth, Qt::Key_Delete);
    a.form->medtHeight->setFocus();
    a.form->medtHeight->selectAll();
    QTest::keyClick(a.form->medtHeight, Qt::Key_Delete);
    a.form->btnClose->click();
    EXPECT_NE(a.Ini().find("Width=\" 80\"\r\n"), std::string::npos) << a.Ini();
    EXPECT_NE(a.Ini().find("Height=\r\n"), std::string::npos);
    a.Start();
    EXPECT_EQ(a.form->medtWidth->Value(), " 80");
    EXPECT_EQ(a.form->medtHeight->Value(), "");

    a.dir.Write("scaleplate.ini", "[Dimensions]\r\nWidth=1234\r\n");
    a.Start();
    EXPECT_EQ(a.form->medtWidth->Value(), "1234");
    EXPECT_EQ(a.form->Fields().medtWidth, "1234");
}

TEST(MainForm, FailedSaveAtKoniecKeepsTheProgramOpen) {
    App a;
    std::filesystem::remove(a.dir.Path("scaleplate.ini"));
    std::filesystem::create_directory(a.dir.Path("scaleplate.ini"));
    a.form->btnClose->click();
    EXPECT_TRUE(a.form->isVisible());
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].text.toStdString(), "Unable to write to " + a.dir.Path("scaleplate.ini") + ".");
}

TEST(MainForm, PictureCommandMessagesErrorsAndRepairedAngles) {
    App a;
    a.form->medtRadius->SetValue("");
    a.form->edtLAngle->setText("135°");
    a.form->btnSave->click();
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].kind, 'M');
    EXPECT_EQ(a.dialogs.shown[0].caption, "scaleplate");
    EXPECT_EQ(a.dialogs.shown[0].text, "Treba zadať polomer stupnice.");
    EXPECT_EQ(a.form->edtLAngle->text(), "135");

    a.form->medtRadius->SetValue("25");
    a.form->edtRAngle->setText("-");
    a.form->btnSave->click();
    ASSERT_EQ(a.dialogs.shown.size(), 2u);
    EXPECT_EQ(a.dialogs.shown[1].kind, 'E');
    EXPECT_EQ(a.dialogs.shown[1].text, "'-' is not a valid integer value.");

    a.form->edtRAngle->setText("45");
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("s.bmp")));
    a.form->btnSave->click();
    EXPECT_EQ(a.dialogs.shown.size(), 2u);
    EXPECT_EQ(a.dir.Read("s.bmp").size(), 5360094u);
    EXPECT_EQ(a.dialogs.fileDialogs.back().filter, "Bitmaps (*.bmp)|*.bmp");
    a.form->btnSave->click();  // cancelled: the dialog proposes the name chosen before
    EXPECT_EQ(a.dialogs.fileDialogs.back().fileName.toStdString(), a.dir.Path("s.bmp"));
}

namespace {

void SetCell(TScaleDefinition* e, int row, const char* angle, const char* type) {
    e->sgrdDefinitions->setItem(row, 0, new QTableWidgetItem(angle));
    e->sgrdDefinitions->setItem(row, 1, new QTableWidgetItem(type));
}

// The editor's Save run by the fake modal loop.
std::function<bool(QDialog*)> SaveEditor(App& a, const std::string& name) {
    return [&a, name](QDialog* d) {
        a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path(name)));
        static_cast<TScaleDefinition*>(d)->btnSaveClick();
        return d->result() == QDialog::Accepted;
    };
}

}  // namespace

TEST(DefinitionCommand, StateTable) {
    App a;
    PictureSession& s = a.form->Session;
    // Yes, then Cancel in the editor: nothing changes, also with a definition active.
    s.DefinitionActive = true;
    s.DefinitionList = {"1,M", "2,M"};
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = [](QDialog*) { return false; };
    a.form->btnManual->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList.size(), 2u);
    EXPECT_EQ(a.dialogs.shown.back().text, "Chcete vytvoriť nový súbor?");

    // Yes, Save with two different lines: read back, active, no message.
    SetCell(a.editor.get(), 0, "90", "M");
    SetCell(a.editor.get(), 1, "45", "n");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "two.txt");
    a.form->btnManual->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, (std::vector<std::string>{"45,N", "90,M"}));
    EXPECT_EQ(a.dialogs.shown.back().kind, 'C');

    // Yes, Save with the same line twice: too small, off, lines kept.
    SetCell(a.editor.get(), 1, "90", "M");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "one.txt");
    a.form->btnManual->click();
    EXPECT_EQ(a.dialogs.shown.back().text, "Definičný súbor je príliš malý!");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // Yes, OK but the file is gone: not found, off, list unchanged.
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = [&a](QDialog*) {
        a.editor->SaveDialog1.fileName = QString::fromStdString(a.dir.Path("gone.txt"));
        return true;
    };
    s.DefinitionActive = true;
    a.form->btnManual->click();
    EXPECT_EQ(a.dialogs.shown.back().text, "Definičný súbor nenájdený!");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // No, then Cancel in the open dialog: nothing changes.
    s.DefinitionActive = true;
    a.dialogs.confirmAnswers = {false};
    a.form->btnManual->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(a.dialogs.fileDialogs.back().title, "Otvoriť definičný súbor:");

    // No, a missing file: message, off, list unchanged.
    a.dialogs.confirmAnswers = {false};
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("missing.txt")));
    a.form->btnManual->click();
    EXPECT_EQ(a.dialogs.shown.back().text, "Načítanie definičného súboru sa nepodarilo.");
    EXPECT_FALSE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"90,M"});

    // No, a file of one line and one of none: accepted without a word.
    a.dir.Write("single.txt", "54,S");
    a.dialogs.confirmAnswers = {false};
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("single.txt")));
    const std::size_t before = a.dialogs.shown.size();
    a.form->btnManual->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_EQ(s.DefinitionList, std::vector<std::string>{"54,S"});
    a.dir.Write("zero.txt", "");
    a.dialogs.confirmAnswers = {false};
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("zero.txt")));
    a.form->btnManual->click();
    EXPECT_TRUE(s.DefinitionActive);
    EXPECT_TRUE(s.DefinitionList.empty());
    EXPECT_EQ(a.dialogs.shown.size(), before + 2);  // only the two questions
}

TEST(DefinitionEditor, SaveCancelAndCellInEdit) {
    App a;
    TScaleDefinition* e = a.editor.get();
    EXPECT_EQ(e->windowTitle(), "Definície:");
    EXPECT_EQ(e->sgrdDefinitions->rowCount(), 255);
    EXPECT_EQ(e->sgrdDefinitions->horizontalHeaderItem(0)->text(), "Uhol");
    EXPECT_EQ(e->sgrdDefinitions->horizontalHeaderItem(1)->text(), "Typ");
    EXPECT_EQ(e->SaveDialog1.fileName, "scale.txt");
    e->open();
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e));
    // Save whose dialog is cancelled keeps the window open.
    e->btnSaveClick();
    EXPECT_TRUE(e->isVisible());
    // A cell still being edited counts with the text it shows.
    SetCell(e, 0, "45", "");
    e->sgrdDefinitions->setFocus();
    e->sgrdDefinitions->setCurrentCell(0, 1);  // starts the cell's editor
    QApplication::processEvents();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "M");
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("ed")));
    e->btnSaveClick();
    EXPECT_EQ(a.dir.Read("ed"), "45,M\r\n");
    EXPECT_EQ(e->result(), QDialog::Accepted);
    EXPECT_FALSE(e->isVisible());

    // A failed write keeps the window open with its grid; Cancel then gives Cancel.
    e->open();
    a.dialogs.fileAnswers.push_back(QString::fromStdString(a.dir.Path("no/such.txt")));
    e->btnSaveClick();
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(a.dialogs.shown.back().kind, 'E');
    EXPECT_EQ(e->sgrdDefinitions->item(0, 1)->text(), "M");
    QTest::keyClick(e, Qt::Key_Escape);
    EXPECT_TRUE(e->isVisible());
    e->btnCancel->click();
    EXPECT_EQ(e->result(), QDialog::Rejected);
    EXPECT_EQ(e->GridRows()[0].angle, "45");  // rows kept for the next opening
}

// Type rows into the grid, save, draw: the picture's segments are the
// definition's; the picture after it has uniform segments again.
TEST(DefinitionEndToEnd, NextPictureOnlyIsDrawnFromTheDefinition) {
    App a;
    SetCell(a.editor.get(), 0, "90", "M");
    SetCell(a.editor.get(), 3, "54", "S");
    a.dialogs.confirmAnswers = {true};
    a.dialogs.modal = SaveEditor(a, "scale.txt");
    a.form->btnManual->click();
    ASSERT_TRUE(a.form->Session.DefinitionActive);

    a.dialogs.fileAnswers = {QString::fromStdString(a.dir.Path("def.bmp")), QString::fromStdString(a.dir.Path("uni.bmp"))};
    a.form->btnSave->click();
    a.form->btnSave->click();
    EXPECT_FALSE(a.form->Session.DefinitionActive);

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
