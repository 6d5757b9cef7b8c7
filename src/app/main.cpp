// scaleplate: the desktop program.
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <csignal>

#include "DefinitionUnit.h"
#include "Dialogs.h"
#include "MainUnit.h"
#include "Settings.h"
#include "Translations.h"

namespace {

// The program's icon: a small meter scale, drawn rather than shipped.
QIcon ProgramIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawArc(QRectF(4, 8, 24, 24), 30 * 16, 120 * 16);
    p.drawLine(QPointF(16, 26), QPointF(22, 11));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 26), 2.5, 2.5);
    return QIcon(pm);
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit is a write error, not a crash
    QApplication app(argc, argv);
    const std::string exePath = QCoreApplication::applicationFilePath().toStdString();
    QApplication::setApplicationName(QString::fromStdString(sp::ApplicationTitle(exePath)));
    QApplication::setWindowIcon(ProgramIcon());
    sp::InstallQtTranslations(&app);

    sp::Dialogs dialogs;
    sp::TMainForm MainForm(exePath, dialogs);
    sp::TScaleDefinition ScaleDefinition(QString::fromStdString(sp::ProgramFolder(exePath)), MainForm.Title(), dialogs,
                                         &MainForm);
    MainForm.SetScaleDefinition(&ScaleDefinition);
    MainForm.show();
    return app.exec();
}
