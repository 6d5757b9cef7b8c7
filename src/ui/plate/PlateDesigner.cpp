#include "ui/plate/PlateDesigner.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "ui/plate/PlateCommand.h"
#include "ui/plate/PlatePanel.h"
#include "ui/preview/ScalePreview.h"

namespace sp {

namespace {

using K = PlateItemKind;

constexpr int RefRole = Qt::UserRole;

QVariant RefData(PlateItemRef r) { return QList<QVariant>{static_cast<int>(r.kind), r.index, r.sub}; }

PlateItemRef RefOf(const QTreeWidgetItem* item) {
    const QList<QVariant> v = item->data(0, RefRole).toList();
    return {static_cast<PlateItemKind>(v.value(0).toInt()), v.value(1).toInt(), v.value(2).toInt()};
}

bool Listed(PlateItemKind k) {
    return k == K::Scale || k == K::Row || k == K::Zone || k == K::Hole || k == K::Text || k == K::Mark;
}

}  // namespace

PlateDesigner::PlateDesigner(std::string settingsPath, std::string presetFolder, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      dialogs_(dialogs),
      settingsPath_(std::move(settingsPath)),
      presetFolder_(std::move(presetFolder)),
      caption_(QCoreApplication::applicationName()),
      plate_(EmptyPlate()) {
    setObjectName("PlateDesigner");
    createWidgets();
    createActions();
    createMenus();
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    connect(&undo_, &QUndoStack::indexChanged, this, &PlateDesigner::updateActions);
    loadSettings();
    setDocument(plate_, {}, {});
}

PlateDesigner::~PlateDesigner() = default;

void PlateDesigner::createWidgets() {
    splitter_ = new QSplitter(this);
    splitter_->setObjectName("splDesigner");
    splitter_->setChildrenCollapsible(false);
    tree_ = new QTreeWidget(splitter_);
    tree_->setObjectName("tvItems");
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(140);
    preview_ = new TScalePreview(splitter_);
    preview_->setMinimumWidth(300);  // the facts line whole
    panel_ = new TPlatePanel(dialogs_, splitter_);
    panel_->setMinimumWidth(290);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({200, 560, 320});
    setCentralWidget(splitter_);
    setMinimumSize(760, 480);
    resize(1100, 680);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &PlateDesigner::treeSelectionChanged);
    connect(panel_, &TPlatePanel::Edited, this,
            [this](const QString& text, const QString& key, const Plate& p) { edit(p, selected_, text, key); });
    connect(preview_, &TScalePreview::Painted, this, &PlateDesigner::Painted);
}

void PlateDesigner::createActions() {
    const auto make = [this](const char* name, const QString& text, QKeySequence key, auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    actNew_ = make("actNew", "&Nová...", QKeySequence::New, &PlateDesigner::newPlate);
    actOpen_ = make("actOpen", "&Otvoriť...", QKeySequence::Open, &PlateDesigner::open);
    actSave_ = make("actSave", "&Uložiť", QKeySequence::Save, &PlateDesigner::save);
    actSaveAs_ = make("actSaveAs", "Uložiť &ako...", QKeySequence("Ctrl+Shift+S"), &PlateDesigner::saveAs);
    actExport_ = make("actExport", "&Exportovať obrázok...", QKeySequence("Ctrl+E"), &PlateDesigner::exportPicture);
    // Printing is built elsewhere; SetPrintHandler connects it here.
    actPrint_ = make("actPrint", "&Tlačiť...", QKeySequence::Print, &PlateDesigner::print);
    actPrint_->setEnabled(false);
    actClose_ = make("actClose", "&Zavrieť", QKeySequence::Close, &QWidget::close);

    actUndo_ = undo_.createUndoAction(this, "&Späť");
    actUndo_->setObjectName("actUndo");
    actUndo_->setShortcut(QKeySequence::Undo);
    actRedo_ = undo_.createRedoAction(this, "&Znova");
    actRedo_->setObjectName("actRedo");
    actRedo_->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    actDuplicate_ = make("actDuplicate", "&Duplikovať", QKeySequence("Ctrl+D"), &PlateDesigner::duplicateItem);
    // Delete removes an item only where the tree has the focus; in a field
    // it deletes a letter.
    actDelete_ = make("actDelete", "&Odstrániť", QKeySequence::Delete, &PlateDesigner::deleteItem);
    actDelete_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tree_->addAction(actDelete_);
    actUp_ = make("actUp", "Posunúť &hore", QKeySequence("Ctrl+Up"), [this] { moveItem(-1); });
    actDown_ = make("actDown", "Posunúť &dole", QKeySequence("Ctrl+Down"), [this] { moveItem(+1); });
}

void PlateDesigner::createMenus() {
    QMenu* file = menuBar()->addMenu("&Súbor");
    file->addActions({actNew_, actOpen_});
    recentMenu_ = file->addMenu("Nedávne &súbory");
    recentMenu_->setObjectName("mnuRecent");
    file->addSeparator();
    file->addActions({actSave_, actSaveAs_});
    file->addSeparator();
    file->addActions({actExport_, actPrint_});
    file->addSeparator();
    file->addAction(actClose_);

    QMenu* editMenu = menuBar()->addMenu("Úp&ravy");
    editMenu->addActions({actUndo_, actRedo_});
    editMenu->addSeparator();
    addMenu_ = editMenu->addMenu("&Pridať");
    addMenu_->setObjectName("mnuAdd");
    for (PlateItemKind kind : AddableKinds()) {
        QAction* a = addMenu_->addAction(KindName(kind), this, [this, kind] { addItem(kind); });
        a->setObjectName(QString("actAdd%1").arg(static_cast<int>(kind)));
        a->setData(static_cast<int>(kind));
    }
    editMenu->addActions({actDuplicate_, actDelete_});
    editMenu->addSeparator();
    editMenu->addActions({actUp_, actDown_});
    // The tree's own menu: the same commands where the item is.
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_, &QWidget::customContextMenuRequested, this, [this, editMenu](const QPoint& at) {
        editMenu->popup(tree_->viewport()->mapToGlobal(at));
    });
}

void PlateDesigner::SetPrintHandler(std::function<void(const Plate&, const std::string&)> print) {
    print_ = std::move(print);
    actPrint_->setEnabled(static_cast<bool>(print_));
}

void PlateDesigner::print() {
    if (print_) print_(plate_, folder_.toStdString());
}

bool PlateDesigner::PreviewBusy() const { return preview_->Busy(); }

void PlateDesigner::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

// One change of the plate, as a command; pushing it shows the new plate.
void PlateDesigner::edit(const Plate& changed, PlateItemRef selected, const QString& text, const QString& mergeKey) {
    if (changed == plate_ && selected == selected_) return;
    undo_.push(new PlateCommand([this](const Plate& p, PlateItemRef r) { showPlate(p, r); }, plate_, selected_, changed,
                                selected, text, mergeKey));
}

void PlateDesigner::showPlate(const Plate& plate, PlateItemRef selected) {
    const bool treeChanged = ItemsOf(plate) != ItemsOf(plate_) || selected != selected_;
    plate_ = plate;
    selected_ = Exists(plate_, selected) ? selected : PlateItemRef{};
    if (treeChanged) {
        rebuildTree();
    } else {
        // A text or a unit typed renames its item.
        for (QTreeWidgetItemIterator it(tree_); *it; ++it) (*it)->setText(0, ItemTitle(plate_, RefOf(*it)));
    }
    panel_->Show(plate_, selected_);
    updateActions();
    requestPreview();
}

void PlateDesigner::addItem(PlateItemKind kind) {
    Plate changed = plate_;
    if (const auto ref = AddItem(changed, kind, selected_)) edit(changed, *ref, "Pridať – " + KindName(kind));
}

void PlateDesigner::duplicateItem() {
    Plate changed = plate_;
    if (const auto ref = DuplicateItem(changed, selected_))
        edit(changed, *ref, "Duplikovať – " + KindName(selected_.kind));
}

void PlateDesigner::deleteItem() {
    Plate changed = plate_;
    if (const auto ref = DeleteItem(changed, selected_)) edit(changed, *ref, "Odstrániť – " + KindName(selected_.kind));
}

void PlateDesigner::moveItem(int delta) {
    Plate changed = plate_;
    if (const auto ref = MoveItem(changed, selected_, delta))
        edit(changed, *ref, (delta < 0 ? "Posunúť hore – " : "Posunúť dole – ") + KindName(selected_.kind));
}

// The tree: the plate at the top, every other item under it, rows and zones
// under their scale.
void PlateDesigner::rebuildTree() {
    treeFilling_ = true;
    tree_->clear();
    QTreeWidgetItem* root = nullptr;
    QTreeWidgetItem* scale = nullptr;
    for (const PlateItemRef& ref : ItemsOf(plate_)) {
        QTreeWidgetItem* parent = ref.kind == K::Sheet ? nullptr : (ref.kind == K::Row || ref.kind == K::Zone) ? scale : root;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, ItemTitle(plate_, ref));
        item->setData(0, RefRole, RefData(ref));
        if (ref.kind == K::Sheet) root = item;
        if (ref.kind == K::Scale) scale = item;
        if (ref == selected_) tree_->setCurrentItem(item);
    }
    tree_->expandAll();
    treeFilling_ = false;
}

void PlateDesigner::treeSelectionChanged() {
    if (treeFilling_) return;
    const QList<QTreeWidgetItem*> items = tree_->selectedItems();
    selected_ = items.isEmpty() ? PlateItemRef{} : RefOf(items.first());
    panel_->Show(plate_, selected_);
    updateActions();
}

void PlateDesigner::updateActions() {
    const bool listed = Listed(selected_.kind) && Exists(plate_, selected_);
    actDuplicate_->setEnabled(listed);
    actDelete_->setEnabled(selected_.kind != K::Sheet);
    Plate probe = plate_;
    actUp_->setEnabled(listed && MoveItem(probe, selected_, -1).has_value());
    probe = plate_;
    actDown_->setEnabled(listed && MoveItem(probe, selected_, +1).has_value());
    for (QAction* a : addMenu_->actions())
        a->setEnabled(CanAdd(plate_, static_cast<PlateItemKind>(a->data().toInt()), selected_));
}

void PlateDesigner::updateTitle() {
    const QString name = fileName_.isEmpty() ? QString("Nová doska") : QFileInfo(fileName_).fileName();
    setWindowTitle(QString("%1[*] – Návrh dosky – %2").arg(name, caption_));
    setWindowModified(!undo_.isClean());
}

void PlateDesigner::requestPreview() {
    PreviewInput input;
    input.plate = plate_;
    input.plateName = (fileName_.isEmpty() ? QString("Nová doska") : QFileInfo(fileName_).fileName()).toStdString();
    input.plateFolder = folder_.toStdString();
    preview_->Request(std::move(input));
}

}  // namespace sp
