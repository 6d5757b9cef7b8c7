#include "ui/main/MainUnit.h"

#include <QCheckBox>
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
#include "scale/settings/IniFile.h"
#include "scale/plate/PlateFromWindow.h"
#include "scale/settings/Settings.h"
#include "scale/settings/SettingsLocation.h"
#include "ui/common/MaskEdit.h"
#include "ui/common/WindowFont.h"
#include "ui/definition/DefinitionUnit.h"
#include "ui/main/MainLayout.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/preview/ScalePreview.h"
#include "ui/print/PrintPlate.h"

namespace sp {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The picture-save dialog's types; the first is the default, and with it any
// name gives a BMP, as the window always wrote.
struct PictureType {
    const char* description;
    const char* extension;
    OutputFormat format;
};
constexpr PictureType PictureTypes[] = {{"Bitmaps (*.bmp)", "bmp", OutputFormat::Bmp},
                                        {"PNG (*.png)", "png", OutputFormat::Png},
                                        {"SVG (*.svg)", "svg", OutputFormat::Svg},
                                        {"PDF (*.pdf)", "pdf", OutputFormat::Pdf}};

QString PictureFilter() {
    QStringList parts;
    for (const PictureType& t : PictureTypes)
        if (CanWrite(t.format)) parts << t.description << QString("*.") + t.extension;
    return parts.join('|');
}

OutputFormat FormatOfType(const QString& description) {
    for (const PictureType& t : PictureTypes)
        if (description == t.description) return t.format;
    return OutputFormat::Bmp;
}

// A control made by BuildMainLayout, found by its object name.
template <class T>
T* Control(const QWidget* form, const char* name) {
    T* c = form->findChild<T*>(name);
    Q_ASSERT(c);
    return c;
}

}  // namespace

TMainForm::TMainForm(const std::string& exePath, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      exePath_(exePath),
      settingsPath_(LocateSettings(exePath).file),
      title_(Q(ApplicationTitle(exePath))) {
    setObjectName("MainForm");
    setWindowTitle(title_);
    createControls();
    // Placed before FormCreate, so that a box shown at start is centred
    // where the window will appear, not at the screen's corner.
    centreOnScreen();
    FormCreate();
    setupPreview();
}

void TMainForm::createControls() {
    setFixedSize(488, MainFormHeight);
    setFont(WindowFont());
    BuildMainLayout(this);
    findControls();
    for (QWidget* w : std::initializer_list<QWidget*>{cboxDual, cboxHalfSmall, cboxFrame, cboxMirror, btnManual,
                                                      btnSave, btnClose})
        w->installEventFilter(this);
    connect(btnManual, &QPushButton::clicked, this, &TMainForm::btnManualClick);
    connect(btnSave, &QPushButton::clicked, this, &TMainForm::btnSaveClick);
    connect(btnClose, &QPushButton::clicked, this, &TMainForm::btnCloseClick);
    connect(btnPrint, &QPushButton::clicked, this, &TMainForm::btnPrintClick);

    // Esc presses "Koniec" (a changed masked field takes it first).
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, btnClose, &QPushButton::click);

    // The built-in texts and states, shown only when the settings do not load.
    SetFields(FieldColumn(&FieldRow::builtIn));
}

void TMainForm::findControls() {
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
    medtWidth->setFocus();
}

void TMainForm::FormCreate() {
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
    SavePictureDialog1.title = "Uložiť súbor:";
    SavePictureDialog1.defaultExt = "bmp";
    SavePictureDialog1.filter = PictureFilter();
    SavePictureDialog1.initialDir = folder;
    SavePictureDialog1.preview = true;
    SavePictureDialog1.forSave = true;
    OpenDialog1.title = "Otvoriť definičný súbor:";
    OpenDialog1.filter = "Textový súbor (*.txt)|*.txt";
    OpenDialog1.defaultExt = "txt";
    OpenDialog1.fileName = "scale.txt";
    OpenDialog1.initialDir = folder;
    OpenDialog1.forSave = false;
    Session.DefinitionList.clear();
    Session.DefinitionActive = false;
}

// Every field is filled and read through the control the field table names.
FormFields TMainForm::Fields() const {
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

void TMainForm::SetFields(const FormFields& f) {
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            findChild<QCheckBox*>(row.control)->setChecked(f.*row.flag);
        else if (row.kind == FieldKind::Masked)
            findChild<TMaskEdit*>(row.control)->SetValue(Q(f.*row.text));
        else
            findChild<QLineEdit*>(row.control)->setText(Q(f.*row.text));
    }
}

void TMainForm::showError(const std::exception& e) { dialogs_.Error(this, title_, Q(ErrorBoxText(e.what()))); }

void TMainForm::btnSaveClick() {
    FormFields f = Fields();
    // The repaired angle texts show in the window whatever happens next.
    const auto showAngles = [&] {
        if (edtLAngle->text() != Q(f.edtLAngle)) edtLAngle->setText(Q(f.edtLAngle));
        if (edtRAngle->text() != Q(f.edtRAngle)) edtRAngle->setText(Q(f.edtRAngle));
    };
    try {
        const PictureResult r = RunPictureCommand(Session, f, [&] {
            showAngles();
            return askPictureFile();
        });
        showAngles();
        if (r.outcome == PictureResult::Message) dialogs_.Message(this, title_, Q(r.message));
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
std::optional<SaveTarget> TMainForm::askPictureFile() {
    SavePictureDialog1.previewImage = QImage();
    if (preview_)
        if (const auto list = preview_->CurrentList()) SavePictureDialog1.previewImage = PlateImage(*list, {200, 200});
    const auto name = dialogs_.RunFileDialog(this, SavePictureDialog1);
    if (!name) return std::nullopt;
    return SaveTarget(S(*name), FormatOfType(SavePictureDialog1.selectedFilter));
}

// The window's scale as a plate, printed at true size on a sheet.
void TMainForm::btnPrintClick() {
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

void TMainForm::btnManualClick() {
    if (dialogs_.Confirm(this, "Chcete vytvoriť nový súbor?")) newDefinition();
    else openDefinition();
    schedulePreview();
}

// Yes: a definition typed into the editor, saved and read back.
void TMainForm::newDefinition() {
    if (!ScaleDefinition) return;
    const FormFields f = Fields();  // a generated scale lies on this window's arc
    ScaleDefinition->SetArc({f.edtLAngle, f.edtRAngle, f.medtRadius});
    if (!dialogs_.ShowModal(ScaleDefinition)) return;
    Session.DefinitionActive = true;
    const std::string name = S(ScaleDefinition->ChosenFileName());
    definitionName_ = name;
    if (!FileExists(name)) {
        dialogs_.Message(this, title_, "Definičný súbor nenájdený!");
        Session.DefinitionActive = false;
        return;
    }
    try {
        ReadDefinition(name, Session.DefinitionList);
    } catch (const EError& e) {
        showError(e);
        return;
    }
    if (Session.DefinitionList.size() < 2) {
        dialogs_.Message(this, title_, "Definičný súbor je príliš malý!");
        Session.DefinitionActive = false;
    }
}

// Any other answer: an existing definition file.
void TMainForm::openDefinition() {
    if (!dialogs_.RunFileDialog(this, OpenDialog1)) return;
    Session.DefinitionActive = true;
    const std::string name = S(OpenDialog1.fileName);
    definitionName_ = name;
    if (!FileExists(name)) {
        dialogs_.Message(this, title_, "Načítanie definičného súboru sa nepodarilo.");
        Session.DefinitionActive = false;
        return;
    }
    try {
        ReadDefinition(name, Session.DefinitionList);
    } catch (const EError& e) {
        showError(e);
    }
}

void TMainForm::btnCloseClick() {
    try {
        SaveSettings(settingsPath_, Fields());
    } catch (const EError& e) {
        showError(e);
        return;
    }
    Session.DefinitionList.clear();
    close();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // On a button or a check box the accelerator letter alone presses its button.
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->modifiers() == Qt::NoModifier || k->modifiers() == Qt::ShiftModifier) {
            QPushButton* target = nullptr;
            switch (k->key()) {
                case Qt::Key_M: target = btnManual; break;
                case Qt::Key_U: target = btnSave; break;
                case Qt::Key_K: target = btnClose; break;
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

void TMainForm::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

// The preview panel right of the fields, unless the settings say
// [Window] Preview=0: then the window is the fixed one of the fields alone.
// The key is only read, never written, so the settings file stays as it was.
void TMainForm::setupPreview() {
    if (IniFile(settingsPath_).ReadNumber("Window", "Preview", 1) == 0) return;
    preview_ = new TScalePreview(this);
    setMinimumSize(488 + 200, MainFormHeight);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(488 + 400, MainFormHeight);
    for (const FieldRow& row : FieldTable()) {
        if (row.kind == FieldKind::Check)
            connect(findChild<QCheckBox*>(row.control), &QCheckBox::toggled, this, &TMainForm::schedulePreview);
        else
            connect(findChild<QLineEdit*>(row.control), &QLineEdit::textChanged, this, &TMainForm::schedulePreview);
    }
    requestPreview();
}

// Several changes in one pass of the event loop give one request.
void TMainForm::schedulePreview() {
    if (!preview_ || previewScheduled_) return;
    previewScheduled_ = true;
    QTimer::singleShot(0, this, &TMainForm::requestPreview);
}

// A copy of what the next picture command starts from.
void TMainForm::requestPreview() {
    previewScheduled_ = false;
    if (!preview_) return;
    preview_->Request({Session.Params, Fields(), Session.DefinitionList, Session.DefinitionActive, definitionName_});
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    if (preview_) preview_->setGeometry(488, 0, width() - 488, height());
    QWidget::resizeEvent(event);
}

void TMainForm::showEvent(QShowEvent* event) {
    // Centred again once the window has its frame.
    if (!centred_) {
        centreOnScreen();
        centred_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace sp
