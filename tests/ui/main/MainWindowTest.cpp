#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <map>

#include "scale/input/FieldTable.h"
#include "scale/settings/Settings.h"
#include "ui/common/MaskEdit.h"
#include "ui/support/UiApp.h"

using namespace sp;

TEST(MainWindow, FirstStartShowsFirstRunValuesNotBuiltIns) {
    App a;
    EXPECT_EQ(a.form->windowTitle(), "scaleplate");
    EXPECT_EQ(a.Masked("medtNumSegments")->Value(), "10");
    EXPECT_EQ(a.Masked("medtRadius")->Value(), "15");
    EXPECT_EQ(a.Masked("medtCentralRadius")->Value(), "3");
    EXPECT_EQ(a.Masked("medtY")->Value(), "1");
    EXPECT_FALSE(a.Find<QCheckBox>("cboxMirror")->isChecked());
    EXPECT_EQ(a.Session().Params.Dpi, 600);
    EXPECT_FALSE(a.Session().DefinitionActive);
    EXPECT_NE(a.Ini().find("Dpi=600"), std::string::npos);
    EXPECT_TRUE(a.dialogs.shown.empty());

    // The dialogs as the commands open them (both cancelled here).
    a.Button("btnSave")->click();
    a.dialogs.confirmAnswers = {false};
    a.Button("btnManual")->click();
    ASSERT_EQ(a.dialogs.fileDialogs.size(), 2u);
    const FileDialogSetup& picture = a.dialogs.fileDialogs[0];
    const FileDialogSetup& open = a.dialogs.fileDialogs[1];
    EXPECT_EQ(picture.title, "Uložiť súbor:");
    EXPECT_EQ(picture.initialDir.toStdString(), a.dir.Path("") + "/");
    EXPECT_EQ(open.fileName, "scale.txt");
    EXPECT_EQ(open.title, "Otvoriť definičný súbor:");
}

TEST(MainWindow, EveryTableRowHasItsOwnControlOfItsKind) {
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

TEST(MainWindow, FailedFirstCreationKeepsBuiltInsAndDrawsAt600) {
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
    EXPECT_EQ(a.Masked("medtNumSegments")->Value(), "15");
    EXPECT_TRUE(a.Find<QCheckBox>("cboxMirror")->isChecked());
    EXPECT_EQ(a.Session().Params.Dpi, 600);
    a.dialogs.fileAnswers.push_back(a.PathQ("p.bmp"));
    a.Button("btnSave")->click();
    EXPECT_EQ(a.dir.Read("p.bmp").size(), 5360094u);
}

TEST(MainWindow, KoniecSavesTypedValuesAndTitleBarCloseDoesNot) {
    {
        App a;
        Type(a.Masked("medtWidth"), "120");
        Type(a.Edit("edtLAngle"), "150");
        a.Find<QCheckBox>("cboxFrame")->setChecked(true);
        QTest::keyClick(a.Button("btnSave"), Qt::Key_K);  // the letter alone on a button
        EXPECT_FALSE(a.form->isVisible());
        EXPECT_NE(a.Ini().find("Width=120"), std::string::npos);
        EXPECT_NE(a.Ini().find("Left=150"), std::string::npos);
        EXPECT_NE(a.Ini().find("Frame=1"), std::string::npos);
        const std::string saved = a.Ini();

        a.Start();
        EXPECT_EQ(a.Masked("medtWidth")->Value(), "120");
        Type(a.Masked("medtWidth"), "99");
        a.form->close();  // title bar: no save
        EXPECT_EQ(a.Ini(), saved);
    }
}

TEST(MainWindow, EscRestoresAChangedFieldThenEnds) {
    App a;
    TMaskEdit* w = a.Masked("medtHeight");
    w->setFocus();
    w->setCursorPosition(0);
    QTest::keyClicks(w, "7");
    EXPECT_EQ(a.Masked("medtHeight")->Value(), "70");
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_EQ(a.Masked("medtHeight")->Value(), "40");
    EXPECT_TRUE(a.form->isVisible());
    QTest::keyClick(w, Qt::Key_Escape);
    EXPECT_FALSE(a.form->isVisible());
    EXPECT_NE(a.Ini().find("Height=40"), std::string::npos);

    a.Start();
    Type(a.Edit("edtLAngle"), "100");
    QTest::keyClick(a.Edit("edtLAngle"), Qt::Key_Escape);  // an angle field never takes Esc
    EXPECT_FALSE(a.form->isVisible());
}

TEST(MainWindow, BlankedPositionAndLongSettingsValueReachTheFile) {
    App a;
    a.Masked("medtWidth")->SetValue("180");
    a.Masked("medtWidth")->setFocus();
    a.Masked("medtWidth")->setCursorPosition(0);
    QTest::keyClick(a.Masked("medtWidth"), Qt::Key_Delete);
    a.Masked("medtHeight")->setFocus();
    a.Masked("medtHeight")->selectAll();
    QTest::keyClick(a.Masked("medtHeight"), Qt::Key_Delete);
    a.Button("btnClose")->click();
    EXPECT_NE(a.Ini().find("Width=\" 80\"\r\n"), std::string::npos) << a.Ini();
    EXPECT_NE(a.Ini().find("Height=\r\n"), std::string::npos);
    a.Start();
    EXPECT_EQ(a.Masked("medtWidth")->Value(), " 80");
    EXPECT_EQ(a.Masked("medtHeight")->Value(), "");

    a.dir.Write("scaleplate.ini", "[Dimensions]\r\nWidth=1234\r\n");
    a.Start();
    EXPECT_EQ(a.Masked("medtWidth")->Value(), "1234");
    EXPECT_EQ(a.form->Fields().width, "1234");
}

TEST(MainWindow, FailedSaveAtKoniecKeepsTheProgramOpen) {
    App a;
    std::filesystem::remove(a.dir.Path("scaleplate.ini"));
    std::filesystem::create_directory(a.dir.Path("scaleplate.ini"));
    a.Button("btnClose")->click();
    EXPECT_TRUE(a.form->isVisible());
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].text.toStdString(), "Unable to write to " + a.dir.Path("scaleplate.ini") + ".");
}

TEST(MainWindow, PictureCommandMessagesErrorsAndRepairedAngles) {
    App a;
    a.Masked("medtRadius")->SetValue("");
    a.Edit("edtLAngle")->setText("135°");
    a.Button("btnSave")->click();
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].kind, 'M');
    EXPECT_EQ(a.dialogs.shown[0].caption, "scaleplate");
    EXPECT_EQ(a.dialogs.shown[0].text, "Treba zadať polomer stupnice.");
    EXPECT_EQ(a.Edit("edtLAngle")->text(), "135");

    a.Masked("medtRadius")->SetValue("25");
    a.Edit("edtRAngle")->setText("-");
    a.Button("btnSave")->click();
    ASSERT_EQ(a.dialogs.shown.size(), 2u);
    EXPECT_EQ(a.dialogs.shown[1].kind, 'E');
    EXPECT_EQ(a.dialogs.shown[1].text, "'-' is not a valid integer value.");

    a.Edit("edtRAngle")->setText("45");
    a.dialogs.fileAnswers.push_back(a.PathQ("s.bmp"));
    a.Button("btnSave")->click();
    EXPECT_EQ(a.dialogs.shown.size(), 2u);
    EXPECT_EQ(a.dir.Read("s.bmp").size(), 5360094u);
    EXPECT_EQ(a.dialogs.fileDialogs.back().filter.section('|', 0, 1), "Bitmaps (*.bmp)|*.bmp");  // first, the default
    a.Button("btnSave")->click();  // cancelled: the dialog proposes the name chosen before
    EXPECT_EQ(a.dialogs.fileDialogs.back().fileName.toStdString(), a.dir.Path("s.bmp"));
}


TEST(MainWindow, MaskedFieldEnteredByKeyboardSelectsItsTextAClickPlacesTheCursor) {
    App a;
    ASSERT_EQ(QApplication::focusWidget(), a.Masked("medtWidth"));
    QTest::keyClicks(QApplication::focusWidget(), "120");  // at start: replaces 80
    EXPECT_EQ(a.Masked("medtWidth")->Value(), "120");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), a.Masked("medtHeight"));
    QTest::keyClicks(QApplication::focusWidget(), "55");  // by Tab: replaces 40
    EXPECT_EQ(a.Masked("medtHeight")->Value(), "55");
    QTest::mouseClick(a.Masked("medtX"), Qt::LeftButton, {}, QPoint(4, 10));  // before the first position
    ASSERT_EQ(QApplication::focusWidget(), a.Masked("medtX"));
    QTest::keyClicks(a.Masked("medtX"), "7");  // a click: overwrites one position only
    EXPECT_EQ(a.Masked("medtX")->Value(), "70");
}

TEST(MainWindow, EnterPressesTheFocusedButtonButNoneFromAField) {
    App a;
    QTest::keyClick(a.Masked("medtWidth"), Qt::Key_Return);
    QTest::keyClick(a.Edit("edtLAngle"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(a.form->isVisible());
    EXPECT_TRUE(a.dialogs.shown.empty());
    EXPECT_TRUE(a.dialogs.fileDialogs.empty());
    a.Button("btnManual")->setFocus();
    QTest::keyClick(a.Button("btnManual"), Qt::Key_Return);
    ASSERT_EQ(a.dialogs.shown.size(), 1u);
    EXPECT_EQ(a.dialogs.shown[0].text, "Chcete vytvoriť nový súbor?");
    Type(a.Masked("medtHeight"), "66");
    a.Button("btnClose")->setFocus();
    QTest::keyClick(a.Button("btnClose"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(a.form->isVisible());
    EXPECT_NE(a.Ini().find("Height=66"), std::string::npos);
}

// Each accelerator presses its own button and no other: Alt with the letter
// from anywhere, the letter alone from a check box or a button.
TEST(MainWindow, EachAcceleratorPressesItsOwnButton) {
    const struct {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* button;
    } rows[] = {
        {"medtWidth", Qt::Key_M, Qt::AltModifier, "btnManual"}, {"edtLAngle", Qt::Key_U, Qt::AltModifier, "btnSave"},
        {"medtX", Qt::Key_K, Qt::AltModifier, "btnClose"},     {"cboxDual", Qt::Key_M, Qt::NoModifier, "btnManual"},
        {"cboxMirror", Qt::Key_U, Qt::NoModifier, "btnSave"},  {"btnManual", Qt::Key_K, Qt::NoModifier, "btnClose"},
    };
    for (const auto& r : rows) {
        App a;
        std::map<std::string, int> pressed;
        for (const char* name : {"btnManual", "btnSave", "btnClose"})
            QObject::connect(a.Button(name), &QPushButton::clicked, [&pressed, name] { ++pressed[name]; });
        QWidget* focus = a.Find<QWidget>(r.focus);
        focus->setFocus();
        QTest::keyClick(focus, r.key, r.modifiers);
        QTest::qWait(300);  // Alt shows the button going down before it is pressed
        EXPECT_EQ(pressed, (std::map<std::string, int>{{r.button, 1}})) << r.focus << " " << r.key;
    }
}

TEST(MainWindow, RepairedAngleTextsShowAlsoWhenTheCommandThenFails) {
    App a;
    a.Edit("edtLAngle")->setText("1x35");
    a.Edit("edtRAngle")->setText("4 5");  // an inner blank: repaired to its digits
    a.Masked("medtRadius")->SetValue("");
    a.Button("btnSave")->click();  // a message: the radius
    EXPECT_EQ(a.Edit("edtLAngle")->text(), "135");
    EXPECT_EQ(a.Edit("edtRAngle")->text(), "45");

    a.Edit("edtLAngle")->setText("abc");
    a.Edit("edtRAngle")->setText("-");
    a.Button("btnSave")->click();  // an error: '-' is no integer
    ASSERT_EQ(a.dialogs.shown.size(), 2u);
    EXPECT_EQ(a.dialogs.shown[1].kind, 'E');
    EXPECT_EQ(a.dialogs.shown[1].text, "'-' is not a valid integer value.");
    EXPECT_EQ(a.Edit("edtLAngle")->text(), "0");
    EXPECT_EQ(a.Edit("edtRAngle")->text(), "-");
}

TEST(MainWindow, AChangedFieldLeftAndEnteredAgainIsUnchangedForEsc) {
    App a;
    TMaskEdit* height = a.Masked("medtHeight");
    height->setFocus();
    height->setCursorPosition(0);
    QTest::keyClicks(height, "7");
    QTest::keyClick(height, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), height);
    QTest::keyClick(height, Qt::Key_Escape);  // not changed since it got the focus: "Koniec"
    EXPECT_FALSE(a.form->isVisible());
    EXPECT_NE(a.Ini().find("Height=70"), std::string::npos);
}

TEST(MainWindow, NumbersGroupBelowThePanelTabbedAfterTheOlderControlsAndSavedAtKoniec) {
    App a;
    const auto* group = a.Find<QGroupBox>("gboxNumbers");
    EXPECT_EQ(group->title(), QString::fromUtf8(" Čísla: "));
    EXPECT_GE(group->mapTo(a.form.get(), QPoint(0, 0)).y(), a.Find<QWidget>("Panel1")->geometry().bottom());
    EXPECT_EQ(a.Find<QWidget>("Panel1")->geometry(), QRect(0, 0, 488, 298));  // the older panel as it was
    for (const char* caption :
         {"Hodnota vľavo:", "Hodnota vpravo:", "Jednotka:", "Výška písma [mm]:", "Písmo:", "Odstup čísel [mm]:"}) {
        const auto labels = group->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                                [&](const QLabel* l) { return l->text() == QString::fromUtf8(caption); }))
            << caption;
    }
    EXPECT_EQ(a.Find<QCheckBox>("cboxInside")->text(), QString::fromUtf8("Čísla vnútri"));
    EXPECT_EQ(a.Find<QCheckBox>("cboxRadial")->text(), QString::fromUtf8("Otočené"));
    const auto* fonts = a.Find<QComboBox>("cmbFont");
    EXPECT_TRUE(fonts->isEditable());
    EXPECT_GE(fonts->findText("DejaVu Sans"), 0);
    EXPECT_EQ(a.Edit("edtFont")->text(), "DejaVu Sans");

    // Tab from the last of the older controls walks the group in order.
    a.Button("btnManual")->setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(order, (std::vector<QString>{"edtValueLeft", "edtValueRight", "edtUnit", "edtTextHeight", "cmbFont",
                                           "cboxInside", "cboxRadial", "cboxDecimalPoint", "edtNumberGap"}));

    Type(a.Edit("edtValueLeft"), "0");
    Type(a.Edit("edtValueRight"), "2,5");
    a.Edit("edtUnit")->setText(QString::fromUtf8("kΩ"));
    a.Edit("edtFont")->setText("DejaVu Serif");
    a.Find<QCheckBox>("cboxRadial")->setChecked(true);
    Type(a.Edit("edtNumberGap"), "1,5");
    a.Button("btnClose")->click();
    const std::string ini = a.Ini();
    EXPECT_EQ(ini.rfind("\xEF\xBB\xBF[Dimensions]", 0), 0u) << ini;  // "Ω" needs UTF-8
    EXPECT_NE(ini.find("[Numbers]\r\nValueLeft=0\r\nValueRight=2,5\r\nUnit=kΩ\r\nTextHeight=3,5\r\n"
                       "Font=DejaVu Serif\r\nInside=0\r\nRadial=1\r\nDecimalPoint=0\r\nNumberGap=1,5\r\n"),
              std::string::npos)
        << ini;
    a.Start();
    EXPECT_EQ(a.Edit("edtUnit")->text(), QString::fromUtf8("kΩ"));
    EXPECT_EQ(a.Edit("edtValueRight")->text(), "2,5");
    EXPECT_EQ(a.Edit("edtFont")->text(), "DejaVu Serif");
    EXPECT_TRUE(a.Find<QCheckBox>("cboxRadial")->isChecked());
    EXPECT_EQ(a.Edit("edtNumberGap")->text(), "1,5");
}
