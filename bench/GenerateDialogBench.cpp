// The generator dialog's sketch while typing: from one key press in a value
// field to the sketch painted again, 100 edits per case, median and worst.
// Runs on any Qt platform; run-benchmarks uses the offscreen one.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "scale/settings/Settings.h"
#include "ui/definition/GenerateDialog.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Alternates typing `key` and Backspace into `field`; each edit is timed
// until the sketch has been painted.
void Measure(const char* name, sp::TGenerateDialog& dialog, const char* field, Qt::Key key) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    auto* sketch = dialog.findChild<QWidget*>("pnlTicks");
    PaintCounter counter;
    sketch->installEventFilter(&counter);
    edit->setFocus();
    edit->end(false);
    std::vector<double> ms;
    for (int i = 0; i < 100; ++i) {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(edit, i % 2 == 0 ? key : Qt::Key_Backspace);
        while (counter.paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    sketch->removeEventFilter(&counter);
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %.2f ms  worst %.2f ms  (%zu ticks)\n", name, ms[ms.size() / 2], ms.back(),
                dialog.Rows().size());
}

void Law(sp::TGenerateDialog& dialog, const char* law, const char* from, const char* to) {
    auto* combo = dialog.findChild<QComboBox*>("cmbLaw");
    combo->setCurrentIndex(combo->findData(QString(law)));
    dialog.findChild<QLineEdit*>("edtFrom")->setText(from);
    dialog.findChild<QLineEdit*>("edtTo")->setText(to);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    sp::TGenerateDialog dialog(255);
    sp::FormFields arc = sp::FirstRunFields();
    arc.radius = "30";
    dialog.SetArc(arc);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) return 1;

    Law(dialog, "linear", "0", "10");
    Measure("linear 0..10 <-> 0..100, steps chosen", dialog, "edtTo", Qt::Key_0);
    Law(dialog, "log", "1", "100");
    Measure("log 1..100 <-> 1..1000, steps chosen", dialog, "edtTo", Qt::Key_0);
    Law(dialog, "db", "-20", "3");
    dialog.findChild<QLineEdit*>("edtLabels")->setText("-20;-10;-7;-5;-3;-2;-1;0;+1;+2;+3");
    Measure("VU -20..+3 <-> -200..+3, numbers given", dialog, "edtFrom", Qt::Key_0);
    return 0;
}
