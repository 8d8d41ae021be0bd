#pragma once

#include "host/globais.h"
#include "platform/localeinfo.h"

#include <QProcessEnvironment>
#include <QString>

namespace tarvelo {

// The interface language for a Windows-style language id: Portuguese for 0x416/0x816,
// Spanish and French for every country variant, English for everything else. Only the
// last three hexadecimal digits count, so a language-neutral id such as 0x000A ("a")
// falls to English.
int idiomaDoLangID(quint16 langId);

// gIdioma at start-up: the stored "Idioma" setting when it names one of the four
// languages, otherwise the language of `langId`. A stored value that is no language
// (empty, "0", text, or a number past 4) is treated as "not chosen", so the interface
// never ends up in a language the catalogue does not have.
int escolherIdioma(const QString& idiomaGuardado, quint16 langId);

// Sets gIdioma as escolherIdioma gives it and Qt's own dialogs (buttons, file dialog) in
// that language: the calculator at start-up and the image-list editor alike.
void definirIdioma(Globais& g, const QString& idiomaGuardado, quint16 langId);

// gFormatoData: "dd/mm/yyyy" when the user's short date writes 31 December 2000 day
// first, "mm/dd/yyyy" for month-first and year-first systems alike.
QString fFormatoData(const LocaleInfo& locale);

// The per-user data folder (gPastaApp), with a trailing "/": $TARVELO_HOME when set,
// else $XDG_DATA_HOME/tarvelo/ (a relative XDG_DATA_HOME is ignored, as the XDG rules
// say), else ~/.local/share/tarvelo/. Nothing is created here.
QString pastaDados(const QProcessEnvironment& ambiente);

// What the host works out at load, in the order the program needs it. The decimal-
// symbol rule is applied to the process's own locale only: the user's system settings
// are never changed.
struct EntradaAmbiente {
    QProcessEnvironment ambiente;
    QString caminhoExe;        // the running executable
    QString idiomaGuardado;    // setting "Conf"/"Idioma"
};
void carregarAmbiente(Globais& g, const EntradaAmbiente& entrada);

}  // namespace tarvelo
