// Edit to painted preview: the worked example in the main window (offscreen),
// 100 edits of the radius field typed as a user types them, each timed from
// the key press until the preview panel has painted the new picture.
// Prints the median and the worst.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Dialogs.h"
#include "MainUnit.h"
#include "MaskEdit.h"
#include "ScalePreview.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    sp::Dialogs dialogs;
    sp::TMainForm form((dir.path() + "/scaleplate").toStdString(), dialogs);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    auto* preview = form.findChild<sp::TScalePreview*>("pnlPreview");
    auto* radius = form.findChild<sp::TMaskEdit*>("medtRadius");
    if (!preview || !radius) return 1;
    bool painted = false;
    const sp::DisplayList* shown = nullptr;
    // Only a paint of a picture other than the one before counts.
    QObject::connect(preview, &sp::TScalePreview::Painted, [&] {
        const auto list = preview->CurrentList();
        if (list && list.get() != shown) {
            painted = true;
            shown = list.get();
        }
    });
    QTest::qWait(200);

    std::vector<double> ms;
    for (int i = 0; i < 100; ++i) {
        radius->setFocus();
        radius->selectAll();
        painted = false;
        QElapsedTimer t;
        t.start();
        QTest::keyClicks(radius, i % 2 ? "15" : "16");
        while (!painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("edit to painted preview, worked example, 100 edits: median %.2f ms, worst %.2f ms\n",
                (ms[49] + ms[50]) / 2, ms.back());
    return 0;
}
