// The designer's files: new, open, save, export, the recent files and the
// [Designer] section of the settings.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>
#include <new>

#include "base/Errors.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateReader.h"
#include "scale/plate/PlateWriter.h"
#include "scale/settings/IniFile.h"
#include "ui/common/PictureTypes.h"
#include "ui/plate/PlateDesigner.h"
#include "ui/plate/PlatePanel.h"
#include "ui/preview/PlatePainter.h"
#include "ui/preview/ScalePreview.h"

namespace sp {

namespace {

constexpr const char* Section = "Designer";
constexpr int MaxRecent = 8;
const QString PlateFilter = "Doska (*.scaleplate)|*.scaleplate";

std::string S(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

QStringList PresetNames(const std::string& folder) {
    if (folder.empty()) return {};
    QStringList names = QDir(Q(folder)).entryList({"*.scaleplate"}, QDir::Files, QDir::Name);
    for (QString& n : names) n.chop(static_cast<int>(QString(".scaleplate").size()));
    return names;
}

}  // namespace

bool PlateDesigner::maybeSave() {
    if (undo_.isClean()) return true;
    switch (dialogs_.AskSave(this, caption_, "Uložiť zmeny v doske?")) {
        case Dialogs::SaveAnswer::Save: return save();
        case Dialogs::SaveAnswer::Discard: return true;
        case Dialogs::SaveAnswer::Cancel: break;
    }
    return false;
}

void PlateDesigner::setDocument(const Plate& plate, const QString& fileName, const QString& folder) {
    fileName_ = fileName;
    folder_ = folder;
    undo_.clear();
    plate_ = plate;
    selected_ = {};
    rebuildTree();
    panel_->Show(plate_, selected_);
    updateActions();
    updateTitle();
    requestPreview();
}

bool PlateDesigner::StartWith(const Plate& plate, const QString& folder) {
    if (!maybeSave()) return false;
    setDocument(plate, {}, folder);
    return true;
}

// The empty plate, the main window's scale when it can be had, the presets.
void PlateDesigner::newPlate() {
    QStringList items{"Prázdna doska"};
    if (windowPlate_) items << "Stupnica z hlavného okna";
    const QStringList presets = PresetNames(presetFolder_);
    for (const QString& p : presets) items << "Predloha: " + p;
    const auto chosen = dialogs_.Choose(this, "Nová doska", "Začať z:", items);
    if (!chosen || *chosen < 0) return;
    const int preset = *chosen - (windowPlate_ ? 2 : 1);
    if (*chosen == 0) {
        StartWith(EmptyPlate(), {});
    } else if (preset < 0) {
        if (const auto p = windowPlate_()) StartWith(*p, {});
    } else {
        const QString file = Q(presetFolder_) + "/" + presets[preset] + ".scaleplate";
        try {
            const Plate p = ReadPlateFile(S(file));
            StartWith(p, Q(presetFolder_));
        } catch (const EError& e) {
            showError(e);
        }
    }
}

void PlateDesigner::open() {
    if (!maybeSave()) return;
    openDialog_.title = "Otvoriť dosku:";
    openDialog_.filter = PlateFilter;
    openDialog_.defaultExt = "scaleplate";
    openDialog_.forSave = false;
    if (const auto name = dialogs_.RunFileDialog(this, openDialog_)) loadFile(*name);
}

bool PlateDesigner::OpenFile(const QString& fileName) { return maybeSave() && loadFile(fileName); }

bool PlateDesigner::loadFile(const QString& fileName) {
    try {
        const Plate p = ReadPlateFile(S(fileName));
        setDocument(p, QFileInfo(fileName).absoluteFilePath(), QFileInfo(fileName).absolutePath());
    } catch (const EError& e) {
        showError(e);
        return false;
    }
    addRecent(fileName_);
    return true;
}

bool PlateDesigner::save() { return fileName_.isEmpty() ? saveAs() : saveFile(fileName_); }

bool PlateDesigner::saveAs() {
    saveDialog_.title = "Uložiť dosku ako:";
    saveDialog_.filter = PlateFilter;
    saveDialog_.defaultExt = "scaleplate";
    saveDialog_.forSave = true;
    saveDialog_.fileName = fileName_.isEmpty() ? QString("doska.scaleplate") : fileName_;
    const auto name = dialogs_.RunFileDialog(this, saveDialog_);
    return name && saveFile(*name);
}

// A plate the file reader would refuse is not written: the file could not
// be opened again. The box says why.
bool PlateDesigner::refused(const QString& doing) {
    try {
        CheckPlate(plate_, S(fileName_.isEmpty() ? QString("Nová doska") : QFileInfo(fileName_).fileName()));
    } catch (const EPlateInput& e) {
        dialogs_.Error(this, caption_, doing + "\n" + Q(e.what()));
        return true;
    }
    return false;
}

bool PlateDesigner::saveFile(const QString& fileName) {
    if (refused("Doska sa neuložila:")) return false;
    try {
        WritePlateFile(plate_, S(fileName));
    } catch (const EError& e) {
        showError(e);
        return false;
    }
    const QFileInfo info(fileName);
    // Definition files named relative to the old folder stay where they were
    // only when the folder stays; a new folder is where they are looked for.
    fileName_ = info.absoluteFilePath();
    folder_ = info.absolutePath();
    undo_.setClean();
    updateTitle();
    addRecent(fileName_);
    requestPreview();
    return true;
}

void PlateDesigner::exportPicture() {
    if (refused("Obrázok sa neuložil:")) return;
    exportDialog_.title = "Exportovať obrázok:";
    exportDialog_.filter = PictureFilter();
    exportDialog_.defaultExt = "png";
    exportDialog_.forSave = true;
    exportDialog_.preview = true;
    if (exportDialog_.selectedFilter.isEmpty()) exportDialog_.selectedFilter = TypeOfFormat(OutputFormat::Png);
    if (exportDialog_.fileName.isEmpty() && !fileName_.isEmpty())
        exportDialog_.fileName = QFileInfo(fileName_).path() + "/" + QFileInfo(fileName_).completeBaseName() + "." +
                                 FilterExtension(exportDialog_.selectedFilter);
    exportDialog_.previewImage = QImage();
    if (const auto list = preview_->CurrentList()) exportDialog_.previewImage = PlateImage(*list, {200, 200});
    const auto name = dialogs_.RunFileDialog(this, exportDialog_);
    if (!name) return;
    try {
        WritePlatePicture(plate_, S(folder_), FormatOfType(exportDialog_.selectedFilter), S(*name));
    } catch (const EError& e) {
        showError(e);
    } catch (const std::bad_alloc&) {
        showError(EOutOfResources());
    }
}

void PlateDesigner::showError(const std::exception& e) { dialogs_.Error(this, caption_, Q(ErrorBoxText(e.what()))); }

void PlateDesigner::addRecent(const QString& fileName) {
    recent_.removeAll(fileName);
    recent_.prepend(fileName);
    while (recent_.size() > MaxRecent) recent_.removeLast();
    updateRecentMenu();
}

void PlateDesigner::updateRecentMenu() {
    recentMenu_->clear();
    for (int i = 0; i < recent_.size(); ++i) {
        const QString file = recent_[i];
        QAction* a = recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()), this,
                                            [this, file] { OpenFile(file); });
        a->setObjectName(QString("actRecent%1").arg(i + 1));
        a->setToolTip(file);
        a->setStatusTip(file);
    }
    recentMenu_->setEnabled(!recent_.isEmpty());
}

// The window's size, the splitter's parts and the recent files, in the
// [Designer] section; no other section is read or written here.
void PlateDesigner::loadSettings() {
    const IniFile ini(settingsPath_);
    const int w = ini.ReadNumber(Section, "Width", 0), h = ini.ReadNumber(Section, "Height", 0);
    if (w > 0 && h > 0) resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
    QList<int> sizes;
    for (const QString& part : Q(ini.ReadText(Section, "Splitter", "")).split(',', Qt::SkipEmptyParts))
        sizes << part.toInt();
    if (sizes.size() == 3) splitter_->setSizes(sizes);
    recent_.clear();
    for (int i = 1; i <= MaxRecent; ++i) {
        const QString file = Q(ini.ReadText(Section, "Recent" + std::to_string(i), ""));
        if (!file.isEmpty()) recent_ << file;
    }
    updateRecentMenu();
}

void PlateDesigner::saveSettings() {
    IniFile ini(settingsPath_);
    QStringList sizes;
    for (int s : splitter_->sizes()) sizes << QString::number(s);
    try {
        ini.WriteNumber(Section, "Width", width());
        ini.WriteNumber(Section, "Height", height());
        ini.WriteText(Section, "Splitter", S(sizes.join(',')));
        for (int i = 1; i <= MaxRecent; ++i)
            ini.WriteText(Section, "Recent" + std::to_string(i), i <= recent_.size() ? S(recent_[i - 1]) : "");
    } catch (const EError& e) {
        showError(e);
    }
}

}  // namespace sp
