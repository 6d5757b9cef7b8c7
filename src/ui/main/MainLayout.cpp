#include "ui/main/MainLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "text/TextLayout.h"
#include "ui/common/Button.h"
#include "ui/common/MaskEdit.h"
#include "ui/common/WindowFont.h"

namespace sp {

// The older program's font was MS Sans Serif at 8 points (11 pixels);
// Liberation Sans has near the same widths, so the labels fit where the
// layout puts them. The weight is set explicitly so that labels inside a
// bold group box stay regular.
namespace {

enum class Kind { Group, Panel, Label, Masked, Plain, Check, Button, FontChoice };

// One control: its kind, object name, caption (a label's text), the object
// name of its parent, and its place. A label takes its natural size (width
// and height 0); a masked field's `digits` is the number of its positions.
struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    const char* parent;
    int left, top, width, height, digits;
};

// In creation order: a parent comes before its children.
constexpr Control Controls[] = {
    {Kind::Group, "gboxDimensions", " Rozmery: ", "Panel1", 8, 8, 153, 97, 0},
    {Kind::Group, "gboxAngles", " Uhly: ", "Panel1", 168, 8, 153, 97, 0},
    {Kind::Group, "gboxCenter", " Stred: ", "Panel1", 328, 8, 153, 97, 0},
    {Kind::Group, "gboxScale", " Stupnica: ", "Panel1", 8, 112, 473, 137, 0},

    {Kind::Label, "lblWidth", "Šírka [mm]:", "gboxDimensions", 16, 28, 0, 0, 0},
    {Kind::Masked, "medtWidth", nullptr, "gboxDimensions", 88, 24, 42, 21, 3},
    {Kind::Label, "lblHeight", "Výška [mm]:", "gboxDimensions", 16, 58, 0, 0, 0},
    {Kind::Masked, "medtHeight", nullptr, "gboxDimensions", 88, 56, 42, 21, 3},

    {Kind::Label, "lblLeftAngle", "Ľavý uhol [deg]:", "gboxAngles", 8, 28, 0, 0, 0},
    {Kind::Plain, "edtLAngle", nullptr, "gboxAngles", 96, 24, 41, 21, 0},
    {Kind::Label, "lblRightAngle", "Pravý uhol [deg]:", "gboxAngles", 8, 58, 0, 0, 0},
    {Kind::Plain, "edtRAngle", nullptr, "gboxAngles", 96, 56, 41, 21, 0},

    {Kind::Label, "lblX", "X [mm]:", "gboxCenter", 32, 28, 0, 0, 0},
    {Kind::Masked, "medtX", nullptr, "gboxCenter", 88, 24, 42, 21, 3},
    {Kind::Label, "lblY", "Y [mm]:", "gboxCenter", 32, 58, 0, 0, 0},
    {Kind::Masked, "medtY", nullptr, "gboxCenter", 88, 56, 42, 21, 3},

    {Kind::Label, "lblNumSegments", "Počet segmentov:", "gboxScale", 16, 18, 0, 0, 0},
    {Kind::Masked, "medtNumSegments", nullptr, "gboxScale", 128, 12, 41, 21, 3},
    {Kind::Label, "lblSegmentLength", " Dĺžka segmentu [mm]:", "gboxScale", 16, 48, 0, 0, 0},
    {Kind::Masked, "medtSegmentLength", nullptr, "gboxScale", 128, 42, 42, 21, 3},
    {Kind::Check, "cboxDual", "Zdvojený oblúk", "gboxScale", 180, 16, 97, 17, 0},
    {Kind::Label, "lblRadius", "Polomer [mm]:", "gboxScale", 16, 78, 0, 0, 0},
    {Kind::Masked, "medtRadius", nullptr, "gboxScale", 128, 72, 41, 21, 3},
    {Kind::Check, "cboxHalfSmall", "Malé polovičné", "gboxScale", 180, 46, 105, 17, 0},
    {Kind::Check, "cboxFrame", " Orámovanie: ", "gboxScale", 180, 76, 89, 17, 0},
    {Kind::Label, "lblLineWidth", "Hrúbka čiary [pix]:", "gboxScale", 292, 78, 0, 0, 0},
    {Kind::Masked, "medtFrameLine", nullptr, "gboxScale", 408, 72, 38, 21, 2},
    {Kind::Label, "lblArchWidth", "Hrúbka oblúka [pix]:", "gboxScale", 292, 48, 0, 0, 0},
    {Kind::Masked, "medtArchLine", nullptr, "gboxScale", 408, 42, 37, 21, 2},
    {Kind::Label, "lblSegmentWidth", "Hrúbka segmentu [pix]:", "gboxScale", 292, 18, 0, 0, 0},
    {Kind::Masked, "medtSegmentWidth", nullptr, "gboxScale", 408, 12, 38, 21, 2},
    {Kind::Label, "lblMasterSegment", "Hlavný segment každý", "gboxScale", 16, 108, 0, 0, 0},
    {Kind::Masked, "medtMasterSegment", nullptr, "gboxScale", 128, 102, 40, 21, 3},
    {Kind::Label, "lblCentralRadius", "Polomer stredu [mm]:", "gboxScale", 292, 108, 0, 0, 0},
    {Kind::Masked, "medtCentralRadius", nullptr, "gboxScale", 408, 102, 41, 21, 3},
    {Kind::Check, "cboxMirror", "Prehodiť stranovo", "gboxScale", 180, 106, 113, 17, 0},

    {Kind::Panel, "pnlButtons", nullptr, "Panel1", 2, 255, 484, 41, 0},

    {Kind::Button, "btnManual", "&Manuálna definícia", "pnlButtons", 32, 8, 129, 25, 0},
    {Kind::Button, "btnSave", "&Uložiť obrázok", "pnlButtons", 168, 8, 129, 25, 0},
    {Kind::Button, "btnClose", "&Koniec", "pnlButtons", 304, 8, 129, 25, 0},

    // The texts of the scale, below the older panel, which stays as it was.
    {Kind::Group, "gboxNumbers", " Čísla: ", "Panel2", 8, 4, 473, 137, 0},
    {Kind::Label, "lblValueLeft", "Hodnota vľavo:", "gboxNumbers", 16, 22, 0, 0, 0},
    {Kind::Plain, "edtValueLeft", nullptr, "gboxNumbers", 124, 18, 54, 21, 0},
    {Kind::Label, "lblValueRight", "Hodnota vpravo:", "gboxNumbers", 184, 22, 0, 0, 0},
    {Kind::Plain, "edtValueRight", nullptr, "gboxNumbers", 280, 18, 60, 21, 0},
    {Kind::Label, "lblUnit", "Jednotka:", "gboxNumbers", 352, 22, 0, 0, 0},
    {Kind::Plain, "edtUnit", nullptr, "gboxNumbers", 408, 18, 57, 21, 0},
    {Kind::Label, "lblTextHeight", "Výška písma [mm]:", "gboxNumbers", 16, 52, 0, 0, 0},
    {Kind::Plain, "edtTextHeight", nullptr, "gboxNumbers", 124, 48, 54, 21, 0},
    {Kind::Label, "lblFont", "Písmo:", "gboxNumbers", 184, 52, 0, 0, 0},
    {Kind::FontChoice, "cmbFont", nullptr, "gboxNumbers", 280, 48, 185, 21, 0},
    {Kind::Check, "cboxInside", "Čísla vnútri", "gboxNumbers", 16, 80, 120, 17, 0},
    {Kind::Check, "cboxRadial", "Otočené", "gboxNumbers", 184, 80, 100, 17, 0},
    {Kind::Check, "cboxDecimalPoint", "Desatinná bodka", "gboxNumbers", 352, 80, 113, 17, 0},
    {Kind::Label, "lblNumberGap", "Odstup čísel [mm]:", "gboxNumbers", 16, 108, 0, 0, 0},
    {Kind::Plain, "edtNumberGap", nullptr, "gboxNumbers", 124, 104, 54, 21, 0},
    // The plate designer, for a dial of several scales built from this one.
    {Kind::Button, "btnPlate", "&Doska...", "gboxNumbers", 184, 102, 129, 25, 0},
    // The window's scale on a sheet of paper, at its true size.
    {Kind::Button, "btnPrint", "&Tlačiť...", "gboxNumbers", 336, 102, 129, 25, 0},
};

// The buttons come last, right to left on the screen.
constexpr const char* TabOrder[] = {
    "medtWidth",     "medtHeight",    "edtLAngle",     "edtRAngle",        "medtX",
    "medtY",         "medtNumSegments", "medtSegmentLength", "cboxDual", "medtRadius",
    "cboxHalfSmall", "cboxFrame",     "medtFrameLine", "medtArchLine",     "medtSegmentWidth",
    "medtMasterSegment", "medtCentralRadius", "cboxMirror", "btnClose", "btnSave",
    "btnManual", "edtValueLeft", "edtValueRight", "edtUnit", "edtTextHeight", "cmbFont", "cboxInside",
    "cboxRadial", "cboxDecimalPoint", "edtNumberGap", "btnPlate", "btnPrint"};

QFont Bold(QFont f) {
    f.setBold(true);
    return f;
}

// Group captions, buttons and the texts inside fields are bold.
QWidget* Make(const Control& c, QWidget* parent) {
    const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
    const QFont base = WindowFont();
    switch (c.kind) {
        case Kind::Group: {
            auto* g = new QGroupBox(caption, parent);
            g->setFont(Bold(base));
            g->setGeometry(c.left, c.top, c.width, c.height);
            return g;
        }
        case Kind::Panel: {
            auto* p = new QFrame(parent);
            p->setGeometry(c.left, c.top, c.width, c.height);
            return p;
        }
        case Kind::Label: {
            auto* l = new QLabel(caption, parent);
            l->setFont(base);
            l->adjustSize();
            l->move(c.left, c.top);
            return l;
        }
        case Kind::Masked:
        case Kind::Plain: {
            QLineEdit* e = c.kind == Kind::Masked ? new TMaskEdit(c.digits, parent) : new QLineEdit(parent);
            e->setFont(Bold(base));
            e->setGeometry(c.left, c.top, c.width, c.height);
            return e;
        }
        case Kind::Check: {
            auto* b = new QCheckBox(caption, parent);
            b->setFont(base);
            b->setGeometry(c.left, c.top, c.width, c.height);
            return b;
        }
        case Kind::FontChoice: {
            // Editable: a family that is not installed can still be named
            // (fontconfig then takes its best match). The text is read and
            // set through the combo's own line edit, named as the field.
            auto* b = new QComboBox(parent);
            b->setEditable(true);
            b->setInsertPolicy(QComboBox::NoInsert);
            for (const std::string& family : InstalledFontFamilies()) b->addItem(QString::fromStdString(family));
            b->setFont(Bold(base));
            b->setGeometry(c.left, c.top, c.width, c.height);
            b->lineEdit()->setObjectName("edtFont");
            return b;
        }
        case Kind::Button: {
            auto* b = new TButton(caption, parent);
            b->setFont(Bold(base));
            b->setGeometry(c.left, c.top, c.width, c.height);
            return b;
        }
    }
    return nullptr;
}

}  // namespace

void BuildMainLayout(QWidget* form) {
    auto* panel = new QFrame(form);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, FieldsPanelWidth, OlderPanelHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* numbers = new QFrame(form);
    numbers->setObjectName("Panel2");
    numbers->setGeometry(0, OlderPanelHeight, FieldsPanelWidth, MainFormHeight - OlderPanelHeight);
    numbers->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    for (const Control& c : Controls) {
        auto* parent = form->findChild<QWidget*>(c.parent);
        Q_ASSERT(parent);
        Make(c, parent)->setObjectName(c.name);
    }
    for (std::size_t i = 0; i + 1 < std::size(TabOrder); ++i)
        QWidget::setTabOrder(form->findChild<QWidget*>(TabOrder[i]), form->findChild<QWidget*>(TabOrder[i + 1]));
}

}  // namespace sp
