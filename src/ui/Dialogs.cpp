#include "Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "PicturePreview.h"
#include "PlainIconProvider.h"

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

// A small preview of the selected picture beside the file list.
void AddPreview(QFileDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    auto* preview = new TPicturePreview(&dialog);
    grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &TPicturePreview::ShowFile);
}

}  // namespace

std::optional<QString> Dialogs::RunFileDialog(QWidget* parent, FileDialogSetup& setup) {
    TPlainIconProvider icons;  // outlives the dialog, which uses it to the end
    QFileDialog dialog(parent, setup.title, setup.initialDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(setup.forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(setup.filter.section('|', 0, 0));
    dialog.setDefaultSuffix(setup.defaultExt);
    if (!setup.fileName.isEmpty()) {
        const QFileInfo info(setup.fileName);
        if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (setup.preview) AddPreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    setup.fileName = dialog.selectedFiles().first();
    return setup.fileName;
}

bool Dialogs::ShowModal(QDialog* dialog) { return dialog->exec() == QDialog::Accepted; }

}  // namespace sp
