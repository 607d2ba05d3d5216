// Draws Fonkel's pictures with QPainter and writes them as PNG files:
//   mkicons <project root>
// writes app/core/icons/*.png and control/resources/lintaro-32.png. The files
// are committed; the build embeds them and never runs this tool.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <functional>

namespace {

const QColor kBlue(0x1f, 0x5f, 0xa8);
const QColor kGreen(0x2e, 0x9a, 0x44);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kOrange(0xe6, 0x7e, 0x22);
const QColor kGrey(0x7f, 0x8c, 0x8d);
const QColor kLightGrey(0xbd, 0xc3, 0xc7);
const QColor kDark(0x2c, 0x3e, 0x50);
const QColor kGold(0xf4, 0xc2, 0x0d);

using Painter = std::function<void(QPainter&, double size)>;

QImage render(int width, int height, const Painter& paint)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p, std::min(width, height));
    return image;
}

// A telephone handset in the square box (origin, s): a handle arching upwards
// with the ear and mouth cups pointing down, turned by angle degrees
// (clockwise) about the box's centre.
void drawHandset(QPainter& p, QPointF origin, double s, const QColor& color, double angle = 0)
{
    p.save();
    p.translate(origin.x() + s / 2, origin.y() + s / 2);
    p.rotate(angle);
    p.scale(s, s);
    p.translate(-0.5, -0.5);
    p.setPen(QPen(color, 0.17, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle;
    handle.moveTo(0.18, 0.50);
    handle.cubicTo(0.22, 0.22, 0.78, 0.22, 0.82, 0.50);
    p.drawPath(handle);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (const double x : {0.18, 0.82}) {
        QPainterPath cup;
        cup.moveTo(x - 0.10, 0.44);
        cup.lineTo(x + 0.10, 0.44);
        cup.lineTo(x + 0.15, 0.70);
        cup.quadTo(x, 0.78, x - 0.15, 0.70);
        cup.closeSubpath();
        p.drawPath(cup);
    }
    p.restore();
}

void drawPerson(QPainter& p, double s, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(s * 0.32, s * 0.06, s * 0.36, s * 0.36));
    QPainterPath body;
    body.moveTo(s * 0.10, s * 0.98);
    body.cubicTo(s * 0.10, s * 0.52, s * 0.90, s * 0.52, s * 0.90, s * 0.98);
    body.closeSubpath();
    p.drawPath(body);
}

void drawQuestionMark(QPainter& p, QRectF box, const QColor& color)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(box.height()));
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
}

// The small arrow of the forwarded (connected-party) variants, bottom right.
void drawForwardArrow(QPainter& p, double s)
{
    QPainterPath arrow;
    arrow.moveTo(s * 0.50, s * 0.70);
    arrow.lineTo(s * 0.74, s * 0.70);
    arrow.lineTo(s * 0.74, s * 0.56);
    arrow.lineTo(s * 1.00, s * 0.80);
    arrow.lineTo(s * 0.74, s * 1.00);
    arrow.lineTo(s * 0.74, s * 0.88);
    arrow.lineTo(s * 0.50, s * 0.88);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::white, s * 0.06));
    p.setBrush(kOrange);
    p.drawPath(arrow);
}

void drawSparkle(QPainter& p, QPointF centre, double radius, const QColor& color)
{
    QPainterPath star;
    const double inner = radius * 0.28;
    for (int i = 0; i < 8; ++i) {
        const double angle = M_PI / 4 * i - M_PI / 2;
        const double r = i % 2 == 0 ? radius : inner;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(star);
}

void drawTriangle(QPainter& p, double s, bool up)
{
    QPainterPath t;
    if (up) {
        t.moveTo(s * 0.5, s * 0.28);
        t.lineTo(s * 0.80, s * 0.72);
        t.lineTo(s * 0.20, s * 0.72);
    } else {
        t.moveTo(s * 0.20, s * 0.28);
        t.lineTo(s * 0.80, s * 0.28);
        t.lineTo(s * 0.5, s * 0.72);
    }
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kGrey);
    p.drawPath(t);
}

// The phone base of the telephone-button pictures.
void drawBase(QPainter& p, double s, const QColor& color)
{
    QPainterPath base;
    base.moveTo(s * 0.24, s * 0.64);
    base.lineTo(s * 0.76, s * 0.64);
    base.lineTo(s * 0.92, s * 0.94);
    base.lineTo(s * 0.08, s * 0.94);
    base.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(base);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(s * 0.5, s * 0.80), s * 0.08, s * 0.08);
}

void drawHandsetOnCradle(QPainter& p, double s, const QColor& color)
{
    drawBase(p, s, color.lighter(135));
    drawHandset(p, QPointF(0, s * 0.02), s, color.darker(110));
}

struct Picture {
    QString file;
    int width;
    int height;
    Painter paint;
};

QList<Picture> pictures()
{
    QList<Picture> list;
    const auto icon = [&](const QString& key, Painter paint) {
        list.append({QStringLiteral("icons/") + key + QStringLiteral(".png"), 16, 16, paint});
    };

    // ilIcons, in the order of their indexes 1 to 11.
    icon(QStringLiteral("Suche"), [](QPainter& p, double s) {
        p.setPen(QPen(kBlue, s * 0.14));
        p.setBrush(QColor(0xd6, 0xe6, 0xf7));
        p.drawEllipse(QRectF(s * 0.10, s * 0.10, s * 0.52, s * 0.52));
        p.setPen(QPen(kDark, s * 0.18, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.60, s * 0.60), QPointF(s * 0.88, s * 0.88));
    });
    icon(QStringLiteral("Unbekannt"), [](QPainter& p, double s) {
        drawPerson(p, s, kLightGrey);
        drawQuestionMark(p, QRectF(s * 0.2, s * 0.2, s * 0.8, s * 0.8), kDark);
    });
    icon(QStringLiteral("Ton"), [](QPainter& p, double s) {
        drawHandset(p, QPointF(-s * 0.06, s * 0.14), s * 0.86, kDark, 45);
        p.setPen(QPen(kBlue, s * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.42, s * 0.02, s * 0.40, s * 0.40), -30 * 16, 120 * 16);
        p.drawArc(QRectF(s * 0.34, -s * 0.10, s * 0.64, s * 0.64), -30 * 16, 120 * 16);
    });
    icon(QStringLiteral("Leer"), [](QPainter& p, double s) {
        p.setPen(QPen(kLightGrey, s * 0.08));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(s * 0.30, s * 0.30, s * 0.40, s * 0.40));
    });
    icon(QStringLiteral("Klingel"), [](QPainter& p, double s) {
        QPainterPath bell;
        bell.moveTo(s * 0.14, s * 0.76);
        bell.cubicTo(s * 0.28, s * 0.62, s * 0.20, s * 0.14, s * 0.50, s * 0.12);
        bell.cubicTo(s * 0.80, s * 0.14, s * 0.72, s * 0.62, s * 0.86, s * 0.76);
        bell.closeSubpath();
        p.setPen(QPen(kOrange.darker(130), s * 0.06));
        p.setBrush(kGold);
        p.drawPath(bell);
        p.setPen(Qt::NoPen);
        p.setBrush(kOrange.darker(130));
        p.drawEllipse(QPointF(s * 0.5, s * 0.86), s * 0.10, s * 0.10);
        p.drawEllipse(QPointF(s * 0.5, s * 0.08), s * 0.06, s * 0.06);
    });
    icon(QStringLiteral("ACT"), [](QPainter& p, double s) { drawPerson(p, s, kBlue); });
    icon(QStringLiteral("Verbindung"), [](QPainter& p, double s) {
        drawHandset(p, QPointF(-s * 0.04, s * 0.06), s * 0.96, kGreen, 45);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen.darker(120));
        p.drawEllipse(QPointF(s * 0.80, s * 0.20), s * 0.10, s * 0.10);
    });
    icon(QStringLiteral("NOACT"), [](QPainter& p, double s) {
        drawPerson(p, s, kLightGrey);
        p.setPen(QPen(kRed, s * 0.16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.18, s * 0.18), QPointF(s * 0.82, s * 0.82));
        p.drawLine(QPointF(s * 0.82, s * 0.18), QPointF(s * 0.18, s * 0.82));
    });
    icon(QStringLiteral("Unbekannt_Weiterleitung"), [](QPainter& p, double s) {
        drawPerson(p, s * 0.8, kLightGrey);
        drawQuestionMark(p, QRectF(s * 0.1, s * 0.1, s * 0.6, s * 0.6), kDark);
        drawForwardArrow(p, s);
    });
    icon(QStringLiteral("ACT_Weiterleitung"), [](QPainter& p, double s) {
        drawPerson(p, s * 0.8, kBlue);
        drawForwardArrow(p, s);
    });
    icon(QStringLiteral("Cache"), [](QPainter& p, double s) {
        const QColor body(0x5d, 0x7f, 0xa3);
        p.setPen(QPen(kDark, s * 0.06));
        p.setBrush(body);
        const QRectF top(s * 0.16, s * 0.08, s * 0.68, s * 0.24);
        QPainterPath drum;
        drum.moveTo(top.left(), top.center().y());
        drum.lineTo(top.left(), s * 0.80);
        drum.arcTo(QRectF(top.left(), s * 0.68, top.width(), top.height()), 180, 180);
        drum.lineTo(top.right(), top.center().y());
        p.drawPath(drum);
        p.setBrush(body.lighter(140));
        p.drawEllipse(top);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(top.left(), s * 0.36, top.width(), top.height()), 180 * 16, 180 * 16);
    });

    // ilSortierung.
    icon(QStringLiteral("Sort_Hoch"), [](QPainter& p, double s) { drawTriangle(p, s, true); });
    icon(QStringLiteral("Sort_Runter"), [](QPainter& p, double s) { drawTriangle(p, s, false); });
    icon(QStringLiteral("Sort_Leer"), [](QPainter&, double) {});

    // ilTelefone, 32 x 32.
    const auto phone = [&](const QString& key, Painter paint) {
        list.append(
            {QStringLiteral("icons/Telefon_") + key + QStringLiteral(".png"), 32, 32, paint});
    };
    phone(QStringLiteral("passiv"),
          [](QPainter& p, double s) { drawHandsetOnCradle(p, s, kGrey); });
    phone(QStringLiteral("aktiv"),
          [](QPainter& p, double s) { drawHandsetOnCradle(p, s, kGreen); });
    phone(QStringLiteral("abgenommen"), [](QPainter& p, double s) {
        drawBase(p, s, kOrange.lighter(135));
        drawHandset(p, QPointF(-s * 0.06, -s * 0.16), s * 0.86, kOrange, -25);
        p.setPen(QPen(kOrange, s * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(s * 0.58, s * 0.02, s * 0.36, s * 0.36), -20 * 16, 100 * 16);
    });

    // ilBanner: nine frames of a sparkle travelling over the name.
    for (int frame = 1; frame <= 9; ++frame) {
        list.append(
            {QStringLiteral("icons/Banner%1.png").arg(frame), 96, 48, [frame](QPainter& p, double) {
                 QLinearGradient sky(0, 0, 0, 48);
                 sky.setColorAt(0, QColor(0x25, 0x4a, 0x7e));
                 sky.setColorAt(1, QColor(0x10, 0x24, 0x42));
                 p.setPen(Qt::NoPen);
                 p.setBrush(sky);
                 p.drawRoundedRect(QRectF(0, 0, 96, 48), 6, 6);
                 QFont font(QStringLiteral("DejaVu Sans"));
                 font.setBold(true);
                 font.setPixelSize(19);
                 p.setFont(font);
                 p.setPen(Qt::white);
                 p.drawText(QRectF(0, 14, 96, 30), Qt::AlignHCenter | Qt::AlignVCenter,
                            QStringLiteral("Fonkel"));
                 const double t = (frame - 1) / 8.0;
                 const QPointF centre(12 + 72 * t, 14 - 9 * std::sin(M_PI * t));
                 const double radius = 5 + 4 * std::sin(M_PI * t);
                 drawSparkle(p, centre, radius, kGold);
                 drawSparkle(p, QPointF(96 - centre.x(), 42), radius * 0.45, kGold.lighter(120));
             }});
    }

    // The telephony control's 32 x 32 icon.
    list.append({QStringLiteral("lintaro-32.png"), 32, 32, [](QPainter& p, double s) {
                     p.setPen(Qt::NoPen);
                     p.setBrush(kBlue);
                     p.drawRoundedRect(QRectF(1, 1, s - 2, s - 2), 6, 6);
                     drawHandset(p, QPointF(s * 0.08, s * 0.16), s * 0.80, Qt::white, 45);
                     drawSparkle(p, QPointF(s * 0.76, s * 0.24), s * 0.18, kGold);
                 }});
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: mkicons <project root>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString iconDir = root.filePath(QStringLiteral("app/core"));
    const QString controlDir = root.filePath(QStringLiteral("control/resources"));
    QDir().mkpath(iconDir + QStringLiteral("/icons"));
    QDir().mkpath(controlDir);
    for (const Picture& picture : pictures()) {
        const bool forControl = picture.file.startsWith(QStringLiteral("lintaro"));
        const QString path = (forControl ? controlDir : iconDir) + u'/' + picture.file;
        if (!render(picture.width, picture.height, picture.paint).save(path, "PNG")) {
            err << "mkicons: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
