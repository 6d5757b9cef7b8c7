// The boxes and file dialogs the windows show, behind one interface so that
// tests can answer them without a modal window.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QWidget;

namespace sp {

// What a file dialog is set up with and remembers between openings.
struct FileDialogSetup {
    QString title;
    QString filter;       // "Description (*.ext)|*.ext", more pairs after further "|"
    QString defaultExt;   // appended to a name typed without an extension
    QString initialDir;
    QString fileName;     // proposed; after a confirmed choice, the full path chosen
    bool preview = false; // show a picture preview pane
    bool forSave = true;  // save dialog (no overwrite question) or open dialog
    QString selectedFilter; // the description of the chosen type (the first when empty)
    QImage previewImage;  // shown in the preview pane until an existing file is selected
};

// The descriptions of a filter "A (*.a)|*.a|B (*.b)|*.b": "A (*.a)", "B (*.b)".
QStringList FilterDescriptions(const QString& filter);
// The extension a description names: "png" for "PNG (*.png)".
QString FilterExtension(const QString& description);

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Plain message box: `caption`, no icon, the sentence, one OK button.
    virtual void Message(QWidget* parent, const QString& caption, const QString& text);
    // Error box: stop icon, the message with the "." rule applied by the caller.
    virtual void Error(QWidget* parent, const QString& caption, const QString& text);
    // "Confirm" box with a question icon; true only for "&Yes".
    virtual bool Confirm(QWidget* parent, const QString& text);
    // Runs the file dialog; the chosen full path, or nothing when cancelled.
    // Updates setup.fileName and setup.selectedFilter after a confirmed choice.
    virtual std::optional<QString> RunFileDialog(QWidget* parent, FileDialogSetup& setup);
    // Shows a window modally; true for OK (accepted).
    virtual bool ShowModal(QDialog* dialog);

    // The question before unsaved changes are lost, with the buttons
    // "Uložiť", "Zahodiť" and "Zrušiť" (Esc).
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer AskSave(QWidget* parent, const QString& caption, const QString& text);
    // The platform's colour dialog; nothing when cancelled.
    virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial);
    // One of `items` from a list; its index, or nothing when cancelled.
    virtual std::optional<int> Choose(QWidget* parent, const QString& caption, const QString& label,
                                      const QStringList& items);
};

}  // namespace sp
