#include "ConnectionDrawing.h"

#include "report/Bitmap.h"
#include "report/ReportDocument.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace orvex {

namespace {

// Where the parts lie in the sketch and where their names go in the detail picture.
constexpr int kColumnFace = 50;
constexpr int kBeamEnd = 64;
constexpr int kBeamBreak = 200;
constexpr int kBeamTop = 44;
constexpr int kBeamBottom = 92;
constexpr int kFlange = 5;
constexpr int kAngleLeg = 6;
constexpr int kNameX = 220;
constexpr int kBeamNameY = 57;
constexpr int kAngleNameY = 109;
constexpr int kColumnNameY = 152;

const QColor kSteel(96, 110, 128);
const QColor kSteelLight(200, 208, 218);
const QColor kAngleColour(60, 60, 60);
const QColor kLoadColour(200, 0, 0);

QFont NameFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    return font;
}

void DrawArrowHead(QPainter& p, QPointF tip, QPointF direction, qreal size) {
    const QPointF side(-direction.y(), direction.x());
    QPolygonF head;
    head << tip << tip - direction * size + side * size * 0.5 << tip - direction * size - side * size * 0.5;
    p.drawPolygon(head);
}

void DrawColumn(QPainter& p) {
    const int top = 4;
    const int bottom = kConnectionPreviewHeight - 4;
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelLight);
    p.drawRect(QRect(QPoint(14, top), QPoint(kColumnFace - 6, bottom)));
    p.setBrush(kSteel);
    p.drawRect(QRect(QPoint(8, top), QPoint(13, bottom)));
    p.drawRect(QRect(QPoint(kColumnFace - 5, top), QPoint(kColumnFace - 1, bottom)));
    // the column goes on above and below the sketch
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (const int y : {top, bottom})
        p.drawLine(QPoint(4, y), QPoint(kColumnFace + 4, y));
}

void DrawBeam(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSteelLight);
    p.drawRect(QRect(QPoint(kBeamEnd, kBeamTop + kFlange), QPoint(kBeamBreak, kBeamBottom - kFlange - 1)));
    p.setBrush(kSteel);
    p.drawRect(QRect(QPoint(kBeamEnd, kBeamTop), QPoint(kBeamBreak, kBeamTop + kFlange - 1)));
    p.drawRect(QRect(QPoint(kBeamEnd, kBeamBottom - kFlange), QPoint(kBeamBreak, kBeamBottom - 1)));
    // break line where the beam goes on
    p.setPen(QPen(Qt::black, 1));
    QPainterPath path;
    path.moveTo(kBeamBreak, kBeamTop - 4);
    path.lineTo(kBeamBreak, 62);
    path.lineTo(kBeamBreak + 5, 66);
    path.lineTo(kBeamBreak - 5, 72);
    path.lineTo(kBeamBreak, 76);
    path.lineTo(kBeamBreak, kBeamBottom + 4);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// An angle against the column face: one leg along the beam flange, one leg down (seat) or up
// (top angle) the face, with a fillet weld at the toe of the face leg.
void DrawAngle(QPainter& p, int flangeY, int legLength, int faceLegEnd, bool seat) {
    const int sign = seat ? 1 : -1;
    QPolygon outline;
    outline << QPoint(kColumnFace, flangeY) << QPoint(kColumnFace + legLength, flangeY)
            << QPoint(kColumnFace + legLength, flangeY + sign * kAngleLeg)
            << QPoint(kColumnFace + kAngleLeg, flangeY + sign * kAngleLeg)
            << QPoint(kColumnFace + kAngleLeg, faceLegEnd) << QPoint(kColumnFace, faceLegEnd);
    p.setPen(Qt::NoPen);
    p.setBrush(kAngleColour);
    p.drawPolygon(outline);
    QPolygon weld;
    weld << QPoint(kColumnFace, faceLegEnd) << QPoint(kColumnFace + kAngleLeg, faceLegEnd)
         << QPoint(kColumnFace, faceLegEnd + sign * kAngleLeg);
    p.setBrush(Qt::black);
    p.drawPolygon(weld);
}

void DrawClearance(QPainter& p) {
    const qreal y = 68;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawLine(QPointF(kColumnFace, y), QPointF(kBeamEnd, y));
    DrawArrowHead(p, QPointF(kColumnFace, y), QPointF(-1, 0), 4);
    DrawArrowHead(p, QPointF(kBeamEnd, y), QPointF(1, 0), 4);
}

void DrawLoad(QPainter& p) {
    const qreal x = 150;
    p.setPen(QPen(kLoadColour, 2));
    p.setBrush(kLoadColour);
    p.drawLine(QPointF(x, 8), QPointF(x, kBeamTop - 6));
    p.setPen(QPen(kLoadColour, 1));
    DrawArrowHead(p, QPointF(x, kBeamTop - 1), QPointF(0, 1), 7);
    QFont font = NameFont();
    font.setBold(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.drawText(QPointF(x + 6, 20), QStringLiteral("P"));
}

std::string AngleName(const TConnectionSimple& connection) {
    return connection.Angle.SectionName + " , L = " + GeneralNumber(connection.Angle.L * 10) + " mm";
}

void DrawName(QPainter& p, int y, const std::string& name) {
    const QFontMetrics metrics(p.font());
    p.drawText(QPoint(kNameX, y + metrics.ascent()), QString::fromStdString(name));
}

void DrawLeader(QPainter& p, QPoint from, int y) {
    p.drawLine(from, QPoint(kNameX - 4, y));
}

} // namespace

void EnsureDrawingApplication() {
    if (QCoreApplication::instance() != nullptr) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
            throw std::logic_error("drawing text needs a QGuiApplication, not a plain QCoreApplication");
        return;
    }
    static int argc = 3;
    static char name[] = "orvex";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    // Never destroyed: it has to outlive every picture and font made from it.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

QImage ConnectionPreviewImage() {
    EnsureDrawingApplication();
    QImage image(kConnectionPreviewWidth, kConnectionPreviewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DrawColumn(p);
    DrawBeam(p);
    DrawAngle(p, kBeamBottom, 54, 136, true); // seat angle under the bottom flange
    DrawAngle(p, kBeamTop, 40, 14, false);    // top angle over the top flange
    DrawClearance(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawLoad(p);
    p.end();
    return image;
}

QImage ConnectionDetailImage(const TConnectionSimple& connection) {
    const std::string angleName = AngleName(connection);
    EnsureDrawingApplication();
    QImage image(kConnectionDetailWidth, kConnectionPreviewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(QPoint(0, 0), ConnectionPreviewImage());

    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    const QFontMetrics metrics(NameFont());
    const int middle = metrics.height() / 2;
    DrawLeader(p, QPoint(kBeamBreak + 6, kBeamNameY + middle), kBeamNameY + middle);
    DrawLeader(p, QPoint(kColumnFace + kAngleLeg + 2, kAngleNameY + middle), kAngleNameY + middle);
    DrawLeader(p, QPoint(kColumnFace + 2, kColumnNameY + middle), kColumnNameY + middle);

    p.setPen(Qt::black);
    p.setFont(NameFont());
    DrawName(p, kBeamNameY, connection.Beam.SectionName);
    DrawName(p, kAngleNameY, angleName);
    DrawName(p, kColumnNameY, connection.Column.SectionName);
    p.end();
    return image;
}

TPicture BitmapFromImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage pixels;
    pixels.Width = rgb.width();
    pixels.Height = rgb.height();
    const std::size_t rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    pixels.Pixels.resize(rowBytes * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.Pixels.data() + rowBytes * static_cast<std::size_t>(y), rgb.constScanLine(y),
                    rowBytes);
    return std::make_shared<const std::vector<std::uint8_t>>(EncodeBitmap(pixels));
}

TPicture ConnectionDetailPicture(const TConnectionSimple& connection) {
    return BitmapFromImage(ConnectionDetailImage(connection));
}

} // namespace orvex
