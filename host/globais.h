#pragma once

#include <QString>

namespace tarvelo {

// The program's shared globals, in one object so that a test can set them per case.
struct Globais {
    int gIdioma = 1;                      // 1 Portuguese, 2 English, 3 Spanish, 4 French
    QString gDecimal = QStringLiteral(",");
    QString gFormatoData = QStringLiteral("dd/mm/yyyy");
    QString gPastaApp;                    // per-user data folder, with a trailing "/"
    QString gNomeExe = QStringLiteral("tarvelo");
    QString gCrLf2 = QStringLiteral("\r\n\r\n");
    bool gFechando = false;
    int gPlataforma = 2;
    QString gComando;
    quint16 gLangID = 0x0416;
    QString gChaveWindows = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
    bool gNumLockAuto = false;
};

Globais& globais();

// Replaces the globals for the life of the guard (tests).
class ScopedGlobais {
public:
    explicit ScopedGlobais(const Globais& values = {}) : previous_(globais()) { globais() = values; }
    ~ScopedGlobais() { globais() = previous_; }
    ScopedGlobais(const ScopedGlobais&) = delete;
    ScopedGlobais& operator=(const ScopedGlobais&) = delete;

private:
    Globais previous_;
};

}  // namespace tarvelo
