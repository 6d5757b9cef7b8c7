// The main window: every input field of a scale, three command buttons and
// two file dialogs. The window gathers its fields into a FormFields value,
// calls the core and shows the answer; it draws nothing itself.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "scale/input/FormFields.h"
#include "scale/output/PictureCommand.h"
#include "scale/plate/Plate.h"
#include "ui/common/Dialogs.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace sp {

class TMaskEdit;
class DefinitionEditor;
class PlateDesigner;
class TScalePreview;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // Runs startUp: settings created when missing and loaded, dialogs set
    // up, DefinitionList empty, DefinitionActive cleared.
    MainWindow(const std::string& exePath, Dialogs& dialogs, QWidget* parent = nullptr);

    // The fields as the core reads them, and setting them as the settings do.
    FormFields Fields() const;
    void SetFields(const FormFields& f);

    // The definition editor, made right after this window and living as long.
    void SetDefinitionEditor(DefinitionEditor* editor) { definitionEditor_ = editor; }

    const std::string& SettingsFile() const { return settingsPath_; }
    const QString& Title() const { return title_; }
    // What the commands share (definition, parameters), to be looked at only.
    const PictureSession& SessionState() const { return Session; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void findControls();
    void startUp();
    void showError(const std::exception& e);
    void centreOnScreen();
    void setupPreview();
    void schedulePreview();
    void requestPreview();
    std::optional<SaveTarget> askPictureFile();

    void btnSaveClick();
    void btnManualClick();
    void btnCloseClick();
    void btnPlateClick();
    std::optional<Plate> windowPlate();
    void btnPrintClick();
    void newDefinition();
    void openDefinition();
    bool readDefinition(const std::string& name, const char* notFound);

    // Owned by the window for the whole run.
    PictureSession Session;
    DefinitionEditor* definitionEditor_ = nullptr;
    FileDialogSetup openDefinitionDialog_;
    FileDialogSetup savePictureDialog_;

    // The controls the window reads, fills or watches; made by BuildMainLayout.
    TMaskEdit *medtWidth, *medtHeight, *medtX, *medtY;
    QLineEdit *edtLAngle, *edtRAngle;
    TMaskEdit *medtNumSegments, *medtSegmentLength, *medtRadius, *medtFrameLine, *medtArchLine, *medtSegmentWidth,
        *medtMasterSegment, *medtCentralRadius;
    QCheckBox *cboxDual, *cboxHalfSmall, *cboxFrame, *cboxMirror;
    QPushButton *btnManual, *btnSave, *btnClose, *btnPlate, *btnPrint;
    QPointer<PlateDesigner> designer_;  // made at the first "Doska..." 
    TScalePreview* preview_ = nullptr;  // none with [Window] Preview=0
    bool previewScheduled_ = false;
    std::string definitionName_;        // the file of the chosen definition

    Dialogs& dialogs_;
    std::string exePath_, settingsPath_;
    QString title_;
    bool centred_ = false;
};

}  // namespace sp
