// The program as the window tests run it: a main window and its definition
// editor in a temporary program folder, with scripted dialogs. The tests
// reach the controls by their object names, as a user reaches them by sight.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>

#include "support/TestDir.h"
#include "ui/common/MaskEdit.h"
#include "ui/definition/DefinitionEditor.h"
#include "ui/main/MainWindow.h"
#include "ui/support/FakeDialogs.h"

// The control `name` inside `window`; a missing one fails the test.
template <class T = QWidget>
T* Find(const QWidget* window, const char* name) {
    T* w = window->findChild<T*>(name);
    if (!w) throw std::runtime_error(std::string("no control named ") + name);
    return w;
}

inline sp::TMaskEdit* Masked(const QWidget* window, const char* name) { return Find<sp::TMaskEdit>(window, name); }
inline QLineEdit* Edit(const QWidget* window, const char* name) { return Find<QLineEdit>(window, name); }
inline QPushButton* Button(const QWidget* window, const char* name) { return Find<QPushButton>(window, name); }

struct App {
    TestDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<sp::MainWindow> form;
    std::unique_ptr<sp::DefinitionEditor> editor;

    App() { Start(); }
    void Start() {
        editor.reset();
        form = std::make_unique<sp::MainWindow>(dir.Path("scaleplate"), dialogs);
        editor = std::make_unique<sp::DefinitionEditor>(QString::fromStdString(dir.Path("")) + "/", form->Title(),
                                                        dialogs);
        form->SetDefinitionEditor(editor.get());
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    std::string Ini() const { return dir.Read("scaleplate.ini"); }
    QString PathQ(const std::string& name) const { return QString::fromStdString(dir.Path(name)); }
    const sp::PictureSession& Session() const { return form->SessionState(); }

    sp::TMaskEdit* Masked(const char* name) const { return ::Masked(form.get(), name); }
    QLineEdit* Edit(const char* name) const { return ::Edit(form.get(), name); }
    QPushButton* Button(const char* name) const { return ::Button(form.get(), name); }
    template <class T>
    T* Find(const char* name) const { return ::Find<T>(form.get(), name); }

    QTableWidget* Grid() const { return ::Find<QTableWidget>(editor.get(), "sgrdDefinitions"); }
    void SetCell(int row, const char* angle, const char* type) const {
        Grid()->setItem(row, 0, new QTableWidgetItem(angle));
        Grid()->setItem(row, 1, new QTableWidgetItem(type));
    }
    void SetLabel(int row, const char* label) const { Grid()->setItem(row, 2, new QTableWidgetItem(label)); }
    // The grid's text of a cell; empty for a cell never filled.
    std::string Cell(int row, int column) const {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    // "No" to the question, then the open dialog answers `name`.
    void OpenDefinition(const std::string& name) {
        dialogs.confirmAnswers = {false};
        dialogs.fileAnswers.push_back(PathQ(name));
        Button("btnManual")->click();
    }
};

// Focuses the field (selecting all, unless told not to) and types the keys.
inline void Type(QWidget* w, const char* keys, bool selectAll = true) {
    w->setFocus();
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (selectAll) e->selectAll();
        QTest::keyClicks(e, keys);
    }
}
