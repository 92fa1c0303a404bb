// Mouse input on the table: drawing, selecting, dragging and dropping.
#include "ui/MainForm.h"

void TMainForm::PaintBox1MouseDown(int, int) {}

void TMainForm::PaintBox1MouseMove(int, int) {}

void TMainForm::PaintBox1MouseUp(int, int) {}
