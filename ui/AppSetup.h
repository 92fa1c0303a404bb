// What every run of the program sets up before the first window.
#pragma once

class QApplication;

// Name, font substitutes, German standard texts, the out-of-memory message box.
void SetUpApplication(QApplication& app);

// SIGTERM, SIGINT and SIGHUP close the windows and end the event loop, so that
// the settings are saved as on "Beenden" (a desktop logging out sends SIGTERM).
void QuitGracefullyOnSignals(QApplication& app);
