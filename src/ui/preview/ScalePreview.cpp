#include "ui/preview/ScalePreview.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrent>

#include "ui/preview/PreviewCanvas.h"

namespace sp {

TScalePreview::TScalePreview(QWidget* parent) : QFrame(parent), canvas_(new TPreviewCanvas(this)) {
    setObjectName("pnlPreview");
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    message_ = new QLabel(canvas_);
    message_->setObjectName("lblPreviewMessage");
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    message_->setStyleSheet("QLabel { background: rgba(255,255,255,215); color: black; padding: 6px; "
                            "border: 1px solid #606060; }");
    message_->hide();
    facts_ = new QLabel(this);
    facts_->setObjectName("lblPreviewFacts");
    facts_->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(canvas_, 1);
    layout->addWidget(facts_);
    connect(&watcher_, &QFutureWatcher<PreviewResult>::finished, this, &TScalePreview::finished);
    connect(canvas_, &TPreviewCanvas::Painted, this, [this] {
        if (!Busy()) emit Painted();
    });
    // A zoom to 1:1 asks for the exact pixels of the newest picture, once:
    // a picture whose pixels cannot be made is not asked for again.
    connect(canvas_, &TPreviewCanvas::RasterWanted, this, [this] {
        if (Busy() || rasterAsked_) return;
        rasterAsked_ = true;
        enqueue(last_);
    });
    // Only a drawing that takes long is marked, so quick ones do not flicker.
    staleTimer_.setSingleShot(true);
    staleTimer_.setInterval(150);
    connect(&staleTimer_, &QTimer::timeout, this, [this] { canvas_->SetStale(Busy()); });
}

TScalePreview::~TScalePreview() { watcher_.waitForFinished(); }

void TScalePreview::Request(PreviewInput input) {
    rasterAsked_ = false;
    enqueue(std::move(input));
}

void TScalePreview::enqueue(PreviewInput input) {
    last_ = input;
    pending_ = std::move(input);
    current_ = false;
    if (!staleTimer_.isActive()) staleTimer_.start();
    startNext();
}

std::shared_ptr<const DisplayList> TScalePreview::CurrentList() const {
    return current_ && message_->isHidden() ? canvas_->List() : nullptr;
}

void TScalePreview::startNext() {
    if (watcher_.isRunning() || !pending_) return;
    const bool raster = canvas_->WantsRaster();
    const QSize view = canvas_->FitSize();
    watcher_.setFuture(QtConcurrent::run(
        [input = std::move(*pending_), raster, view] { return ComputePreview(input, raster, view); }));
    pending_.reset();
}

// A result is shown even when a newer edit waits: it is newer than what is
// on screen. The newest edit's result comes last and stays.
void TScalePreview::finished() {
    PreviewResult r = watcher_.result();
    current_ = !pending_.has_value();
    showResult(std::move(r));
    startNext();
    canvas_->SetStale(Busy() && !staleTimer_.isActive());
}

void TScalePreview::placeMessage() {
    message_->setFixedWidth(std::max(120, canvas_->width() - 40));
    message_->adjustSize();
    message_->move((canvas_->width() - message_->width()) / 2, (canvas_->height() - message_->height()) / 2);
}

void TScalePreview::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    placeMessage();
}

void TScalePreview::showResult(PreviewResult r) {
    if (r.kind == PreviewResult::Picture) {
        message_->hide();
        canvas_->SetFaded(false);
        facts_->setText(FactsLine(*r.list, last_.definitionActive ? last_.definitionName : std::string()));
        canvas_->SetList(std::move(r.list), std::move(r.raster), std::move(r.sheet));
    } else {
        message_->setText(r.message);
        placeMessage();
        message_->show();
        canvas_->SetFaded(true);
    }
    canvas_->update();
}

}  // namespace sp
