// The main window's preview panel: the picture the next "Uložiť obrázok"
// would save, redrawn after every edit, with a line of facts under it. It
// computes on a copy of the command's inputs on a worker thread, so typing
// never waits on a long drawing; only the newest edit's picture stays. A
// failing input test or an error shows its text over the last good picture,
// faded; no box, no beep.
#pragma once

#include <QFrame>
#include <QFutureWatcher>
#include <QTimer>
#include <optional>

#include "ui/preview/PreviewJob.h"

class QLabel;

namespace sp {

class TPreviewCanvas;

class TScalePreview : public QFrame {
    Q_OBJECT
public:
    explicit TScalePreview(QWidget* parent);
    ~TScalePreview() override;

    // Draws the picture of `input` (after the one being drawn, if any).
    void Request(PreviewInput input);
    // The newest picture's drawing calls, when it is current and good.
    std::shared_ptr<const DisplayList> CurrentList() const;
    // True while a requested picture is not shown yet.
    bool Busy() const { return watcher_.isRunning() || pending_.has_value(); }

signals:
    // A result has been put on screen and painted.
    void Painted();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeMessage();
    void enqueue(PreviewInput input);
    void startNext();
    void finished();
    void showResult(PreviewResult r);

    TPreviewCanvas* canvas_;
    QLabel *message_, *facts_, *warnings_;
    QFutureWatcher<PreviewResult> watcher_;
    std::optional<PreviewInput> pending_;
    PreviewInput last_;    // the newest request, kept for the raster of 1:1
    bool current_ = false; // the shown picture is the newest request's
    bool rasterAsked_ = false;
    QTimer staleTimer_;
};

}  // namespace sp
