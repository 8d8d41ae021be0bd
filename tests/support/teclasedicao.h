#pragma once

// Selecting, copying and pasting in a field with the keyboard, as a user does it; the
// window's key filters see every key.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo::teste {

struct CampoEditavel {
    const char* nome;
    QLineEdit* campo;
    QString valido;    // a value the field takes as typed
    QString recusado;  // text the field refuses as typed
};

// Ctrl+A then Backspace empties the field (`vazio`: what an emptied field shows);
// Ctrl+C then Ctrl+V over the whole text brings the copied value back; Ctrl+X takes it
// out; a paste the field refuses changes nothing.
inline void verificarTeclasDeEdicao(const CampoEditavel& caso, const QString& vazio = {})
{
    SCOPED_TRACE(caso.nome);
    QLineEdit* campo = caso.campo;
    campo->setFocus(Qt::TabFocusReason);
    const auto escrito = [campo](const QString& texto) {
        campo->setText(texto);
        campo->end(false);
    };
    const auto ctrl = [campo](Qt::Key tecla) { QTest::keyClick(campo, tecla, Qt::ControlModifier); };

    escrito(caso.valido);
    ctrl(Qt::Key_A);
    QTest::keyClick(campo, Qt::Key_Backspace);
    EXPECT_EQ(campo->text(), vazio) << "Ctrl+A, Backspace";

    escrito(caso.valido);
    QApplication::clipboard()->clear();
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), caso.valido) << "Ctrl+C";
    ctrl(Qt::Key_V);
    EXPECT_EQ(campo->text(), caso.valido) << "Ctrl+V over the whole text";
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_X);
    EXPECT_EQ(campo->text(), vazio) << "Ctrl+X";
    ctrl(Qt::Key_V);
    EXPECT_EQ(campo->text(), caso.valido) << "Ctrl+V into the emptied field";

    QApplication::clipboard()->setText(caso.recusado);
    ctrl(Qt::Key_V);
    EXPECT_EQ(campo->text(), caso.valido) << "a refused paste: " << caso.recusado.toStdString();
}

}  // namespace tarvelo::teste
