// The plate designer: a window in which a whole plate is built from its
// items. The tree of items on the left, the live picture in the middle (the
// main window's preview, drawing the plate off the window thread), the
// selected item's properties on the right. The document is a plain Plate;
// every change is one command on the undo stack, and the stack's clean state
// is the "unsaved" mark of the title. Files are the plate files of
// scaleplate-render --plate; pictures are exported through the same file
// types as the main window's "Uložiť obrázok".
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <string>

#include "scale/plate/Plate.h"
#include "ui/common/Dialogs.h"
#include "ui/plate/PlateEdits.h"

class QAction;
class QMenu;
class QSplitter;
class QTreeWidget;

namespace sp {

class TPlatePanel;
class TScalePreview;

class PlateDesigner : public QMainWindow {
    Q_OBJECT
public:
    // `settingsPath`: the settings file, whose [Designer] section keeps the
    // window's size, splitter and recent files. `presetFolder`: the plates
    // "Nová doska" offers (empty: none found).
    PlateDesigner(std::string settingsPath, std::string presetFolder, Dialogs& dialogs, QWidget* parent = nullptr);
    ~PlateDesigner() override;

    // Opens a plate file, asking first about unsaved changes; false when
    // the user cancelled or the file could not be read (the box was shown).
    bool OpenFile(const QString& fileName);
    // Starts an unnamed plate (asking first); definitions lie in `folder`.
    bool StartWith(const Plate& plate, const QString& folder);

    // Where "Nová doska" takes the main window's scale from (it shows the
    // window's refusal itself and gives nothing then); unset: not offered.
    void SetWindowPlateSource(std::function<std::optional<Plate>()> source) { windowPlate_ = std::move(source); }
    // The printing, connected from outside: enables "Tlačiť..." (Ctrl+P),
    // which calls `print` with the plate and the folder of its definitions.
    void SetPrintHandler(std::function<void(const Plate&, const std::string&)> print);

    const Plate& CurrentPlate() const { return plate_; }
    const QString& FileName() const { return fileName_; }
    // The plate files opened or saved last, newest first.
    const QStringList& RecentFiles() const { return recent_; }
    // True while a requested picture is not shown yet.
    bool PreviewBusy() const;

signals:
    // The newest plate's picture (or its refusal) has been painted.
    void Painted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createWidgets();
    void createActions();
    void createMenus();
    void loadSettings();
    void saveSettings();

    // Files (PlateDesignerFiles.cpp).
    bool maybeSave();
    void newPlate();
    void open();
    bool loadFile(const QString& fileName);
    bool save();
    bool saveAs();
    bool saveFile(const QString& fileName);
    void exportPicture();
    void print();
    void setDocument(const Plate& plate, const QString& fileName, const QString& folder);
    void addRecent(const QString& fileName);
    void updateRecentMenu();
    bool refused(const QString& doing);
    void showError(const std::exception& e);

    // Editing.
    void edit(const Plate& changed, PlateItemRef selected, const QString& text, const QString& mergeKey = {});
    void showPlate(const Plate& plate, PlateItemRef selected);
    void addItem(PlateItemKind kind);
    void duplicateItem();
    void deleteItem();
    void moveItem(int delta);
    void rebuildTree();
    void treeSelectionChanged();
    void updateActions();
    void updateTitle();
    void requestPreview();

    Dialogs& dialogs_;
    std::string settingsPath_, presetFolder_;
    QString caption_;  // the application's title, for boxes

    Plate plate_;
    PlateItemRef selected_;
    QString fileName_;  // empty while unnamed
    QString folder_;    // where the plate's definition files lie
    QUndoStack undo_;
    QStringList recent_;
    FileDialogSetup openDialog_, saveDialog_, exportDialog_;
    std::function<std::optional<Plate>()> windowPlate_;
    std::function<void(const Plate&, const std::string&)> print_;

    QSplitter* splitter_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    TScalePreview* preview_ = nullptr;
    TPlatePanel* panel_ = nullptr;
    QMenu *recentMenu_ = nullptr, *addMenu_ = nullptr;
    QAction *actNew_, *actOpen_, *actSave_, *actSaveAs_, *actExport_, *actPrint_, *actClose_;
    QAction *actUndo_, *actRedo_, *actDuplicate_, *actDelete_, *actUp_, *actDown_;
    bool treeFilling_ = false;
};

}  // namespace sp
