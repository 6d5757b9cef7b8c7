// The main window: every input field of a scale, three command buttons and
// two file dialogs. The window gathers its fields into a FormFields value,
// calls the core and shows the answer; it draws nothing itself.
#pragma once

#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "FormFields.h"
#include "PictureCommand.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sp {

class TMaskEdit;

// The windows' font: regular, 11 pixels, of the MS Sans Serif widths.
QFont WindowFont();

class TScaleDefinition;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    // Runs FormCreate: settings created when missing and loaded, dialogs set
    // up, DefinitionList empty, DefinitionActive cleared.
    TMainForm(const std::string& exePath, Dialogs& dialogs, QWidget* parent = nullptr);

    // The fields as the core reads them, and setting them as the settings do.
    FormFields Fields() const;
    void SetFields(const FormFields& f);

    void btnSaveClick();
    void btnManualClick();
    void btnCloseClick();

    const std::string& SettingsFile() const { return settingsPath_; }
    const QString& Title() const { return title_; }

    // Owned by the window for the whole run.
    PictureSession Session;
    TScaleDefinition* ScaleDefinition = nullptr;
    FileDialogSetup OpenDialog1;
    FileDialogSetup SavePictureDialog1;

    QFrame* Panel1;
    QGroupBox *gboxDimensions, *gboxAngles, *gboxCenter, *gboxScale;
    QFrame* pnlBotom;
    TMaskEdit *medtWidth, *medtHeight, *medtX, *medtY;
    QLineEdit *edtLAngle, *edtRAngle;
    TMaskEdit *medtNumSegments, *medtSegmentLength, *medtRadius, *medtFrameLine, *medtArchLine, *medtSegmentWidth,
        *medtMasterSegment, *medtCentralRadius;
    QCheckBox *cboxDual, *cboxHalfSmall, *cboxFrame, *cboxMirror;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label8, *Label9, *lblNumSegments, *lblSegmentLength, *lblRadius,
        *lblLineWidth, *lblArchWidth, *lblSegmentWidth, *lblMasterSegment, *lblCentralRadius;
    QPushButton *btnManual, *btnSave, *btnClose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void FormCreate();
    void showError(const std::exception& e);

    Dialogs& dialogs_;
    std::string exePath_, settingsPath_;
    QString title_;
    bool centred_ = false;
};

}  // namespace sp
