#include "DefinitionUnit.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "Button.h"
#include "Errors.h"
#include "MainLayout.h"

namespace sp {

namespace {

// Stores every change of a cell's editor in the cell at once, so Save sees a
// cell that is still being edited with the text it shows.
class ImmediateDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<ImmediateDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

}  // namespace

TScaleDefinition::TScaleDefinition(const QString& programFolder, const QString& appTitle, Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      appTitle_(appTitle) {
    setObjectName("ScaleDefinition");
    setWindowTitle("Definície:");
    setFixedSize(128, 590);
    setFont(WindowFont());

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, 128, 590);
    createGrid(panel);

    auto* btnSave = new TButton("&Uložiť", panel);
    btnSave->setObjectName("btnSave");
    btnSave->setGeometry(24, 520, 75, 25);
    auto* btnCancel = new TButton("&Zrušiť", panel);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(24, 552, 75, 25);
    connect(btnSave, &QPushButton::clicked, this, &TScaleDefinition::btnSaveClick);
    connect(btnCancel, &QPushButton::clicked, this, &TScaleDefinition::btnCancelClick);

    // FormCreate: the save dialog's set-up.
    SaveDialog1.title = "Uložiť definičný súbor";
    SaveDialog1.filter = "Textový súbor (*.txt)|*.txt";
    SaveDialog1.defaultExt = "txt";
    SaveDialog1.initialDir = programFolder;
    SaveDialog1.fileName = "scale.txt";
    SaveDialog1.forSave = true;
}

void TScaleDefinition::createGrid(QWidget* parent) {
    sgrdDefinitions = new QTableWidget(Rows, 2, parent);
    sgrdDefinitions->setObjectName("sgrdDefinitions");
    sgrdDefinitions->setGeometry(8, 8, 105, 497);
    sgrdDefinitions->setHorizontalHeaderLabels({"Uhol", "Typ"});
    sgrdDefinitions->verticalHeader()->hide();
    sgrdDefinitions->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrdDefinitions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrdDefinitions->horizontalHeader()->setSectionsMovable(false);
    sgrdDefinitions->horizontalHeader()->setHighlightSections(false);
    sgrdDefinitions->horizontalHeader()->setFixedHeight(17);
    sgrdDefinitions->setColumnWidth(0, 36);
    sgrdDefinitions->setColumnWidth(1, 36);
    sgrdDefinitions->verticalHeader()->setDefaultSectionSize(16);
    sgrdDefinitions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgrdDefinitions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sgrdDefinitions->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sgrdDefinitions->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgrdDefinitions->setTabKeyNavigation(true);
    sgrdDefinitions->setItemDelegate(new ImmediateDelegate(sgrdDefinitions));
}

std::vector<DefinitionRow> TScaleDefinition::GridRows() const {
    std::vector<DefinitionRow> rows;
    rows.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        const QTableWidgetItem* a = sgrdDefinitions->item(r, 0);
        const QTableWidgetItem* t = sgrdDefinitions->item(r, 1);
        rows.push_back({a ? a->text().toStdString() : std::string(), t ? t->text().toStdString() : std::string()});
    }
    return rows;
}

void TScaleDefinition::btnSaveClick() {
    if (!dialogs_.RunFileDialog(this, SaveDialog1)) return;
    try {
        WriteDefinition(GridRows(), SaveDialog1.fileName.toStdString());
    } catch (const EError& e) {
        dialogs_.Error(this, appTitle_, QString::fromStdString(ErrorBoxText(e.what())));
        return;
    }
    accept();
}

void TScaleDefinition::btnCancelClick() { reject(); }

void TScaleDefinition::keyPressEvent(QKeyEvent* e) {
    // Neither Enter nor Esc closes the editor.
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

}  // namespace sp
