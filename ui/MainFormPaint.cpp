// Painting the table and the card pictures.
#include <QFrame>
#include <QPainter>
#include <QScrollBar>

#include "render/CardFace.h"
#include "ui/MainForm.h"

void TMainForm::CreateCardBack() {
    CardBack = new CardFace{QImage(72, 108, QImage::Format_RGB32)};
    CardBack->Image.fill(QColor(128, 0, 160));
}

CardFace* TMainForm::ComposeFace(int32_t, int32_t) {
    auto* face = new CardFace{QImage(72, 108, QImage::Format_RGB32)};
    face->Image.fill(Qt::white);
    return face;
}

void TMainForm::FreeFace(CardFace* face) {
    delete face;
}

void TMainForm::Repaint() {
    PaintBox1Paint();
}

void TMainForm::PaintBox1Paint() {
    Table = QImage(PaintBox1->size(), QImage::Format_RGB32);
    Table.fill(Panel2->palette().color(QPalette::Window));
    ++PaintCount;
    PaintBox1->update();
}

void TMainForm::Timer1Timer() {
    if (Game.GameState == 0) {
        PaintBox1Paint();
    }
}
