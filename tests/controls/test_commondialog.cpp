#include "controls/commondialog.h"
#include "controls/declares.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>

using namespace tarvelo;

namespace {

struct ScriptedFiles : FileDialogService {
    FileDialogRequest seen;
    std::function<bool(FileDialogRequest&)> answer;
    bool ShowFileDialog(FileDialogRequest& request) override
    {
        seen = request;
        return answer(request);
    }
};

struct ScriptedColours : ColourDialogService {
    ColourDialogRequest seen;
    std::function<bool(ColourDialogRequest&)> answer;
    bool ShowColourDialog(ColourDialogRequest& request) override
    {
        seen = request;
        return answer(request);
    }
};

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
    ScriptedFiles files;
    files.answer = [](FileDialogRequest& r) {
        r.fileName = joinSelection({QStringLiteral("/a/one.ico"), QStringLiteral("/a/two.cur")});
        r.fileTitle = QStringLiteral("ignored");
        return true;
    };
    QString name;
    QString title = QStringLiteral("t");
    ASSERT_TRUE(ShowFileDialog(files, name, title, true, false, false, false, kImageFilter, 1, QString(),
                               QStringLiteral("Choose Icon to add"), QStringLiteral("ICO"), -1, 0x80200, true));
    EXPECT_EQ(name, QStringLiteral("/a") + QChar(0) + "one.ico" + QChar(0) + "two.cur");
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(effectiveFlags(files.seen), 0x80200 | fd::FileMustExist);
    EXPECT_TRUE(files.seen.openDialog);

    EXPECT_EQ(joinSelection({QStringLiteral("/a/one.ico")}), QStringLiteral("/a/one.ico"));
}

TEST(FileDialog, CancelClearsBothTextsAndHookFlagsAreDropped)
{
    ScriptedFiles files;
    files.answer = [](FileDialogRequest&) { return false; };
    QString name = QStringLiteral("fita.txt");
    QString title = QStringLiteral("fita");
    EXPECT_FALSE(ShowFileDialog(files, name, title, false, false, false, true, QStringLiteral("T (*.txt)|*.txt"), 1,
                                QString(), QString(), QStringLiteral("*.txt"), -1, 2050 | 0x60, false));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(title.isEmpty());
    EXPECT_EQ(effectiveFlags(files.seen), 2050 | fd::HideReadOnly);
    EXPECT_EQ(StripNulls(QStringLiteral("abc") + QChar(0) + "def"), QStringLiteral("abc"));
}

TEST(ColourDialog, CustomColoursStartAsSystemColoursAndKeepTheUsersChanges)
{
    ScriptedColours colours;
    colours.answer = [](ColourDialogRequest& r) {
        (*r.customColours)[3] = 0x123456;
        r.colour = 0x00FFFF00;
        return true;
    };
    EXPECT_EQ(CustomColours()[5], GetSysColor(5));
    qint32 colour = 0x0000FF;
    ASSERT_TRUE(ShowColourDialog(colours, colour, true, true, false, -1));
    EXPECT_EQ(colour, 0x00FFFF00);
    EXPECT_EQ(colours.seen.flags, cc::AnyColor | cc::RgbInit | cc::FullOpen);
    EXPECT_EQ(colours.seen.colour, 0x0000FFu);

    bool keptSeen = false;
    colours.answer = [&keptSeen](ColourDialogRequest& r) {
        keptSeen = (*r.customColours)[3] == 0x123456;
        return false;
    };
    EXPECT_FALSE(ShowColourDialog(colours, colour, false, false, true, -1));
    EXPECT_TRUE(keptSeen);
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(colours.seen.flags, cc::SolidColor | cc::RgbInit | cc::PreventFullOpen);
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
