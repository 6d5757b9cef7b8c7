// Edit to painted picture in the plate designer (offscreen): the multimeter
// preset, 100 edits of the first scale's radius, each one key typed over
// its last digit, timed from the key press until the picture of that plate is painted.
// Prints the median and the worst, the worker's time for one picture, and
// the window's own longest step meanwhile (what typing would wait for).
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/common/Dialogs.h"
#include "ui/plate/PlateDesigner.h"
#include "ui/preview/PreviewJob.h"
#include "ui/preview/ScalePreview.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    sp::Dialogs dialogs;
    sp::PlateDesigner designer((dir.path() + "/scaleplate.ini").toStdString(), SCALEPLATE_PRESETS, dialogs);
    designer.show();
    if (!QTest::qWaitForWindowExposed(&designer)) return 1;
    if (!designer.OpenFile(SCALEPLATE_PRESETS "/multimeter.scaleplate")) return 1;
    auto* tree = designer.findChild<QTreeWidget*>("tvItems");
    const auto scales = tree->findItems("Stupnica 1", Qt::MatchStartsWith | Qt::MatchRecursive);
    if (scales.isEmpty()) return 1;
    tree->setCurrentItem(scales.first());
    auto* radius = designer.findChild<QLineEdit*>("prop_radius");
    auto* preview = designer.findChild<sp::TScalePreview*>("pnlPreview");
    if (!radius || !preview) return 1;
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
    radius->setText("61");
    QTest::qWait(300);

    // The worker's part alone: the check, the drawing and the fitted picture.
    {
        sp::PreviewInput input;
        input.plate = designer.CurrentPlate();
        input.plateName = "multimeter.scaleplate";
        input.plateFolder = SCALEPLATE_PRESETS;
        std::vector<double> job;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer t;
            t.start();
            sp::ComputePreview(input, false, preview->size());
            job.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(job.begin(), job.end());
        std::printf("designer, multimeter preset, one picture computed off the window thread: median %.2f ms\n",
                    job[10]);
    }

    std::vector<double> ms;
    double longest = 0, handling = 0;
    for (int i = 0; i < 100; ++i) {
        // One key: the radius's last digit typed over, 61 and 62 by turns.
        radius->setFocus();
        radius->setSelection(1, 1);
        painted = false;
        QElapsedTimer t, pass;
        t.start();
        QTest::keyClicks(radius, i % 2 ? "1" : "2");
        handling = std::max(handling, t.nsecsElapsed() / 1e6);
        while (!painted) {
            pass.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            longest = std::max(longest, pass.nsecsElapsed() / 1e6);
        }
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("designer, multimeter preset, edit to painted picture, 100 edits: median %.2f ms, worst %.2f ms\n",
                (ms[49] + ms[50]) / 2, ms.back());
    std::printf("the window's own time: longest key press %.2f ms, longest other pass of its loop %.2f ms\n",
                handling, longest);
    return 0;
}
