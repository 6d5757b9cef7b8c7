#include "ui/preview/PreviewJob.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <new>

#include "base/Errors.h"
#include "raster/PictureWriter.h"
#include "scale/drawing/DrawingSurface.h"
#include "raster/Mirror.h"
#include "scale/drawing/ListRaster.h"
#include "scale/output/PicturePipeline.h"
#include "ui/preview/PlatePainter.h"
#include "scale/plate/PlateDrawing.h"
#include "scale/plate/PlateReader.h"

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

// The checks of the plate reader, on the text the plate's file would hold:
// the picture shows what saving and opening the file again would draw.
std::optional<std::string> PlateRefusal(const PreviewInput& input) {
    try {
        CheckPlate(*input.plate, input.plateName);
    } catch (const EPlateInput& e) {
        return e.what();
    }
    return std::nullopt;
}

// Records the picture of the plate, or of the window's scale through the
// one picture pipeline with its texts' collisions into `r`; nothing, and the
// refusal in r.message, when the input is refused.
std::shared_ptr<const DisplayList> Record(const PreviewInput& input, std::size_t maxItems, PreviewResult& r) {
    if (input.plate) {
        if (auto refusal = PlateRefusal(input)) {
            r.message = Q(*refusal);
            return nullptr;
        }
        const Plate& plate = *input.plate;
        CappedRecorder surface(plate.plate.dpi, PixelsPerMmOf(plate.plate.dpi), maxItems);
        DrawPlate(surface, plate, input.plateFolder);
        DisplayList list = surface.TakeList();
        const double margin = MarginOf(plate);
        list.WidthMm = plate.plate.width + 2 * margin;
        list.HeightMm = plate.plate.height + 2 * margin;
        return std::make_shared<const DisplayList>(std::move(list));
    }
    ScaleParameters p = input.params;
    FormFields f = input.fields;
    const PreparedPicture prepared = PreparePicture(p, f, input.definition, input.definitionActive);
    if (const auto* refusal = std::get_if<PictureRefusal>(&prepared)) {
        r.message = Q(refusal->sentence);
        return nullptr;
    }
    const PictureJob& job = std::get<PictureJob>(prepared);
    CappedRecorder surface(p.Dpi, p.PixelsPerMm, maxItems);
    TextCheck check;
    job.Draw(surface, p, &check);
    for (const std::string& w : check.warnings) r.warnings.push_back(Q(w));
    r.marks = std::move(check.marks);
    return std::make_shared<const DisplayList>(surface.TakeList());
}

}  // namespace

QString TooLargeText() {
    const QString count = QLocale(QLocale::Slovak).toString(static_cast<qulonglong>(PreviewMaxItems));
    return QString("Náhľad nezobrazí viac ako %1 čiar; obrázok sa uloží celý.").arg(count);
}

PreviewResult ComputePreview(const PreviewInput& input, bool withRaster, QSize view, std::size_t maxItems) {
    PreviewResult r;
    try {
        r.list = Record(input, maxItems, r);
        if (!r.list) return r;
        r.kind = PreviewResult::Picture;
        const DisplayList& l = *r.list;
        if (withRaster && std::int64_t{l.Width} * l.Height <= PreviewMaxRasterPixels) r.raster = RasterPreview(l);
        // A plate's coloured fills and many texts take longer to stroke than
        // a frame allows: the worker paints it, the window only copies it.
        if (l.Items.size() > PreviewDirectPaintItems || input.plate) r.sheet = PlateImage(l, view);
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

namespace {

// The rows of each band copied into the image, mirrored as the file would be.
class ImageRows final : public PictureWriter {
public:
    ImageRows(QImage& image, bool mirrored) : image_(image), mirrored_(mirrored) {}
    bool BottomUp() const override { return false; }
    void WriteBand(const TBitmap& band) override {
        const auto w = static_cast<std::size_t>(band.Width());
        for (std::int32_t y = band.BandTop(); y < band.BandBottom(); ++y) {
            const std::uint8_t* from = band.RowBits(y);
            uchar* to = image_.scanLine(y);
            if (!mirrored_) {
                std::copy_n(from, 3 * w, to);
                continue;
            }
            MirrorRow(from, to, w);
        }
    }
    void Commit() override {}

private:
    QImage& image_;
    bool mirrored_;
};

}  // namespace

QImage RasterPreview(const DisplayList& list) {
    if (list.Width <= 0 || list.Height <= 0) return {};
    QImage image(list.Width, list.Height, QImage::Format_BGR888);
    if (image.isNull()) return {};
    ImageRows rows(image, list.Mirrored);
    WriteInBands(rows, list.Width, list.Height, [&](TBitmap& band) { PaintList(list, band); });
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
