// What every run of the program sets up before the first window.
#pragma once

class QApplication;

// Name, font substitutes, the language, the out-of-memory message box.
void SetUpApplication(QApplication& app);
