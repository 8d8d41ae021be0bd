#include "controls/commondialog.h"
#include "controls/declares.h"
#include "support/falsos.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kImageFilter = QStringLiteral(
    "ImageList Pictures (*.ICO;*.CUR;*.ANI;*.BMP;*.DIB;*.GIF)|*.ICO;*.CUR;*.ANI;*.BMP;*.GIF|Icon Files "
    "(*.ICO)|*.ICO|Cursor Files (*.CUR;*.ANI)|*.CUR;*.ANI;|Bitmap Files (*.BMP;*.DIB)|*.BMP;*.DIB|GIF Files "
    "(*.GIF)|*.GIF|All Files (*.*)|*.*");

TEST(FileDialog, FiltersSplitOnBarsOnlyAndPatternsBecomeQtsForm)
{
    const QStringList filters = nameFilters(kImageFilter);
    ASSERT_EQ(filters.size(), 6);
    EXPECT_EQ(filters.at(0), QStringLiteral("ImageList Pictures (*.ICO *.CUR *.ANI *.BMP *.GIF)"));
    EXPECT_EQ(filters.at(2), QStringLiteral("Cursor Files (*.CUR *.ANI)"));
    EXPECT_EQ(nameFilters(QStringLiteral("Backup C:\\Dados|*.reg")), QStringList{"Backup C:\\Dados (*.reg)"});
    EXPECT_EQ(defaultSuffix(QStringLiteral("ICO")), QStringLiteral("ICO"));
}

TEST(FileDialog, MultipleSelectionAnswersFolderAndNamesAndNoTitle)
{
    DialogoFalso files;
    files.escolhido = joinSelection({QStringLiteral("/a/one.ico"), QStringLiteral("/a/two.cur")});
    QString name;
    QString title = QStringLiteral("t");
    ASSERT_TRUE(ShowFileDialog(files, name, title, true, false, false, false, kImageFilter, 1, QString(),
                               QStringLiteral("Choose Icon to add"), QStringLiteral("ICO"), -1, 0x80200, true));
    EXPECT_EQ(name, QStringLiteral("/a") + QChar(0) + "one.ico" + QChar(0) + "two.cur");
    EXPECT_TRUE(title.isEmpty());
    ASSERT_EQ(files.pedidos.size(), 1u);
    EXPECT_EQ(effectiveFlags(files.pedidos[0]), 0x80200 | fd::FileMustExist);
    EXPECT_TRUE(files.pedidos[0].openDialog);

    EXPECT_EQ(joinSelection({QStringLiteral("/a/one.ico")}), QStringLiteral("/a/one.ico"));
}

TEST(FileDialog, CancelClearsBothTextsAndHookFlagsAreDropped)
{
    DialogoFalso files;  // cancels
    QString name = QStringLiteral("fita.txt");
    QString title = QStringLiteral("fita");
    EXPECT_FALSE(ShowFileDialog(files, name, title, false, false, false, true, QStringLiteral("T (*.txt)|*.txt"), 1,
                                QString(), QString(), QStringLiteral("*.txt"), -1, 2050 | 0x60, false));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(effectiveFlags(files.pedidos.at(0)), 2050 | fd::HideReadOnly);
    EXPECT_EQ(StripNulls(QStringLiteral("abc") + QChar(0) + "def"), QStringLiteral("abc"));
}

TEST(ColourDialog, CustomColoursStartAsSystemColoursAndKeepTheUsersChanges)
{
    CoresFalsas colours;
    colours.resposta = [](ColourDialogRequest& r) {
        (*r.customColours)[3] = 0x123456;
        r.colour = 0x00FFFF00;
        return true;
    };
    EXPECT_EQ(CustomColours()[5], GetSysColor(5));
    qint32 colour = 0x0000FF;
    ASSERT_TRUE(ShowColourDialog(colours, colour, true, true, false, -1));
    EXPECT_EQ(colour, 0x00FFFF00);
    EXPECT_EQ(colours.visto.flags, cc::AnyColor | cc::RgbInit | cc::FullOpen);
    EXPECT_EQ(colours.visto.colour, 0x0000FFu);

    bool keptSeen = false;
    colours.resposta = [&keptSeen](ColourDialogRequest& r) {
        keptSeen = (*r.customColours)[3] == 0x123456;
        return false;
    };
    EXPECT_FALSE(ShowColourDialog(colours, colour, false, false, true, -1));
    EXPECT_TRUE(keptSeen);
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(colours.visto.flags, cc::SolidColor | cc::RgbInit | cc::PreventFullOpen);
    EXPECT_EQ(CustomColours()[3], 0x123456u);
}

TEST(TempFiles, EachNameIsANewEmptyFileInTheTemporaryFolder)
{
    const QString a = MakeTempFileName(QStringLiteral("ILS"));
    const QString b = MakeTempFileName(QStringLiteral("ILS"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NE(a, b);
    EXPECT_TRUE(QFileInfo(a).fileName().startsWith(QStringLiteral("ILS")));
    EXPECT_TRUE(a.startsWith(TempFolder()));
    EXPECT_EQ(QFileInfo(a).size(), 0);
    QFile::remove(a);
    QFile::remove(b);
}

}  // namespace
