#include "ui/definition/DefinitionEditor.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

#include "base/Errors.h"
#include "scale/settings/Settings.h"
#include "ui/common/Button.h"
#include "ui/common/ImmediateDelegate.h"
#include "ui/common/WindowFont.h"

namespace sp {

DefinitionEditor::DefinitionEditor(const QString& programFolder, const QString& appTitle, Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      appTitle_(appTitle) {
    setObjectName("ScaleDefinition");
    setWindowTitle("Definície:");
    // Wider than the two-column editor by the "Popis" column.
    setFixedSize(196, 590);
    setFont(WindowFont());

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 196, 590);
    createGrid(panel);

    auto* btnGenerate = new TButton("&Generovať...", panel);
    btnGenerate->setObjectName("btnGenerate");
    btnGenerate->setGeometry(8, 520, 179, 25);
    auto* btnSave = new TButton("&Uložiť", panel);
    btnSave->setObjectName("btnSave");
    btnSave->setGeometry(8, 552, 87, 25);
    auto* btnCancel = new TButton("&Zrušiť", panel);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(100, 552, 87, 25);
    connect(btnGenerate, &QPushButton::clicked, this, &DefinitionEditor::btnGenerateClick);
    connect(btnSave, &QPushButton::clicked, this, &DefinitionEditor::btnSaveClick);
    connect(btnCancel, &QPushButton::clicked, this, &DefinitionEditor::btnCancelClick);

    arc_ = FirstRunFields();

    // startUp: the save dialog's set-up.
    saveDefinitionDialog_ = DefinitionFileDialog("Uložiť definičný súbor", programFolder, true);
}

FileDialogSetup DefinitionFileDialog(const QString& title, const QString& folder, bool forSave) {
    FileDialogSetup d;
    d.title = title;
    d.filter = "Textový súbor (*.txt)|*.txt";
    d.defaultExt = "txt";
    d.initialDir = folder;
    d.fileName = "scale.txt";
    d.forSave = forSave;
    return d;
}

void DefinitionEditor::createGrid(QWidget* parent) {
    sgrdDefinitions = new QTableWidget(Rows, 3, parent);
    sgrdDefinitions->setObjectName("sgrdDefinitions");
    sgrdDefinitions->setGeometry(8, 8, 179, 497);
    sgrdDefinitions->setHorizontalHeaderLabels({"Uhol", "Typ", "Popis"});
    sgrdDefinitions->verticalHeader()->hide();
    sgrdDefinitions->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrdDefinitions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrdDefinitions->horizontalHeader()->setSectionsMovable(false);
    sgrdDefinitions->horizontalHeader()->setHighlightSections(false);
    sgrdDefinitions->horizontalHeader()->setFixedHeight(17);
    sgrdDefinitions->setColumnWidth(0, 56);  // "101.2500" of a generated row fits
    sgrdDefinitions->setColumnWidth(1, 36);
    sgrdDefinitions->setColumnWidth(2, 66);
    sgrdDefinitions->verticalHeader()->setDefaultSectionSize(16);
    sgrdDefinitions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgrdDefinitions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgrdDefinitions->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sgrdDefinitions->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgrdDefinitions->setTabKeyNavigation(true);
    sgrdDefinitions->setItemDelegate(new ImmediateDelegate(sgrdDefinitions));
}

std::vector<DefinitionRow> DefinitionEditor::GridRows() const {
    std::vector<DefinitionRow> rows;
    rows.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        const QTableWidgetItem* a = sgrdDefinitions->item(r, 0);
        const QTableWidgetItem* t = sgrdDefinitions->item(r, 1);
        const QTableWidgetItem* l = sgrdDefinitions->item(r, 2);
        rows.emplace_back(a ? a->text().toStdString() : std::string(), t ? t->text().toStdString() : std::string(),
                          l ? l->text().toStdString() : std::string());
    }
    return rows;
}

void DefinitionEditor::btnSaveClick() {
    if (!dialogs_.RunFileDialog(this, saveDefinitionDialog_)) return;
    try {
        WriteDefinition(GridRows(), saveDefinitionDialog_.fileName.toStdString());
    } catch (const EError& e) {
        dialogs_.Error(this, appTitle_, QString::fromStdString(ErrorBoxText(e.what())));
        return;
    }
    accept();
}

void DefinitionEditor::btnCancelClick() { reject(); }

// The dialog's rows replace the whole grid; the user edits and saves them as
// typed rows.
void DefinitionEditor::btnGenerateClick() {
    if (!generateDialog_) generateDialog_ = new TGenerateDialog(Rows, this);  // made when first wanted, not at start
    generateDialog_->SetArc(arc_);
    if (dialogs_.ShowModal(generateDialog_)) fillGrid(generateDialog_->Rows());
}

void DefinitionEditor::fillGrid(const std::vector<DefinitionRow>& rows) {
    sgrdDefinitions->clearContents();
    const int n = std::min(static_cast<int>(rows.size()), Rows);
    for (int r = 0; r < n; ++r) {
        sgrdDefinitions->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(rows[r].angle)));
        sgrdDefinitions->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(rows[r].type)));
        if (!rows[r].label.empty()) sgrdDefinitions->setItem(r, 2, new QTableWidgetItem(QString::fromStdString(rows[r].label)));
    }
    sgrdDefinitions->scrollToTop();
}

void DefinitionEditor::keyPressEvent(QKeyEvent* e) {
    // Neither Enter nor Esc closes the editor.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace sp
