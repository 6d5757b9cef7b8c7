#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "ui/common/MaskEdit.h"

using sp::TMaskEdit;

namespace {
struct Field {
    TMaskEdit edit{3};
    Field() {
        edit.show();
        edit.setFocus();
    }
};
}  // namespace

TEST(MaskEdit, DigitsOverwritePositionsAndOthersAreRefused) {
    Field f;
    f.edit.SetValue("");
    f.edit.setCursorPosition(0);
    QTest::keyClicks(&f.edit, "8a");
    EXPECT_EQ(f.edit.Value(), "8");
    EXPECT_EQ(f.edit.text(), "8  ");
    QTest::keyClicks(&f.edit, "x-.9");
    EXPECT_EQ(f.edit.Value(), "89");
    QTest::keyClicks(&f.edit, "12");  // the third position, then no more room
    EXPECT_EQ(f.edit.Value(), "891");
    f.edit.setCursorPosition(1);
    QTest::keyClicks(&f.edit, "0");
    EXPECT_EQ(f.edit.Value(), "801");
}

TEST(MaskEdit, DeleteAndBackspaceBlankWithoutMoving) {
    Field f;
    f.edit.SetValue("180");
    f.edit.setCursorPosition(0);
    QTest::keyClick(&f.edit, Qt::Key_Delete);
    EXPECT_EQ(f.edit.Value(), " 80");
    EXPECT_EQ(f.edit.cursorPosition(), 0);
    f.edit.setCursorPosition(3);
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.edit.Value(), " 8");
    EXPECT_EQ(f.edit.cursorPosition(), 2);
    f.edit.selectAll();
    QTest::keyClick(&f.edit, Qt::Key_Backspace);
    EXPECT_EQ(f.edit.Value(), "");
    f.edit.SetValue("456");
    f.edit.setSelection(1, 2);
    QTest::keyClicks(&f.edit, "7");
    EXPECT_EQ(f.edit.Value(), "47");
}

TEST(MaskEdit, PasteFillsPositionsAndProgramTextsAreNeverCut) {
    Field f;
    f.edit.SetValue("");
    f.edit.setCursorPosition(0);
    QApplication::clipboard()->setText("4x56789");
    QTest::keyClick(&f.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.edit.text(), "4 5");
    f.edit.SetValue("1234");
    EXPECT_EQ(f.edit.text(), "1234");
    EXPECT_EQ(f.edit.Value(), "1234");
    f.edit.SetValue("ab");
    EXPECT_EQ(f.edit.Value(), "ab");
    f.edit.SetValue(" 5");
    EXPECT_EQ(f.edit.Value(), " 5");
}

TEST(MaskEdit, EscRestoresAChangedField) {
    Field f;
    f.edit.SetValue("40");
    f.edit.clearFocus();
    f.edit.setFocus();
    f.edit.setCursorPosition(0);
    QTest::keyClicks(&f.edit, "9");
    EXPECT_TRUE(f.edit.Changed());
    QTest::keyClick(&f.edit, Qt::Key_Escape);
    EXPECT_EQ(f.edit.Value(), "40");
    EXPECT_FALSE(f.edit.Changed());
}

TEST(MaskEdit, FocusComingBackWithTheWindowKeepsTheCursor) {
    Field f;
    f.edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.edit));
    f.edit.SetValue("456");
    f.edit.setCursorPosition(1);
    QWidget other;  // a dialog over the window, then gone
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    f.edit.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.edit));
    ASSERT_TRUE(f.edit.hasFocus());
    QTest::keyClicks(&f.edit, "7");
    EXPECT_EQ(f.edit.Value(), "476");
}
