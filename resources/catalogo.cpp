#include "resources/catalogo.h"

#include <QFile>
#include <QStringView>

namespace tarvelo {

Catalogo lerCatalogo(const QString& source)
{
    Catalogo table;
    const auto lines = QStringView(source).split(QLatin1Char('\n'));
    for (QStringView line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab1 = line.indexOf(QLatin1Char('\t'));
        const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf(QLatin1Char('\t'), tab1 + 1);
        if (tab2 < 0)
            continue;
        bool topicOk = false;
        bool languageOk = false;
        const int topic = line.first(tab1).toInt(&topicOk);
        const int language = line.sliced(tab1 + 1, tab2 - tab1 - 1).toInt(&languageOk);
        if (!topicOk || !languageOk || language < 1 || language > 9)
            continue;
        QString text = line.sliced(tab2 + 1).toString();
        text.replace(QLatin1String("{1}"), QChar(0x008D));
        text.replace(QLatin1String("{2}"), QChar(0x017D));
        text.replace(QLatin1String("{3}"), QChar(0x008F));
        table.insert(topic * 10 + language, text);
    }
    return table;
}

const Catalogo& catalogo()
{
    static const Catalogo table = [] {
        QFile file(QStringLiteral(":/catalogo.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return Catalogo();
        return lerCatalogo(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

}  // namespace tarvelo
