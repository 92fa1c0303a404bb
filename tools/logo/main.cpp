// Draws the logo of the info dialog and stores it as a 306 x 322 JPEG.
// Runs at build time: brisko_logo <output.jpg>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int Width = 306;
constexpr int Height = 322;

const QColor Red(196, 24, 36);
const QColor Black(24, 24, 28);
const QColor Gold(232, 196, 110);

// Suit symbols in a box from -1 to 1.
QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(0, 1);
    p.cubicTo(-0.2, 0.7, -1, 0.3, -1, -0.25);
    p.cubicTo(-1, -0.75, -0.35, -0.95, 0, -0.45);
    p.cubicTo(0.35, -0.95, 1, -0.75, 1, -0.25);
    p.cubicTo(1, 0.3, 0.2, 0.7, 0, 1);
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.lineTo(0.72, 0);
    p.lineTo(0, 1);
    p.lineTo(-0.72, 0);
    p.closeSubpath();
    return p;
}

QPainterPath Spade() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.cubicTo(0.2, -0.7, 1, -0.3, 1, 0.2);
    p.cubicTo(1, 0.65, 0.35, 0.8, 0.08, 0.45);
    p.lineTo(0.28, 1);
    p.lineTo(-0.28, 1);
    p.lineTo(-0.08, 0.45);
    p.cubicTo(-0.35, 0.8, -1, 0.65, -1, 0.2);
    p.cubicTo(-1, -0.3, -0.2, -0.7, 0, -1);
    return p;
}

QPainterPath Club() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.addEllipse(QPointF(0, -0.5), 0.42, 0.42);
    p.addEllipse(QPointF(-0.5, 0.12), 0.42, 0.42);
    p.addEllipse(QPointF(0.5, 0.12), 0.42, 0.42);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.lineTo(0.28, 1);
    stem.lineTo(-0.28, 1);
    stem.closeSubpath();
    return p.united(stem);
}

QPainterPath Star() {
    QPainterPath p;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? 1.0 : 0.42;
        const QPointF point(r * std::cos(angle), r * std::sin(angle));
        if (i == 0) {
            p.moveTo(point);
        } else {
            p.lineTo(point);
        }
    }
    p.closeSubpath();
    return p;
}

void DrawSymbol(QPainter& painter, const QPainterPath& symbol, QPointF centre, double size,
                const QColor& color) {
    painter.save();
    painter.translate(centre);
    painter.scale(size / 2, size / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(symbol);
    painter.restore();
}

struct TCardPicture {
    const char* Rank;
    QPainterPath Symbol;
    QColor Color;
};

// One card of the fan, upright in its own coordinates (centre at 0, 0).
// Covered cards show their big symbol further left, where it stays visible.
void DrawCard(QPainter& painter, const TCardPicture& card, bool covered) {
    const QRectF box(-46, -66, 92, 132);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(box.translated(3, 4), 8, 8);
    painter.setPen(QPen(QColor(150, 150, 150), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 8, 8);

    QFont index("Liberation Serif");
    index.setBold(true);
    index.setPixelSize(20);
    painter.setFont(index);
    painter.setPen(card.Color);
    painter.drawText(QRectF(box.left() + 5, box.top() + 3, 26, 22), Qt::AlignCenter, card.Rank);
    DrawSymbol(painter, card.Symbol, QPointF(box.left() + 18, box.top() + 34), 14, card.Color);
    DrawSymbol(painter, card.Symbol, covered ? QPointF(-14, 14) : QPointF(4, 10), covered ? 40 : 52,
               card.Color);
}

QImage DrawLogo() {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(240, 202, 166));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The green table with a golden rim.
    const QRectF table(4, 4, Width - 8, Height - 8);
    QRadialGradient felt(QPointF(Width / 2.0, Height * 0.45), Width * 0.75);
    felt.setColorAt(0, QColor(38, 140, 72));
    felt.setColorAt(1, QColor(10, 64, 34));
    painter.setPen(QPen(Gold, 3));
    painter.setBrush(felt);
    painter.drawRoundedRect(table, 22, 22);
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(table.adjusted(7, 7, -7, -7), 16, 16);

    // The name, with a soft shadow.
    QFont title("Liberation Serif");
    title.setBold(true);
    title.setPixelSize(58);
    painter.setFont(title);
    const QRectF titleBox(0, 16, Width, 70);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(titleBox.translated(2, 3), Qt::AlignCenter, "Brisko");
    QLinearGradient shine(0, 24, 0, 80);
    shine.setColorAt(0, QColor(255, 236, 170));
    shine.setColorAt(1, Gold.darker(115));
    painter.setPen(QPen(QBrush(shine), 1));
    painter.drawText(titleBox, Qt::AlignCenter, "Brisko");

    // A fanned run of hearts and a joker, rummy's two ideas in one hand.
    const std::vector<TCardPicture> cards = {
        {"7", Heart(), Red},
        {"8", Heart(), Red},
        {"9", Heart(), Red},
        {"J", Star(), QColor(180, 120, 20)},
    };
    const QPointF pivot(Width / 2.0, 330);
    for (size_t i = 0; i < cards.size(); ++i) {
        const double angle = -27 + 18 * static_cast<double>(i);
        painter.save();
        painter.translate(pivot);
        painter.rotate(angle);
        painter.translate(0, -160);
        DrawCard(painter, cards[i], i + 1 < cards.size());
        painter.restore();
    }

    // The four suits along the bottom.
    const QPainterPath suits[] = {Diamond(), Heart(), Spade(), Club()};
    const QColor colors[] = {Red, Red, Black, Black};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRoundedRect(QRectF(Width / 2.0 - 86, 256, 172, 34), 17, 17);
    for (int i = 0; i < 4; ++i) {
        DrawSymbol(painter, suits[i], QPointF(Width / 2.0 - 57 + 38 * i, 273), 22, colors[i]);
    }
    // The line below the suits (y 292 to 314) stays free: the info dialog writes
    // the maker's line there in the player's language.
    painter.end();
    return image;
}

bool WriteJpeg(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (file == nullptr) {
        return false;
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);  // errors end the tool, which is right at build time
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: brisko_logo <output.jpg>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString temporary = path + ".tmp";
    if (!WriteJpeg(DrawLogo(), temporary)) {
        std::fprintf(stderr, "brisko_logo: cannot write %s\n", argv[1]);
        return 1;
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        std::fprintf(stderr, "brisko_logo: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
