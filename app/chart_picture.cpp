#include "app/chart_picture.h"

#include "chart/paint/plot.h"
#include "runtime/exceptions.h"
#include "text/os_error.h"
#include "text/text_output_file.h"
#include "tools/file_replace.h"
#include "widgets/qt_text.h"

#include <QBuffer>
#include <cmath>

QImage ChartPicture(TPlot& chart)
{
    QImage picture = chart.RenderNow();
    // The chart's image has the resolution Qt gives every image, that of a
    // screen at ratio 1; the copy keeps the chart's image as it was.
    const double ratio = picture.devicePixelRatio();
    picture.setDotsPerMeterX(int(std::lround(picture.dotsPerMeterX() * ratio)));
    picture.setDotsPerMeterY(int(std::lround(picture.dotsPerMeterY() * ratio)));
    return picture;
}

void SavePictureFile(const QImage& picture, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        throw std::bad_alloc(); // encoding into memory fails only for want of it
    const std::string target = LocalPath(path);
    try {
        WriteFileReplacing(target, [&](TextOutputFile& file) {
            file.Write({png.constData(), size_t(png.size())});
        });
    } catch (const EInOutError& error) {
        throw EInOutError("Cannot create file \"" + MessagePath(target) + "\". " + error.Message(),
                          error.ErrorCode);
    }
}
