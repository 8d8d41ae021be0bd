#pragma once

#include "platform/localeinfo.h"

#include <QStringView>

namespace tarvelo {

// The word a double click at `posicao` selects: the characters around it up to white
// space on either side, and the blank after it when there is one (as a text box selects
// a word). `fim` is where the word itself ends; an offset on white space selects nothing.
// A number grouped with spaces ("1 234,56" where the locale groups so) is one word.
struct PalavraFita {
    qsizetype inicio = 0;
    qsizetype fim = 0;
    qsizetype selecao = 0;  // the selection's length: the word and a following blank
};
PalavraFita palavraNaPosicao(QStringView fita, qsizetype posicao, const LocaleInfo& locale = currentLocale());

// The tape ends with the separator line: the only tape that may be edited.
bool fitaTerminaComSeparador(QStringView fita);

class frmCalcula;
// Ends edit mode as the tape losing the focus does, so that a command writing to the tape
// finds it locked again and without the edit mode's length limit.
void terminarEdicao(frmCalcula& form);

}  // namespace tarvelo
