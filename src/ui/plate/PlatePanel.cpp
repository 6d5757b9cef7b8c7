#include "ui/plate/PlatePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "text/TextLayout.h"
#include "ui/common/Dialogs.h"

namespace sp {

namespace {

using E = PlateProperty::Editor;

QColor Colour(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The colour's Slovak name, or its "#RRGGBB" when it has none.
QString ColourCaption(const QString& text) {
    static const std::pair<const char*, const char*> names[] = {{"black", "čierna"}, {"white", "biela"},
                                                                {"red", "červená"},  {"green", "zelená"},
                                                                {"blue", "modrá"},   {"yellow", "žltá"}};
    for (const auto& [file, name] : names)
        if (text == file) return QString::fromUtf8(name);
    return text;
}

// The button keeps the file's text of the colour; it shows a swatch and the name.
void ShowColour(QPushButton* b, const QString& text) {
    const auto c = ParseColour(text.toStdString());
    QPixmap swatch(16, 16);
    swatch.fill(Colour(c.value_or(clBlack)));
    b->setIcon(QIcon(swatch));
    b->setText(ColourCaption(text));
    b->setProperty("colour", text);
}

bool IsUndoKey(QKeyEvent* k) {
    return k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
           (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier);
}

}  // namespace

TPlatePanel::TPlatePanel(Dialogs& dialogs, QWidget* parent) : QScrollArea(parent), dialogs_(dialogs) {
    setObjectName("pnlProperties");
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TPlatePanel::Show(const Plate& plate, PlateItemRef ref) {
    const bool same = built_ && ref == ref_;
    plate_ = plate;
    ref_ = ref;
    if (!same) build();
    if (auto* title = widget()->findChild<QLabel*>("lblPropertiesTitle"))
        title->setText("<b>" + ItemTitle(plate_, ref_).toHtmlEscaped() + "</b>");
    for (std::size_t i = 0; i < props_.size(); ++i)
        if (!same || i != offering_) showValue(i);
}

void TPlatePanel::build() {
    props_ = PropertiesOf(ref_);
    editors_.clear();
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
    auto* title = new QLabel("<b>" + ItemTitle(plate_, ref_).toHtmlEscaped() + "</b>", page);
    title->setObjectName("lblPropertiesTitle");
    grid->addWidget(title, 0, 0, 1, 3);
    for (std::size_t i = 0; i < props_.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        QWidget* editor = makeEditor(i);
        editor->setParent(page);
        // A long font name or choice must not widen the panel past the window.
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(8);
        }
        editor->setMinimumWidth(80);
        editor->setObjectName(QString::fromStdString("prop_" + props_[i].key));
        editor->installEventFilter(this);
        editors_.push_back(editor);
        if (props_[i].editor != E::Check) {
            auto* label = new QLabel(props_[i].label + ":", page);
            label->setBuddy(editor);
            grid->addWidget(label, row, 0);
        }
        grid->addWidget(editor, row, 1);
        if (!props_[i].unit.isEmpty()) grid->addWidget(new QLabel(props_[i].unit, page), row, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(static_cast<int>(props_.size()) + 1, 1);
    setWidget(page);  // deletes the previous page
    built_ = true;
}

QWidget* TPlatePanel::makeEditor(std::size_t i) {
    const PlateProperty& p = props_[i];
    switch (p.editor) {
        case E::Check: {
            auto* box = new QCheckBox(p.label);
            connect(box, &QCheckBox::toggled, this, [this, i](bool on) { offer(i, on ? "1" : "0"); });
            return box;
        }
        case E::Choice: {
            auto* box = new QComboBox;
            for (const QString& value : p.choices) box->addItem(ChoiceCaption(value), value);
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this, i, box](int) { offer(i, box->currentData().toString()); });
            return box;
        }
        case E::Font: {
            auto* box = new QComboBox;
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            for (const std::string& family : InstalledFontFamilies()) box->addItem(QString::fromStdString(family));
            box->lineEdit()->installEventFilter(this);
            connect(box->lineEdit(), &QLineEdit::textChanged, this, [this, i](const QString& t) { offer(i, t); });
            return box;
        }
        case E::Colour: {
            auto* button = new QPushButton;
            connect(button, &QPushButton::clicked, this, [this, i, button] {
                const auto now = ParseColour(button->property("colour").toString().toStdString());
                if (auto c = dialogs_.ChooseColour(this, Colour(now.value_or(clBlack))))
                    offer(i, QString::fromStdString(
                                 ColourText(static_cast<TColor>(c->red() | c->green() << 8 | c->blue() << 16))));
            });
            return button;
        }
        case E::Text: break;
    }
    auto* edit = new QLineEdit;
    if (p.optional) edit->setPlaceholderText("automaticky");
    connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& t) { offer(i, t); });
    return edit;
}

void TPlatePanel::showValue(std::size_t i) {
    const QString text = props_[i].text(plate_);
    filling_ = true;
    QWidget* w = editors_[i];
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != text) edit->setText(text);
        edit->setStyleSheet({});
        edit->setToolTip({});
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        box->setChecked(text == "1");
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) {
            if (combo->currentText() != text) combo->setEditText(text);
        } else {
            combo->setCurrentIndex(combo->findData(text));
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        ShowColour(button, text);
    }
    filling_ = false;
}

// The plate with the new value goes to the window; a refusal marks the field.
void TPlatePanel::offer(std::size_t i, const QString& text) {
    if (filling_) return;
    Plate changed = plate_;
    const auto refusal = props_[i].set(changed, text);
    QWidget* field = editors_[i];
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit() ? combo->lineEdit() : field;
    field->setStyleSheet(refusal ? "background: #ffd0d0;" : "");
    field->setToolTip(refusal.value_or(QString()));
    if (refusal || changed == plate_) return;
    const QString key = QString("%1/%2/%3/%4/%5")
                            .arg(static_cast<int>(ref_.kind))
                            .arg(ref_.index)
                            .arg(ref_.sub)
                            .arg(QString::fromStdString(props_[i].key))
                            .arg(session_);
    offering_ = i;
    emit Edited(QString("Zmena – %1").arg(props_[i].label), key, changed);
    offering_ = None;
}

bool TPlatePanel::eventFilter(QObject* watched, QEvent* event) {
    // The window's undo, not the field's own: Ctrl+Z undoes the last command.
    if (event->type() == QEvent::ShortcutOverride && IsUndoKey(static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::FocusIn) ++session_;
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace sp
