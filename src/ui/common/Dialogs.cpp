#include "ui/common/Dialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QInputDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "ui/common/PicturePreview.h"
#include "ui/common/PlainIconProvider.h"

namespace sp {

void Dialogs::Message(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void Dialogs::Error(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool Dialogs::Confirm(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton("&Yes", QMessageBox::YesRole);
    QPushButton* no = box.addButton("&No", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

namespace {

// A small preview beside the file list: the picture about to be saved, or
// the selected existing file's picture.
void AddPreview(QFileDialog& dialog, const QImage& about) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* preview = new TPicturePreview(&dialog);
    preview->SetDefaultImage(about);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &TPicturePreview::ShowFile);
}

}  // namespace

QStringList FilterDescriptions(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
    return descriptions;
}

QString FilterExtension(const QString& description) {
    const qsizetype dot = description.indexOf("(*.");
    if (dot < 0) return {};
    const qsizetype end = description.indexOf(')', dot);
    return description.mid(dot + 3, end < 0 ? -1 : end - dot - 3);
}

std::optional<QString> Dialogs::RunFileDialog(QWidget* parent, FileDialogSetup& setup) {
    TPlainIconProvider icons;  // outlives the dialog, which uses it to the end
    QFileDialog dialog(parent, setup.title, setup.initialDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(setup.forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(FilterDescriptions(setup.filter));
    if (!setup.selectedFilter.isEmpty()) dialog.selectNameFilter(setup.selectedFilter);
    // The chosen type gives a name typed without an extension its extension.
    const QString chosenExt = FilterExtension(dialog.selectedNameFilter());
    dialog.setDefaultSuffix(setup.selectedFilter.isEmpty() || chosenExt.isEmpty() ? setup.defaultExt : chosenExt);
    if (FilterDescriptions(setup.filter).size() > 1)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& description) {
            dialog.setDefaultSuffix(FilterExtension(description));
        });
    if (!setup.fileName.isEmpty()) {
        const QFileInfo info(setup.fileName);
        if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (setup.preview) AddPreview(dialog, setup.previewImage);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    setup.fileName = dialog.selectedFiles().first();
    setup.selectedFilter = dialog.selectedNameFilter();
    return setup.fileName;
}

bool Dialogs::ShowModal(QDialog* dialog) { return dialog->exec() == QDialog::Accepted; }

Dialogs::SaveAnswer Dialogs::AskSave(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton("&Uložiť", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("&Zahodiť", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton("Zrušiť", QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveAnswer::Save;
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

std::optional<QColor> Dialogs::ChooseColour(QWidget* parent, const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, parent, "Farba");
    if (!c.isValid()) return std::nullopt;
    return c;
}

std::optional<int> Dialogs::Choose(QWidget* parent, const QString& caption, const QString& label,
                                   const QStringList& items) {
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, caption, label, items, 0, false, &ok);
    if (!ok) return std::nullopt;
    return static_cast<int>(items.indexOf(chosen));
}

}  // namespace sp
