#include "ui/main/MainWindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "base/Errors.h"
#include "base/SafeFile.h"
#include "scale/definition/DefinitionFile.h"
#include "scale/input/FieldTable.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/settings/IniFile.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/settings/Settings.h"
#include "scale/settings/SettingsLocation.h"
#include "ui/common/MaskEdit.h"
#include "ui/common/PictureTypes.h"
#include "ui/common/WindowFont.h"
#include "ui/definition/DefinitionEditor.h"
#include "ui/main/MainLayout.h"
#include "ui/preview/PlatePainter.h"
#include "ui/plate/PlateDesigner.h"
#include "ui/plate/PresetFolder.h"
#include "ui/preview/ScalePreview.h"
#include "ui/print/PrintPlate.h"

namespace sp {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// A control made by BuildMainLayout, found by its object name.
template <class T>
T* Control(const QWidget* form, const char* name) {
    T* c = form->findChild<T*>(name);
    Q_ASSERT(c);
    return c;
}

}  // namespace

MainWindow::MainWindow(const std::string& exePath, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      exePath_(exePath),
      settingsPath_(LocateSettings(exePath).file),
      title_(Q(ApplicationTitle(exePath))) {
    setObjectName("MainForm");
    setWindowTitle(title_);
    createControls();
    // Placed before startUp, so that a box shown at start is centred
    // where the window will appear, not at the screen's corner.
    centreOnScreen();
    startUp();
    setupPreview();
}

void MainWindow::createControls() {
    setFixedSize(FieldsPanelWidth, MainFormHeight);
    setFont(WindowFont());
    BuildMainLayout(this);
    findControls();
    for (QWidget* w : std::initializer_list<QWidget*>{cboxDual, cboxHalfSmall, cboxFrame, cboxMirror, btnManual,
                                                      btnSave, btnClose, btnPlate})
        w->installEventFilter(this);
    connect(btnManual, &QPushButton::clicked, this, &MainWindow::btnManualClick);
    connect(btnSave, &QPushButton::clicked, this, &MainWindow::btnSaveClick);
    connect(btnClose, &QPushButton::clicked, this, &MainWindow::btnCloseClick);
    connect(btnPlate, &QPushButton::clicked, this, &MainWindow::btnPlateClick);
    connect(btnPrint, &QPushButton::clicked, this, &MainWindow::btnPrintClick);

    // Esc presses "Koniec" (a changed masked field takes it first).
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, btnClose, &QPushButton::click);

    // The built-in texts and states, shown only when the settings do not load.
    SetFields(FieldColumn(&FieldRow::builtIn));
}

void MainWindow::findControls() {
    medtWidth = Control<TMaskEdit>(this, "medtWidth");
    medtHeight = Control<TMaskEdit>(this, "medtHeight");
    edtLAngle = Control<QLineEdit>(this, "edtLAngle");
    edtRAngle = Control<QLineEdit>(this, "edtRAngle");
    medtX = Control<TMaskEdit>(this, "medtX");
    medtY = Control<TMaskEdit>(this, "medtY");
    medtNumSegments = Control<TMaskEdit>(this, "medtNumSegments");
    medtSegmentLength = Control<TMaskEdit>(this, "medtSegmentLength");
    medtRadius = Control<TMaskEdit>(this, "medtRadius");
    medtFrameLine = Control<TMaskEdit>(this, "medtFrameLine");
    medtArchLine = Control<TMaskEdit>(this, "medtArchLine");
    medtSegmentWidth = Control<TMaskEdit>(this, "medtSegmentWidth");
    medtMasterSegment = Control<TMaskEdit>(this, "medtMasterSegment");
    medtCentralRadius = Control<TMaskEdit>(this, "medtCentralRadius");
    cboxDual = Control<QCheckBox>(this, "cboxDual");
    cboxHalfSmall = Control<QCheckBox>(this, "cboxHalfSmall");
    cboxFrame = Control<QCheckBox>(this, "cboxFrame");
    cboxMirror = Control<QCheckBox>(this, "cboxMirror");
    btnManual = Control<QPushButton>(this, "btnManual");
    btnSave = Control<QPushButton>(this, "btnSave");
    btnPrint = Control<QPushButton>(this, "btnPrint");
    btnClose = Control<QPushButton>(this, "btnClose");
    btnPlate = Control<QPushButton>(this, "btnPlate");
    medtWidth->setFocus();
}

void MainWindow::startUp() {
    bool created = true;
    try {
        CreateSettings(settingsPath_);
    } catch (const EError& e) {
        // The folder is not writable: the window keeps its built-in texts
        // and draws at 600 dpi; every command stays usable, and "Koniec"
        // reports the same write error again if the folder stays read-only.
        showError(e);
        created = false;
        Session.Params.Dpi = 600;
    }
    if (created) {
        FormFields f;
        LoadSettings(settingsPath_, f, Session.Params.Dpi);
        SetFields(f);
    }
    const QString folder = Q(DialogFolder(exePath_, settingsPath_));
    savePictureDialog_.title = "Uložiť súbor:";
    savePictureDialog_.defaultExt = "bmp";
    savePictureDialog_.filter = PictureFilter();
    savePictureDialog_.initialDir = folder;
    savePictureDialog_.preview = true;
    savePictureDialog_.forSave = true;
    openDefinitionDialog_ = DefinitionFileDialog("Otvoriť definičný súbor:", folder, false);
    Session.DefinitionList.clear();
    Session.DefinitionActive = false;
}

// Every field is filled and read through the control the field table names.
FormFields MainWindow::Fields() const {
    FormFields f;
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            f.*row.flag = findChild<QCheckBox*>(row.control)->isChecked();
        else if (row.kind == FieldKind::Masked)
            f.*row.text = S(findChild<TMaskEdit*>(row.control)->Value());
        else
            f.*row.text = S(findChild<QLineEdit*>(row.control)->text());
    }
    return f;
}

void MainWindow::SetFields(const FormFields& f) {
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            findChild<QCheckBox*>(row.control)->setChecked(f.*row.flag);
        else if (row.kind == FieldKind::Masked)
            findChild<TMaskEdit*>(row.control)->SetValue(Q(f.*row.text));
        else
            findChild<QLineEdit*>(row.control)->setText(Q(f.*row.text));
    }
}

void MainWindow::showError(const std::exception& e) { dialogs_.Error(this, title_, Q(ErrorBoxText(e.what()))); }

void MainWindow::btnSaveClick() {
    FormFields f = Fields();
    // The repaired angle texts show in the window whatever happens next.
    const auto showAngles = [&] {
        if (edtLAngle->text() != Q(f.leftAngle)) edtLAngle->setText(Q(f.leftAngle));
        if (edtRAngle->text() != Q(f.rightAngle)) edtRAngle->setText(Q(f.rightAngle));
    };
    try {
        const PictureResult r = RunPictureCommand(Session, f, [&] {
            showAngles();
            return askPictureFile();
        });
        showAngles();
        if (r.outcome == PictureResult::Message) dialogs_.Message(this, title_, Q(r.message));
        if (r.outcome == PictureResult::Saved && !r.warnings.empty()) {
            // Saved as asked; the user decides whether the overlap matters.
            std::string said = "Obrázok je uložený, ale:";
            for (const std::string& w : r.warnings) said += "\n" + w;
            dialogs_.Message(this, title_, Q(said));
        }
    } catch (const EError& e) {
        showAngles();
        showError(e);
    } catch (const std::bad_alloc&) {
        showAngles();
        showError(EOutOfResources());
    }
    schedulePreview();  // the command may have changed what the next one starts from
}

// The dialog shows the picture about to be saved; the chosen type decides
// the format.
std::optional<SaveTarget> MainWindow::askPictureFile() {
    savePictureDialog_.previewImage = QImage();
    if (preview_)
        if (const auto list = preview_->CurrentList()) savePictureDialog_.previewImage = PlateImage(*list, {200, 200});
    const auto name = dialogs_.RunFileDialog(this, savePictureDialog_);
    if (!name) return std::nullopt;
    return SaveTarget(S(*name), FormatOfType(savePictureDialog_.selectedFilter));
}

// The window's scale as a plate, printed at true size on a sheet.
void MainWindow::btnPrintClick() {
    FormFields f = Fields();
    ScaleParameters params = Session.Params;  // printing leaves the session as it was
    Plate plate;
    try {
        if (auto message = WindowPlate(params, f, Session.DefinitionList, Session.DefinitionActive, plate)) {
            dialogs_.Message(this, title_, Q(*message));
            return;
        }
    } catch (const EError& e) {
        showError(e);
        return;
    } catch (const std::bad_alloc&) {
        showError(EOutOfResources());
        return;
    }
    PrintPlate(this, plate, "", settingsPath_, dialogs_, title_);
}

void MainWindow::btnManualClick() {
    if (dialogs_.Confirm(this, "Chcete vytvoriť nový súbor?")) newDefinition();
    else openDefinition();
    schedulePreview();
}

// Yes: a definition typed into the editor, saved and read back.
void MainWindow::newDefinition() {
    if (!definitionEditor_) return;
    const FormFields f = Fields();  // a generated scale lies on this window's arc
    definitionEditor_->SetArc(f);
    if (!dialogs_.ShowModal(definitionEditor_)) return;
    if (!readDefinition(S(definitionEditor_->ChosenFileName()), "Definičný súbor nenájdený!")) return;
    if (Session.DefinitionList.size() < 2) {
        dialogs_.Message(this, title_, "Definičný súbor je príliš malý!");
        Session.DefinitionActive = false;
    }
}

// Any other answer: an existing definition file.
void MainWindow::openDefinition() {
    if (!dialogs_.RunFileDialog(this, openDefinitionDialog_)) return;
    readDefinition(S(openDefinitionDialog_.fileName), "Načítanie definičného súboru sa nepodarilo.");
}

// Chooses `name` for the next picture and reads it. A missing file says
// `notFound` and is not chosen; a file that cannot be read shows the error
// and stays chosen. False for either.
bool MainWindow::readDefinition(const std::string& name, const char* notFound) {
    Session.DefinitionActive = true;
    definitionName_ = name;
    if (!FileExists(name)) {
        dialogs_.Message(this, title_, notFound);
        Session.DefinitionActive = false;
        return false;
    }
    try {
        ReadDefinition(name, Session.DefinitionList);
    } catch (const EError& e) {
        showError(e);
        return false;
    }
    return true;
}

void MainWindow::btnCloseClick() {
    try {
        SaveSettings(settingsPath_, Fields());
    } catch (const EError& e) {
        showError(e);
        return;
    }
    Session.DefinitionList.clear();
    close();
}

// The designer keeps its plate between openings; the first time it shows
// the last plate file opened, else the plate of this window's scale.
void MainWindow::btnPlateClick() {
    if (!designer_) {
        designer_ = new PlateDesigner(settingsPath_, PresetFolder(exePath_), dialogs_, this);
        designer_->SetWindowPlateSource([this] { return windowPlate(); });
        designer_->SetPrintHandler([this](const Plate& plate, const std::string& folder) {
            PrintPlate(designer_, plate, folder, settingsPath_, dialogs_, title_);
        });
        const QString last = designer_->RecentFiles().value(0);
        if (last.isEmpty() || !QFileInfo(last).isFile() || !designer_->OpenFile(last))
            if (const auto plate = windowPlate()) designer_->StartWith(*plate, {});
    }
    designer_->show();
    designer_->raise();
    designer_->activateWindow();
}

// The plate of the picture "Uložiť obrázok" would save now; a refusal is
// shown as the command shows it.
std::optional<Plate> MainWindow::windowPlate() {
    ScaleParameters params = Session.Params;
    FormFields f = Fields();
    Plate plate;
    try {
        if (auto message = WindowPlate(params, f, Session.DefinitionList, Session.DefinitionActive, plate)) {
            dialogs_.Message(this, title_, Q(*message));
            return std::nullopt;
        }
    } catch (const EError& e) {
        showError(e);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        showError(EOutOfResources());
        return std::nullopt;
    }
    return plate;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // On a button or a check box the accelerator letter alone presses its button.
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::ShiftModifier) {
            QPushButton* target = nullptr;
            switch (k->key()) {
                case Qt::Key_M: target = btnManual; break;
                case Qt::Key_U: target = btnSave; break;
                case Qt::Key_K: target = btnClose; break;
                case Qt::Key_D: target = btnPlate; break;
                default: break;
            }
            if (target) {
                target->click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

// The preview panel right of the fields, unless the settings say
// [Window] Preview=0: then the window is the fixed one of the fields alone.
// The key is only read, never written, so the settings file stays as it was.
void MainWindow::setupPreview() {
    if (IniFile(settingsPath_).ReadNumber("Window", "Preview", 1) == 0) return;
    preview_ = new TScalePreview(this);
    setMinimumSize(FieldsPanelWidth + 200, MainFormHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(FieldsPanelWidth + 400, MainFormHeight);
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            connect(findChild<QCheckBox*>(row.control), &QCheckBox::toggled, this, &MainWindow::schedulePreview);
        else
            connect(findChild<QLineEdit*>(row.control), &QLineEdit::textChanged, this, &MainWindow::schedulePreview);
    }
    requestPreview();
}

// Several changes in one pass of the event loop give one request.
void MainWindow::schedulePreview() {
    if (!preview_ || previewScheduled_) return;
    previewScheduled_ = true;
    QTimer::singleShot(0, this, &MainWindow::requestPreview);
}

// A copy of what the next picture command starts from.
void MainWindow::requestPreview() {
    previewScheduled_ = false;
    if (!preview_) return;
    PreviewInput input;
    input.params = Session.Params;
    input.fields = Fields();
    input.definition = Session.DefinitionList;
    input.definitionActive = Session.DefinitionActive;
    input.definitionName = definitionName_;
    preview_->Request(std::move(input));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    if (preview_) preview_->setGeometry(FieldsPanelWidth, 0, width() - FieldsPanelWidth, height());
    QWidget::resizeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    // Centred again once the window has its frame.
    if (!centred_) {
        centreOnScreen();
        centred_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace sp
