#include "ui/preview/PreviewJob.h"

#include <QFileInfo>
#include <QLocale>
#include <new>

#include "base/Errors.h"
#include "scale/drawing/DrawingSurface.h"
#include "scale/drawing/ScaleDrawing.h"
#include "ui/preview/PreviewCanvas.h"

namespace sp {

namespace {

struct TooManyCalls {};

// The recorder with a ceiling: past `max` calls the drawing is abandoned.
class CappedRecorder final : public DrawingSurface {
public:
    CappedRecorder(std::int32_t dpi, double pixelsPerMm, std::size_t max) : rec_(dpi, pixelsPerMm), max_(max) {}
    void Create(std::int32_t w, std::int32_t h) override { rec_.Create(w, h); }
    void SetPenColor(TColor c) override { rec_.SetPenColor(c); }
    void SetBrushColor(TColor c) override { rec_.SetBrushColor(c); }
    void SetPenWidth(std::int32_t w) override { rec_.SetPenWidth(w); }
    std::int32_t PenWidth() const override { return rec_.PenWidth(); }
    void MoveTo(TPoint to) override { count(), rec_.MoveTo(to); }
    void LineTo(TPoint to) override { count(), rec_.LineTo(to); }
    void Ellipse(const TRect& box) override { count(), rec_.Ellipse(box); }
    void FillText(const TextOutline& outline) override { count(), rec_.FillText(outline); }
    void Fill(const TextOutline& path, TColor color, bool evenOdd) override {
        count(), rec_.Fill(path, color, evenOdd);
    }
    void MirrorLeftRight() override { rec_.MirrorLeftRight(); }
    DisplayList TakeList() { return rec_.TakeList(); }

private:
    void count() {
        if (++n_ > max_) throw TooManyCalls{};
    }
    RecordingSurface rec_;
    std::size_t max_, n_ = 0;
};

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Mm(double mm) { return QString::number(mm, 'g', 7); }

}  // namespace

QString TooLargeText() {
    const QString count = QLocale(QLocale::Slovak).toString(static_cast<qulonglong>(PreviewMaxItems));
    return QString("Náhľad nezobrazí viac ako %1 čiar; obrázok sa uloží celý.").arg(count);
}

PreviewResult ComputePreview(const PreviewInput& input, bool withRaster, QSize view, std::size_t maxItems) {
    PreviewResult r;
    ScaleParameters p = input.params;
    FormFields f = input.fields;
    try {
        if (auto message = ReadScaleParameters(p, f)) {
            r.message = Q(*message);
            return r;
        }
        CappedRecorder surface(p.Dpi, p.PixelsPerMm, maxItems);
        DrawScale(surface, p, f, input.definition, input.definitionActive);
        r.list = std::make_shared<const DisplayList>(surface.TakeList());
        r.kind = PreviewResult::Picture;
        const DisplayList& l = *r.list;
        if (withRaster && std::int64_t{l.Width} * l.Height <= PreviewMaxRasterPixels) r.raster = RasterPreview(input);
        if (l.Items.size() > PreviewDirectPaintItems) r.sheet = PlateImage(l, view);
    } catch (const TooManyCalls&) {
        r.kind = PreviewResult::TooLarge;
        r.message = TooLargeText();
    } catch (const EError& e) {
        r.message = Q(ErrorBoxText(e.what()));
    } catch (const std::bad_alloc&) {
        r.kind = PreviewResult::Message;
        r.message = Q(ErrorBoxText(EOutOfResources().what()));
    }
    return r;
}

QImage RasterPreview(const PreviewInput& input) {
    ScaleParameters p = input.params;
    FormFields f = input.fields;
    if (ReadScaleParameters(p, f)) return {};
    const std::unique_ptr<TBitmap> picture = DrawScale(p, f, input.definition, input.definitionActive);
    if (!picture || !picture->HasStorage()) return {};
    QImage image(picture->Width(), picture->Height(), QImage::Format_BGR888);
    if (image.isNull()) return {};
    const auto rowBytes = static_cast<std::size_t>(picture->Width()) * 3;
    for (std::int32_t y = 0; y < picture->Height(); ++y)
        std::copy_n(picture->RowBits(y), rowBytes, image.scanLine(y));
    return image;
}

QString FactsLine(const DisplayList& list, const std::string& definitionName) {
    QString facts = QString("%1 × %2 mm · %3 × %4 px · %5 dpi")
                        .arg(Mm(list.WidthMm), Mm(list.HeightMm))
                        .arg(list.Width)
                        .arg(list.Height)
                        .arg(list.Dpi);
    if (!definitionName.empty()) facts += " · " + QFileInfo(Q(definitionName)).fileName();
    return facts;
}

}  // namespace sp
