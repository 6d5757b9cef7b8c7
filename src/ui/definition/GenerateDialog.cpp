#include "ui/definition/GenerateDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Procs.h"
#include "scale/generator/ValueText.h"
#include "scale/input/ScaleInputError.h"
#include "scale/settings/Settings.h"
#include "ui/common/Button.h"
#include "ui/common/ImmediateDelegate.h"
#include "ui/common/WindowFont.h"
#include "ui/definition/TickDiagram.h"

namespace sp {

namespace {

// The laws as the combo box names them; the data is the text form's name.
const std::pair<Law, const char*> kLaws[] = {
    {Law::Linear, "lineárny"},          {Law::Power, "mocninový"},
    {Law::Log, "logaritmický"},         {Law::Db, "decibelový (dB)"},
    {Law::OhmSeries, "ohmmeter sériový"}, {Law::OhmShunt, "ohmmeter paralelný"},
    {Law::Points, "kalibračné body"},
};

constexpr int kPointRows = 20;

std::string S(const QString& s) { return s.toStdString(); }

QLineEdit* Field(const char* name, const QString& text, const QString& hint = {}) {
    auto* e = new QLineEdit(text);
    e->setObjectName(name);
    e->setPlaceholderText(hint);
    return e;
}

QGroupBox* Group(const QString& caption, QLayout* layout) {
    auto* g = new QGroupBox(caption);
    QFont f = g->font();
    f.setBold(true);
    g->setFont(f);
    g->setLayout(layout);
    return g;
}

// Every tick as one grid row.
std::vector<DefinitionRow> RowsOf(const std::vector<GeneratedTick>& ticks) {
    std::vector<DefinitionRow> rows;
    rows.reserve(ticks.size());
    for (const GeneratedTick& t : ticks) rows.emplace_back(AngleText(t.angle), std::string(1, static_cast<char>(t.kind)), t.label);
    return rows;
}

}  // namespace

TGenerateDialog::TGenerateDialog(std::size_t maxRows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      maxRows_(maxRows) {
    setObjectName("GenerateDialog");
    setWindowTitle("Generovať definíciu");
    setFont(WindowFont());
    arc_ = FirstRunFields();

    auto* grid = new QGridLayout(this);
    grid->addWidget(createLawGroup(), 0, 0);
    grid->addWidget(createStepGroup(), 1, 0);
    grid->addWidget(createPointsGroup(), 2, 0);
    auto* right = new QVBoxLayout;
    lblArc = new QLabel;
    lblArc->setObjectName("lblArc");
    pnlTicks = new TTickDiagram;
    pnlTicks->setObjectName("pnlTicks");
    pnlTicks->setMinimumSize(320, 240);
    lblTicks = new QLabel;
    lblTicks->setObjectName("lblTicks");
    lblMessage = new QLabel;
    lblMessage->setObjectName("lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet("color: #b00000;");
    lblMessage->setMinimumHeight(2 * lblMessage->fontMetrics().height());
    right->addWidget(lblArc);
    right->addWidget(pnlTicks, 1);
    right->addWidget(lblTicks);
    right->addWidget(lblMessage);
    grid->addLayout(right, 0, 1, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(createButtons(), 3, 0, 1, 2);

    watchChanges();
    lawChanged();
}

QWidget* TGenerateDialog::createLawGroup() {
    cmbLaw = new QComboBox;
    cmbLaw->setObjectName("cmbLaw");
    for (const auto& [law, caption] : kLaws) cmbLaw->addItem(caption, QString::fromStdString(LawName(law)));
    edtFrom = Field("edtFrom", "0");
    edtTo = Field("edtTo", "10");
    edtTo->setToolTip("Pri decibelovej stupnici plná výchylka, napr. +3; pri ohmmetri aj inf alebo ∞.");
    edtExponent = Field("edtExponent", "2");
    edtCenter = Field("edtCenter", "", "hodnota v strede");
    auto* form = new QFormLayout;
    form->addRow("Zá&kon:", cmbLaw);
    form->addRow("Za&čiatok stupnice:", edtFrom);
    form->addRow("Kon&iec stupnice:", edtTo);
    form->addRow("&Exponent:", edtExponent);
    form->addRow("S&tredná hodnota:", edtCenter);
    return Group(" Stupnica: ", form);
}

QWidget* TGenerateDialog::createStepGroup() {
    const QString automatic = "automaticky";
    edtMajor = Field("edtMajor", "", automatic);
    edtMedium = Field("edtMedium", "", automatic);
    edtMinor = Field("edtMinor", "", automatic);
    edtLabels = Field("edtLabels", "", "napr. -20; -10; 0; +3");
    edtLabels->setToolTip("Hodnoty oddelené \";\"; hodnota môže mať predponu (2,2k; 1M; 500m) "
                          "alebo vlastný text (1000=1k).");
    auto* comma = new QRadioButton("desatinná čia&rka");
    comma->setObjectName("rbtnComma");
    comma->setChecked(true);
    auto* point = new QRadioButton("desatinná &bodka");
    point->setObjectName("rbtnPoint");
    decimalSign = new QButtonGroup(this);
    decimalSign->addButton(comma, 0);
    decimalSign->addButton(point, 1);
    auto* sign = new QHBoxLayout;
    sign->addWidget(comma);
    sign->addWidget(point);
    auto* form = new QFormLayout;
    form->addRow("Krok čí&sel:", edtMajor);
    form->addRow("Krok stre&dných dielikov:", edtMedium);
    form->addRow("Krok &malých dielikov:", edtMinor);
    form->addRow("Čís&lované hodnoty:", edtLabels);
    form->addRow("Čísla:", sign);
    return Group(" Dieliky: ", form);
}

QWidget* TGenerateDialog::createPointsGroup() {
    sgrdPoints = new QTableWidget(kPointRows, 2);
    sgrdPoints->setObjectName("sgrdPoints");
    sgrdPoints->setHorizontalHeaderLabels({"Hodnota", "Uhol"});
    sgrdPoints->verticalHeader()->setDefaultSectionSize(18);
    sgrdPoints->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgrdPoints->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sgrdPoints->setTabKeyNavigation(true);
    sgrdPoints->setItemDelegate(new ImmediateDelegate(sgrdPoints));
    sgrdPoints->setMinimumHeight(120);
    auto* box = new QVBoxLayout;
    box->addWidget(sgrdPoints);
    return Group(" Kalibračné body: ", box);
}

QWidget* TGenerateDialog::createButtons() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    btnOk = new TButton("&OK", panel);
    btnOk->setObjectName("btnOk");
    auto* btnCancel = new TButton("&Zrušiť", panel);
    btnCancel->setObjectName("btnCancel");
    row->addWidget(btnOk);
    row->addWidget(btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    return panel;
}

void TGenerateDialog::watchChanges() {
    for (QLineEdit* e : {edtFrom, edtTo, edtExponent, edtCenter, edtMajor, edtMedium, edtMinor, edtLabels})
        connect(e, &QLineEdit::textChanged, this, &TGenerateDialog::regenerate);
    connect(cmbLaw, &QComboBox::currentIndexChanged, this, &TGenerateDialog::lawChanged);
    connect(decimalSign, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) regenerate();
    });
    connect(sgrdPoints, &QTableWidget::itemChanged, this, &TGenerateDialog::regenerate);
}

// Only the values the chosen law reads can be typed.
void TGenerateDialog::lawChanged() {
    const auto law = LawOfName(S(cmbLaw->currentData().toString()));
    edtExponent->setEnabled(law == Law::Power);
    edtCenter->setEnabled(law == Law::OhmSeries || law == Law::OhmShunt);
    sgrdPoints->setEnabled(law == Law::Points);
    regenerate();
}

void TGenerateDialog::SetArc(const FormFields& arc) {
    arc_ = arc;
    lblArc->setText(QString("Uhol vľavo %1°, vpravo %2°, polomer %3 mm (z hlavného okna)")
                        .arg(QString::fromStdString(Trim(arc.leftAngle)), QString::fromStdString(Trim(arc.rightAngle)),
                             QString::fromStdString(Trim(arc.radius))));
    regenerate();
}

// The calibration rows as the text form's list: "VALUE:ANGLE;..."; rows with
// both cells empty are left out.
std::string TGenerateDialog::pointsText() const {
    std::string text;
    for (int r = 0; r < sgrdPoints->rowCount(); ++r) {
        const QTableWidgetItem* v = sgrdPoints->item(r, 0);
        const QTableWidgetItem* a = sgrdPoints->item(r, 1);
        const std::string value = v ? Trim(S(v->text())) : std::string();
        const std::string angle = a ? Trim(S(a->text())) : std::string();
        if (value.empty() && angle.empty()) continue;
        if (!text.empty()) text += ";";
        text += value + ":" + angle;
    }
    return text;
}

// The keys scaleplate-define would get: the main window's arc, the law, and
// every value typed; an empty step field leaves the step to the program.
ScaleDescription TGenerateDialog::descriptionOfFields() const {
    ScaleDescription desc;
    SetDescriptionRoom(desc, arc_);
    SetDescriptionValue(desc, "law", S(cmbLaw->currentData().toString()));
    const auto put = [&desc](const char* key, const QLineEdit* e) {
        if (e->isEnabled() && !Trim(S(e->text())).empty()) SetDescriptionValue(desc, key, S(e->text()));
    };
    put("from", edtFrom);
    put("to", edtTo);
    put("exponent", edtExponent);
    put("center", edtCenter);
    if (sgrdPoints->isEnabled() && !pointsText().empty()) SetDescriptionValue(desc, "points", pointsText());
    put("major", edtMajor);
    put("medium", edtMedium);
    put("minor", edtMinor);
    put("labels", edtLabels);
    SetDescriptionValue(desc, "decimal", decimalSign->checkedId() == 1 ? "point" : "comma");
    return desc;
}

void TGenerateDialog::regenerate() {
    try {
        const ScaleDescription desc = descriptionOfFields();
        std::vector<GeneratedTick> ticks = GenerateTicks(desc);
        if (ticks.size() > maxRows_)
            throw EScaleInput("Stupnica má " + std::to_string(ticks.size()) + " dielikov, do tabuľky sa ich zmestí najviac " +
                              std::to_string(maxRows_) + ".");
        rows_ = RowsOf(ticks);
        const auto numbered = std::count_if(ticks.begin(), ticks.end(), [](const GeneratedTick& t) { return !t.label.empty(); });
        lblTicks->setText(QString("Dielikov: %1, z toho číslovaných: %2").arg(ticks.size()).arg(numbered));
        lblMessage->clear();
        btnOk->setEnabled(true);
        pnlTicks->SetScale(desc.law.leftAngle, desc.law.rightAngle, std::move(ticks), desc.room);
    } catch (const EScaleInput& e) {
        refuse(e.what());
    } catch (const EError& e) {
        refuse(ErrorBoxText(e.what()));
    } catch (const std::bad_alloc&) {
        refuse(ErrorBoxText(EOutOfResources().what()));
    }
}

void TGenerateDialog::refuse(const std::string& sentence) {
    rows_.clear();
    lblTicks->clear();
    lblMessage->setText(QString::fromStdString(sentence));
    btnOk->setEnabled(false);
    pnlTicks->SetStale();
}

}  // namespace sp
