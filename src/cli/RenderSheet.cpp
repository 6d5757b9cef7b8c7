#include "RenderSheet.h"

#include <charconv>
#include <iostream>

#include "scale/output/OutputFormat.h"
#include "scale/sheet/Sheet.h"

namespace sp {

namespace {

constexpr int kWritten = 0, kMessage = 1;

// A number with a decimal point or comma, the whole text.
template <typename T>
std::optional<T> NumberOf(std::string text) {
    for (char& ch : text)
        if (ch == ',') ch = '.';
    T v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace

bool ParseSheetArgument(int argc, char** argv, int& i, SheetOptions& o, std::optional<std::string>& problem) {
    const std::string a = argv[i];
    if (a == "--landscape") {
        o.landscape = true;
        return true;
    }
    if (a != "--sheet" && a != "--copies" && a != "--gap" && a != "--scale-x" && a != "--scale-y") return false;
    if (i + 1 >= argc) {
        problem = a + " needs a value";
        return true;
    }
    const std::string v = argv[++i];
    if (a == "--sheet") {
        const auto paper = FindPaper(v);
        if (!paper) problem = "--sheet takes A4, A5, A3 or Letter, not '" + v + "'";
        else o.paper = paper->name;
    } else if (a == "--copies") {
        const auto n = NumberOf<std::int32_t>(v);
        if (!n || *n < 1 || *n > kMaxCopies) problem = "--copies takes a whole number from 1 to " + std::to_string(kMaxCopies);
        else o.copies = *n;
    } else {
        const auto x = NumberOf<double>(v);
        const bool gap = a == "--gap";
        const bool ok = x && (gap ? *x >= 0 && *x <= kMaxGap : *x >= kMinFactor && *x <= kMaxFactor);
        if (!ok) problem = a + (gap ? " takes millimetres from 0 to 100" : " takes a factor from 0.9 to 1.1");
        else (gap ? o.gap : a == "--scale-x" ? o.scaleX : o.scaleY) = *x;
    }
    return true;
}

int RenderSheet(const Plate& plate, const std::string& folder, const SheetOptions& options,
                const std::string& output, const std::optional<std::string>& format) {
    Sheet sheet;
    if (auto refusal = MakeSheet({{plate, folder}}, options, sheet)) {
        std::cerr << *refusal << "\n";
        return kMessage;
    }
    const OutputFormat f = format ? *ParseOutputFormat(*format) : FormatOfFileName(output);
    if (FormatInfo(f).source == PictureSource::Raster) {
        const std::unique_ptr<TBitmap> page = DrawSheetRaster(sheet);
        WritePictureFile(f, page.get(), nullptr, output, {false, sheet.dpi});
    } else {
        const DisplayList list = RecordSheet(sheet);
        WritePictureFile(f, nullptr, &list, output);
    }
    return kWritten;
}

}  // namespace sp
