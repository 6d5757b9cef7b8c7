#include "MainUnit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "DefinitionFile.h"
#include "DefinitionUnit.h"
#include "Errors.h"
#include "MaskEdit.h"
#include "SafeFile.h"
#include "Settings.h"
#include "SettingsLocation.h"

namespace sp {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QFont Bold(QFont f) {
    f.setBold(true);
    return f;
}

// What the window holds before the settings are loaded.
FormFields BuiltInFields() {
    FormFields f;
    f.medtWidth = "80";
    f.medtHeight = "40";
    f.edtLAngle = "135";
    f.edtRAngle = "45";
    f.medtX = "40";
    f.medtY = "5";
    f.medtNumSegments = "15";
    f.medtSegmentLength = "3";
    f.medtRadius = "30";
    f.medtFrameLine = "1";
    f.medtArchLine = "2";
    f.medtSegmentWidth = "1";
    f.medtMasterSegment = "5";
    f.medtCentralRadius = "30";
    f.cboxMirror = true;
    return f;
}

}  // namespace

// The older program's font was MS Sans Serif at 8 points (11 pixels);
// Liberation Sans has near the same widths, so the labels fit where the
// layout puts them. The weight is set explicitly so that labels inside a
// bold group box stay regular.
QFont WindowFont() {
    QFont f;
    f.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "Nimbus Sans"});
    f.setPixelSize(11);
    f.setWeight(QFont::Normal);
    return f;
}

namespace {

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
    setTabOrder();
    FormCreate();
}

void TMainForm::createControls() {
    setFixedSize(488, 298);
    setFont(WindowFont());
    QFont base = font();

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, 488, 298);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    const auto group = [&](QGroupBox*& g, const char* name, const char* caption, int l, int t, int w, int h) {
        g = new QGroupBox(caption, Panel1);
        g->setObjectName(name);
        g->setGeometry(l, t, w, h);
        g->setFont(Bold(base));
    };
    group(gboxDimensions, "gboxDimensions", " Rozmery: ", 8, 8, 153, 97);
    group(gboxAngles, "gboxAngles", " Uhly: ", 168, 8, 153, 97);
    group(gboxCenter, "gboxCenter", " Stred: ", 328, 8, 153, 97);
    group(gboxScale, "gboxScale", " Stupnica: ", 8, 112, 473, 137);

    const auto label = [&](QLabel*& l, const char* name, const char* text, QWidget* parent, int x, int y) {
        l = new QLabel(text, parent);
        l->setObjectName(name);
        l->setFont(base);
        l->adjustSize();
        l->move(x, y);
    };
    const auto masked = [&](TMaskEdit*& m, const char* name, int positions, QWidget* parent, int x, int y, int w) {
        m = new TMaskEdit(positions, parent);
        m->setObjectName(name);
        m->setFont(Bold(base));
        m->setGeometry(x, y, w, 21);
    };
    const auto plain = [&](QLineEdit*& e, const char* name, int x, int y) {
        e = new QLineEdit(gboxAngles);
        e->setObjectName(name);
        e->setFont(Bold(base));
        e->setGeometry(x, y, 41, 21);
    };
    const auto check = [&](QCheckBox*& c, const char* name, const char* caption, int x, int y, int w) {
        c = new QCheckBox(caption, gboxScale);
        c->setObjectName(name);
        c->setFont(base);
        c->setGeometry(x, y, w, 17);
        c->installEventFilter(this);
    };

    label(Label1, "Label1", "Šírka [mm]:", gboxDimensions, 16, 28);
    masked(medtWidth, "medtWidth", 3, gboxDimensions, 88, 24, 42);
    label(Label2, "Label2", "Výška [mm]:", gboxDimensions, 16, 58);
    masked(medtHeight, "medtHeight", 3, gboxDimensions, 88, 56, 42);

    label(Label3, "Label3", "Ľavý uhol [deg]:", gboxAngles, 8, 28);
    plain(edtLAngle, "edtLAngle", 96, 24);
    label(Label4, "Label4", "Pravý uhol [deg]:", gboxAngles, 8, 58);
    plain(edtRAngle, "edtRAngle", 96, 56);

    label(Label8, "Label8", "X [mm]:", gboxCenter, 32, 28);
    masked(medtX, "medtX", 3, gboxCenter, 88, 24, 42);
    label(Label9, "Label9", "Y [mm]:", gboxCenter, 32, 58);
    masked(medtY, "medtY", 3, gboxCenter, 88, 56, 42);

    label(lblNumSegments, "lblNumSegments", "Počet segmentov:", gboxScale, 16, 18);
    masked(medtNumSegments, "medtNumSegments", 3, gboxScale, 128, 12, 41);
    label(lblSegmentLength, "lblSegmentLength", " Dĺžka segmentu [mm]:", gboxScale, 16, 48);
    masked(medtSegmentLength, "medtSegmentLength", 3, gboxScale, 128, 42, 42);
    check(cboxDual, "cboxDual", "Zdvojený oblúk", 180, 16, 97);
    label(lblRadius, "lblRadius", "Polomer [mm]:", gboxScale, 16, 78);
    masked(medtRadius, "medtRadius", 3, gboxScale, 128, 72, 41);
    check(cboxHalfSmall, "cboxHalfSmall", "Malé polovičné", 180, 46, 105);
    check(cboxFrame, "cboxFrame", " Orámovanie: ", 180, 76, 89);
    label(lblLineWidth, "lblLineWidth", "Hrúbka čiary [pix]:", gboxScale, 292, 78);
    masked(medtFrameLine, "medtFrameLine", 2, gboxScale, 408, 72, 38);
    label(lblArchWidth, "lblArchWidth", "Hrúbka oblúka [pix]:", gboxScale, 292, 48);
    masked(medtArchLine, "medtArchLine", 2, gboxScale, 408, 42, 37);
    label(lblSegmentWidth, "lblSegmentWidth", "Hrúbka segmentu [pix]:", gboxScale, 292, 18);
    masked(medtSegmentWidth, "medtSegmentWidth", 2, gboxScale, 408, 12, 38);
    label(lblMasterSegment, "lblMasterSegment", "Hlavný segment každý", gboxScale, 16, 108);
    masked(medtMasterSegment, "medtMasterSegment", 3, gboxScale, 128, 102, 40);
    label(lblCentralRadius, "lblCentralRadius", "Polomer stredu [mm]:", gboxScale, 292, 108);
    masked(medtCentralRadius, "medtCentralRadius", 3, gboxScale, 408, 102, 41);
    check(cboxMirror, "cboxMirror", "Prehodiť stranovo", 180, 106, 113);

    pnlBotom = new QFrame(Panel1);
    pnlBotom->setObjectName("pnlBotom");
    pnlBotom->setGeometry(2, 255, 484, 41);
    const auto button = [&](QPushButton*& b, const char* name, const char* caption, int left) {
        b = new QPushButton(caption, pnlBotom);
        b->setObjectName(name);
        b->setFont(Bold(base));
        b->setGeometry(left, 8, 129, 25);
        b->setAutoDefault(false);
        b->installEventFilter(this);
    };
    button(btnManual, "btnManual", "&Manuálna definícia", 32);
    button(btnSave, "btnSave", "&Uložiť obrázok", 168);
    button(btnClose, "btnClose", "&Koniec", 304);
    connect(btnManual, &QPushButton::clicked, this, &TMainForm::btnManualClick);
    connect(btnSave, &QPushButton::clicked, this, &TMainForm::btnSaveClick);
    connect(btnClose, &QPushButton::clicked, this, &TMainForm::btnCloseClick);

    // Esc presses "Koniec" (a changed masked field takes it first).
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, btnClose, &QPushButton::click);

    // The built-in texts and states, shown only when the settings do not load.
    SetFields(BuiltInFields());
}

void TMainForm::setTabOrder() {
    const QWidget* order[] = {medtWidth,        medtHeight,       edtLAngle,        edtRAngle,    medtX,
                              medtY,            medtNumSegments,  medtSegmentLength, cboxDual,     medtRadius,
                              cboxHalfSmall,    cboxFrame,        medtFrameLine,    medtArchLine, medtSegmentWidth,
                              medtMasterSegment, medtCentralRadius, cboxMirror,      btnClose,     btnSave,
                              btnManual};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
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
    SavePictureDialog1.filter = "Bitmaps (*.bmp)|*.bmp";
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

// Each field of FormFields with the control that holds it: one list for
// reading the window and for filling it.
struct TMainForm::Binding {
    std::string FormFields::*text;
    QLineEdit* edit;  // a TMaskEdit for every field but the two angles
    bool FormFields::*flag;
    QCheckBox* box;
};

std::vector<TMainForm::Binding> TMainForm::Bindings() const {
    using F = FormFields;
    return {
        {&F::medtWidth, medtWidth, nullptr, nullptr},
        {&F::medtHeight, medtHeight, nullptr, nullptr},
        {&F::edtLAngle, edtLAngle, nullptr, nullptr},
        {&F::edtRAngle, edtRAngle, nullptr, nullptr},
        {&F::medtX, medtX, nullptr, nullptr},
        {&F::medtY, medtY, nullptr, nullptr},
        {&F::medtNumSegments, medtNumSegments, nullptr, nullptr},
        {&F::medtSegmentLength, medtSegmentLength, nullptr, nullptr},
        {&F::medtRadius, medtRadius, nullptr, nullptr},
        {&F::medtCentralRadius, medtCentralRadius, nullptr, nullptr},
        {&F::medtFrameLine, medtFrameLine, nullptr, nullptr},
        {&F::medtArchLine, medtArchLine, nullptr, nullptr},
        {&F::medtSegmentWidth, medtSegmentWidth, nullptr, nullptr},
        {&F::medtMasterSegment, medtMasterSegment, nullptr, nullptr},
        {nullptr, nullptr, &F::cboxDual, cboxDual},
        {nullptr, nullptr, &F::cboxHalfSmall, cboxHalfSmall},
        {nullptr, nullptr, &F::cboxFrame, cboxFrame},
        {nullptr, nullptr, &F::cboxMirror, cboxMirror},
    };
}

FormFields TMainForm::Fields() const {
    FormFields f;
    for (const Binding& b : Bindings()) {
        if (b.box) {
            f.*b.flag = b.box->isChecked();
        } else if (auto* masked = qobject_cast<TMaskEdit*>(b.edit)) {
            f.*b.text = S(masked->Value());
        } else {
            f.*b.text = S(b.edit->text());
        }
    }
    return f;
}

void TMainForm::SetFields(const FormFields& f) {
    for (const Binding& b : Bindings()) {
        if (b.box) {
            b.box->setChecked(f.*b.flag);
        } else if (auto* masked = qobject_cast<TMaskEdit*>(b.edit)) {
            masked->SetValue(Q(f.*b.text));
        } else {
            b.edit->setText(Q(f.*b.text));
        }
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
        const PictureResult r = RunPictureCommand(Session, f, [&](const TBitmap&) -> std::optional<std::string> {
            showAngles();
            if (auto name = dialogs_.RunFileDialog(this, SavePictureDialog1)) return S(*name);
            return std::nullopt;
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
}

void TMainForm::btnManualClick() {
    if (dialogs_.Confirm(this, "Chcete vytvoriť nový súbor?")) {
        if (!ScaleDefinition || !dialogs_.ShowModal(ScaleDefinition)) return;
        Session.DefinitionActive = true;
        const std::string name = S(ScaleDefinition->ChosenFileName());
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
        return;
    }
    if (!dialogs_.RunFileDialog(this, OpenDialog1)) return;
    Session.DefinitionActive = true;
    const std::string name = S(OpenDialog1.fileName);
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

void TMainForm::showEvent(QShowEvent* event) {
    if (!centred_) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect r = frameGeometry();
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
        centred_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace sp
