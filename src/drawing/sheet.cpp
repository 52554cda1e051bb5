#include "drawing/sheet.h"

#include "base/numberformat.h"
#include "drawing/placementtexts.h"

#include <cmath>

namespace {

struct PaperSize {
    const char16_t* name;
    double width;
    double height;
};

constexpr PaperSize kPaperSizes[] = {{u"A5", 148, 210}, {u"A4", 210, 297}, {u"A3", 297, 420}};

} // namespace

Result<Sheet> ParseSheet(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const QStringView landscape = u"-landscape";
    const bool lying = trimmed.endsWith(landscape, Qt::CaseInsensitive);
    const QStringView paper = lying ? trimmed.chopped(landscape.size()) : trimmed;
    for (const PaperSize& size : kPaperSizes) {
        if (paper.compare(QStringView(size.name), Qt::CaseInsensitive) != 0)
            continue;
        Sheet sheet{trimmed.toString(), size.width, size.height};
        if (lying)
            std::swap(sheet.width, sheet.height);
        return sheet;
    }
    const qsizetype by = trimmed.indexOf(u'x', 0, Qt::CaseInsensitive);
    if (by > 0 && !lying) {
        const Result<double> width = ParseReal(trimmed.first(by).toString().replace(u'.', u','));
        const Result<double> height =
            ParseReal(trimmed.sliced(by + 1).toString().replace(u'.', u','));
        if (width && height && *width > 0 && *height > 0 && std::isfinite(*width) &&
            std::isfinite(*height))
            return Sheet{trimmed.toString(), *width, *height};
    }
    return Failure{placement::badPaper(text.toString())};
}
