#include "render/FaceComposer.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "game/Card.h"
#include "render/ArtworkFiles.h"
#include "render/TableLayout.h"

namespace {

constexpr int32_t W = CardBitmapWidth;
constexpr int32_t H = CardBitmapHeight;
constexpr int32_t FontHeight = 15;

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

struct TBox {
    int32_t Left, Top, Right, Bottom;
};

// Pip columns: one in the middle, or a pair.
constexpr int32_t C1 = (W - 19) / 2;
constexpr int32_t C2 = (W - 40) / 2;
constexpr int32_t T8 = ((H - 15) / 2 - 15) / 2 + 15;
constexpr int32_t T9 = (H - 20) / 4 + 10;
constexpr int32_t T10 = H / 2 - 2 - 15;
constexpr int32_t U10 = (T10 - 10) / 2 + 10;
constexpr int32_t CR = (H - 15) / 2;

constexpr TBox Pip(int32_t left, int32_t top) {
    return {left, top, left + 19, top + 15};
}

// Pips drawn on the top half before it is mirrored, by rank loop value.
std::vector<TBox> UpperPips(int32_t value) {
    switch (value) {
        case 2:
        case 3:
            return {Pip(C1, 15)};
        case 4:
        case 5:
        case 6:
        case 7:
            return {Pip(C2, 15), Pip(C2 + 20, 15)};
        case 8:
            return {Pip(C2, 15), Pip(C2 + 20, 15), Pip(C1, T8)};
        case 9:
            return {Pip(C2, 10), Pip(C2 + 20, 10), Pip(C2, T9), Pip(C2 + 20, T9)};
        case 10:
            return {Pip(C2, 10), Pip(C2 + 20, 10), Pip(C2, T10), Pip(C2 + 20, T10), Pip(C1, U10)};
        default:
            return {};
    }
}

// Pips drawn after the mirroring, so only once.
std::vector<TBox> CentrePips(int32_t value) {
    switch (value) {
        case 1:
        case 3:
        case 5:
        case 9:
            return {Pip(C1, CR)};
        case 6:
        case 8:
            return {Pip(C2, CR), Pip(C2 + 20, CR)};
        case 7:
            return {Pip(C1, T8), Pip(C2, CR), Pip(C2 + 20, CR)};
        default:
            return {};
    }
}

// The suit symbol laid over the top left of a court picture.
TBox CourtSymbol(int32_t suit, int32_t th) {
    switch (suit) {
        case Karo:
            return {W / 10 + 1, th - 5, W / 10 + 16, th + 9};
        case Herz:
            return {W / 10 + 5, th - 3, W / 10 + 16, th + 7};
        default:
            return {W / 10 + 6, th - 5, W / 10 + 20, th + 9};
    }
}

// The letters in the corners are read by the player: a language has its own.
QString IndexText(int32_t value) {
    switch (value) {
        case 1:
            //: Corner letter of the ace.
            return QCoreApplication::translate("TFaceComposer", "A");
        case Bube:
            //: Corner letter of the jack (Bube).
            return QCoreApplication::translate("TFaceComposer", "B");
        case Dame:
            //: Corner letter of the queen (Dame).
            return QCoreApplication::translate("TFaceComposer", "D");
        case Koenig:
            //: Corner letter of the king (König).
            return QCoreApplication::translate("TFaceComposer", "K");
        default:
            return QString::number(value);
    }
}

QFont CardFontOfSize(int pixels) {
    QFont font("Times New Roman");
    font.setBold(true);
    font.setPixelSize(std::max(1, pixels));
    // Hinted as the desktop hints by default, also where Qt scales the whole
    // program and would otherwise leave the letters unhinted: a face then has
    // the same pixels at 200 % as at twice the pixel ratio.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

}  // namespace

void Spiegele(QImage& image) {
    if (image.depth() != 32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    const int w = image.width();
    const int h = image.height();
    uchar* bits = image.bits();  // detaches once, before any pointer is taken
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y <= h / 2 && y < h; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(bits + y * stride);
        auto* target = reinterpret_cast<QRgb*>(bits + (h - 1 - y) * stride);
        for (int x = 0; x < w; ++x) {
            target[x] = source[w - 1 - x];
        }
    }
}

int32_t CornerTextHeight() {
    return QFontMetrics(CardFontOfSize(FontHeight)).height();
}

void TFaceComposer::SetUp(const TArtwork* artwork, qreal devicePixelRatio) {
    Art = artwork;
    Dpr = devicePixelRatio > 0 ? devicePixelRatio : 1;
    CardFont = CardFontOfSize(qRound(FontHeight * Dpr));
    Th = CornerTextHeight();
    Faces.fill(QImage());
    HandFaces.fill(QImage());
    Pieces.clear();
}

QRect TFaceComposer::Device(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    const int l = qRound(left * Dpr);
    const int t = qRound(top * Dpr);
    return QRect(l, t, qRound(right * Dpr) - l, qRound(bottom * Dpr) - t);
}

int32_t TFaceComposer::DeviceLength(int32_t length) const {
    return std::max(1, qRound(length * Dpr));
}

QImage TFaceComposer::NewCard() const {
    return QImage(qRound(W * Dpr), qRound(H * Dpr), QImage::Format_RGB32);
}

const QImage* TFaceComposer::PieceSource(int32_t piece) const {
    const QImage* source = WholePieceSource(piece);
    return source != nullptr && !source->isNull() ? source : nullptr;
}

const QImage* TFaceComposer::WholePieceSource(int32_t piece) const {
    if (Art == nullptr || !Art->Loaded()) {
        return nullptr;
    }
    if (piece >= FirstSymbol && piece < FirstSymbol + 5) {
        return &Art->Symbols[piece - FirstSymbol];
    }
    if (piece >= FirstJack && piece < FirstJack + 4) {
        return &Art->Jacks[piece - FirstJack];
    }
    if (piece >= FirstQueen && piece < FirstQueen + 4) {
        return &Art->Queens[piece - FirstQueen];
    }
    if (piece >= FirstKing && piece < FirstKing + 4) {
        return &Art->Kings[piece - FirstKing];
    }
    return piece == JesterPiece ? &Art->Jester : piece == BackPiece ? &Art->Back : nullptr;
}

QImage TFaceComposer::StretchedCopy(const QImage& source, QSize size, bool whiteTransparent) {
    if (source.isNull()) {
        return QImage();
    }
    QImage plain = source;
    plain.setDevicePixelRatio(1);
    QImage scaled = plain.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    if (whiteTransparent) {
        // White is the transparent colour: those pixels leave the card as it is.
        scaled = scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < scaled.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
            for (int x = 0; x < scaled.width(); ++x) {
                if (line[x] == 0xffffffffu) {
                    line[x] = 0;
                }
            }
        }
    }
    return scaled;
}

const QImage& TFaceComposer::Stretched(const TPlacement& placement) {
    const TPieceKey key{placement.Piece, placement.Target.width(), placement.Target.height(),
                        placement.WhiteTransparent};
    auto found = Pieces.find(key);
    if (found != Pieces.end()) {
        return found->second;
    }
    // Without the artwork, a piece not stretched before stays away.
    static const QImage none;
    const QImage* source = PieceSource(placement.Piece);
    if (source == nullptr) {
        return none;
    }
    return Pieces.emplace(key, StretchedCopy(*source, placement.Target.size(), placement.WhiteTransparent))
        .first->second;
}

void TFaceComposer::Stretch(QPainter& painter, const TPlacement& placement) {
    if (placement.Target.isEmpty()) {
        return;
    }
    const QImage& piece = Stretched(placement);
    if (!piece.isNull()) {
        painter.drawImage(placement.Target.topLeft(), piece);
    }
}

void TFaceComposer::DrawIndex(QPainter& painter, const QString& text, const QColor& colour) {
    // Opaque text: each text cell first fills its box white.
    const QFontMetrics metrics(CardFont);
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    const int top = DeviceLength(2);
    const int lefts[2] = {DeviceLength(2), qRound(W * Dpr) - DeviceLength(3) - width};
    painter.setFont(CardFont);
    painter.setPen(colour);
    for (const int left : lefts) {
        painter.fillRect(QRect(left, top, width, height), White);
        painter.drawText(left, top + metrics.ascent(), text);
    }
}

TFaceComposer::TFacePlan TFaceComposer::Plan(int32_t suit, int32_t value) const {
    TFacePlan plan;
    const QRect leftSymbol = Device(1, Th + 2, 14, Th + 12);
    const QRect rightSymbol = Device(W - 15, Th + 2, W - 2, Th + 12);
    if (suit == Joker) {
        // The star keeps its white box; the jester stands upright over the
        // middle and is never mirrored.
        plan.Symbols = {{FirstSymbol + StarSymbol, leftSymbol, false},
                        {FirstSymbol + StarSymbol, rightSymbol, false}};
        plan.Upright = {{JesterPiece, Device(W / 5, H / 5, W - W / 5, H - H / 5), false}};
        return plan;
    }
    if (value >= Bube) {
        const int32_t first = value == Bube ? FirstJack : value == Dame ? FirstQueen : FirstKing;
        // Down to the card's middle row: of an odd number of rows the middle
        // one is its own turned copy, and nothing else would paint it.
        QRect picture = Device(W / 10, H / 10, W - W / 10, H / 2);
        picture.setBottom((qRound(H * Dpr) + 1) / 2 - 1);
        plan.Picture = {{first + suit - 1, picture, false}};
    }
    const int32_t symbol = FirstSymbol + 4 - suit;
    plan.Symbols = {{symbol, leftSymbol, true}, {symbol, rightSymbol, true}};
    for (const TBox& pip : UpperPips(value)) {
        plan.Symbols.push_back({symbol, Device(pip.Left, pip.Top, pip.Right, pip.Bottom), true});
    }
    if (value >= Bube) {
        const TBox box = CourtSymbol(suit, Th);
        plan.Symbols.push_back({symbol, Device(box.Left, box.Top, box.Right, box.Bottom), true});
    }
    for (const TBox& pip : CentrePips(value)) {
        plan.Upright.push_back({symbol, Device(pip.Left, pip.Top, pip.Right, pip.Bottom), true});
    }
    return plan;
}

bool TFaceComposer::HasFace(int32_t suit, int32_t value) {
    return suit == Joker || (suit >= Karo && suit <= Kreuz && value >= 1 && value <= Koenig);
}

QImage TFaceComposer::ComposeFace(int32_t suit, int32_t rank) {
    const int32_t value = rank == Ass ? 1 : rank;
    const bool joker = suit == Joker;

    QImage card = NewCard();
    card.fill(White);
    QPainter painter(&card);
    // White card, black outline one (logical) pixel wide.
    const int pen = DeviceLength(1);
    const QRect whole = card.rect();
    painter.fillRect(QRect(0, 0, whole.width(), pen), Black);
    painter.fillRect(QRect(0, whole.height() - pen, whole.width(), pen), Black);
    painter.fillRect(QRect(0, 0, pen, whole.height()), Black);
    painter.fillRect(QRect(whole.width() - pen, 0, pen, whole.height()), Black);
    if (!HasFace(suit, value)) {
        painter.end();
        card.setDevicePixelRatio(Dpr);
        return card;
    }
    const TFacePlan plan = Plan(suit, value);
    for (const TPlacement& placement : plan.Picture) {
        Stretch(painter, placement);
    }
    if (!joker && value >= Bube) {
        // Rounded frame, drawn on the pixels just inside its rectangle.
        const QRectF frame = QRectF(Device(W / 10, H / 10, W - W / 10, H - H / 10))
                                 .adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
        const qreal radius = std::max(0.0, (W / 10) * Dpr / 2 - pen / 2.0);
        painter.setPen(QPen(Black, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame, radius, radius);
    }
    if (joker) {
        //: Corner letter of the joker.
        DrawIndex(painter, QCoreApplication::translate("TFaceComposer", "J"), Black);
    } else {
        DrawIndex(painter, IndexText(value), suit == Karo || suit == Herz ? Red : Black);
    }
    for (const TPlacement& placement : plan.Symbols) {
        Stretch(painter, placement);
    }
    painter.end();

    Spiegele(card);

    painter.begin(&card);
    for (const TPlacement& placement : plan.Upright) {
        Stretch(painter, placement);
    }
    painter.end();
    card.setDevicePixelRatio(Dpr);
    return card;
}

QImage TFaceComposer::Face(int32_t suit, int32_t rank) {
    const int32_t value = rank == Ass ? 1 : rank;
    if (suit < 0 || suit > 4 || value < 0 || value >= 15) {
        return ComposeFace(suit, rank);
    }
    QImage& face = Faces[suit * 15 + value];
    if (face.isNull()) {
        face = ComposeFace(suit, rank);
    }
    return face;
}

TFaceSource TFaceComposer::Source() {
    // The pixels are shared with every other card of the same face and use.
    return [this](const TCard& card, TFaceUse use) {
        return use == TFaceUse::InHand ? HandFace(card.Suit, card.Rank) : Face(card.Suit, card.Rank);
    };
}

QImage TFaceComposer::HandFace(int32_t suit, int32_t rank) {
    const int32_t value = rank == Ass ? 1 : rank;
    if (suit < 0 || suit > 4 || value < 0 || value >= 15) {
        return QImage();
    }
    QImage& narrow = HandFaces[suit * 15 + value];
    if (narrow.isNull()) {
        const QImage& kept = Faces[suit * 15 + value];
        QImage whole = kept.isNull() ? ComposeFace(suit, rank) : kept;
        whole.setDevicePixelRatio(1);
        // As the table stretches a face into a place of another size.
        narrow = whole
                     .scaled(qRound((W - 4) * Dpr), qRound(H * Dpr), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
        narrow.setDevicePixelRatio(Dpr);
    }
    return narrow;
}

void TFaceComposer::PrepareAndForgetArtwork() {
    // Every piece each face takes, at the size it takes it.
    auto prepare = [this](const TFacePlan& plan) {
        for (const auto* part : {&plan.Picture, &plan.Symbols, &plan.Upright}) {
            for (const TPlacement& placement : *part) {
                Stretched(placement);
            }
        }
    };
    prepare(Plan(Joker, JokerRank));
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        for (int32_t value = 1; value <= Koenig; ++value) {
            prepare(Plan(suit, value));
        }
    }
    Art = nullptr;
}

QImage TFaceComposer::ComposeBack() {
    QImage back = NewCard();
    // Blue under a black one-pixel outline; the pattern covers all but the outline.
    back.fill(QColor(0, 0, 255));
    QPainter painter(&back);
    const int pen = DeviceLength(1);
    painter.fillRect(QRect(0, 0, back.width(), pen), Black);
    painter.fillRect(QRect(0, back.height() - pen, back.width(), pen), Black);
    painter.fillRect(QRect(0, 0, pen, back.height()), Black);
    painter.fillRect(QRect(back.width() - pen, 0, pen, back.height()), Black);
    // Made once per size: its large stretched pattern is not kept.
    const QRect pattern = Device(1, 1, W - 1, H - 1);
    if (const QImage* source = PieceSource(BackPiece); source != nullptr && !pattern.isEmpty()) {
        painter.drawImage(pattern.topLeft(), StretchedCopy(*source, pattern.size(), false));
    }
    painter.end();
    back.setDevicePixelRatio(Dpr);
    return back;
}
