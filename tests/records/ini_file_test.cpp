#include "records/ini_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "base/text_format.h"
#include "records/file_helpers.h"

TEST(IniFile, EverythingWrittenReadsBackExactly) {
    TempFolder dir;
    const char* texts[] = {"Vojta",
                           "",
                           " leading blank",
                           "trailing blank ",
                           "\"quoted\"",
                           "\"",
                           "a=b;c#d [x]",
                           "<<<END",
                           "Žluťoučký kůň úpěl ďábelské ódy",
                           "images\\cportal.bmp",
                           "\t tab"};
    for (char sep : {'.', ','}) {
        SetDecimalSeparator(sep);
        IniFile ini;
        for (size_t i = 0; i < std::size(texts); ++i) {
            ini.WriteText("USER", "T" + std::to_string(i), texts[i]);
        }
        const int32_t ints[] = {0, -1, 2, INT32_MAX, INT32_MIN, 65535};
        for (size_t i = 0; i < std::size(ints); ++i) {
            ini.WriteInteger("GAME", "I" + std::to_string(i), ints[i]);
        }
        const double decimals[] = {1000, -0.5, 0.1, 1234.56, 1e-7, 1e20, -987654.321};
        for (size_t i = 0; i < std::size(decimals); ++i) {
            ini.WriteDecimal("GAME", "D" + std::to_string(i), decimals[i]);
        }
        ini.WriteBool("GAME", "YES", true);
        ini.WriteBool("GAME", "NO", false);
        std::string error;
        ASSERT_TRUE(ini.Save(dir / "a.ini", error)) << error;

        IniFile back;
        ASSERT_TRUE(back.Load(dir / "a.ini", error)) << error;
        for (size_t i = 0; i < std::size(texts); ++i) {
            EXPECT_EQ(back.ReadText("USER", "T" + std::to_string(i), "?"), texts[i]);
        }
        for (size_t i = 0; i < std::size(ints); ++i) {
            EXPECT_EQ(back.ReadInteger("GAME", "I" + std::to_string(i), 7), ints[i]);
        }
        for (size_t i = 0; i < std::size(decimals); ++i) {
            EXPECT_EQ(back.ReadDecimal("GAME", "D" + std::to_string(i), 7), decimals[i]);
        }
        EXPECT_TRUE(back.ReadBool("GAME", "YES", false));
        EXPECT_FALSE(back.ReadBool("GAME", "NO", true));
        EXPECT_EQ(back.Text(), ini.Text());
    }
    SetDecimalSeparator('.');
}

TEST(IniFile, WritesPlainKeyValueLinesWithBooleansAsDigits) {
    IniFile ini;
    ini.WriteBool("GAME", "NASOBIT", true);
    ini.WriteBool("GAME", "HERCE", false);
    ini.WriteText("USER", "PLAYER_NAME_1", "Vojta");
    EXPECT_EQ(ini.Text(), "[GAME]\nNASOBIT=1\nHERCE=0\n\n\n[USER]\nPLAYER_NAME_1=Vojta\n");
}

TEST(IniFile, ATextCannotAddLinesToTheFile) {
    IniFile ini;
    ini.WriteText("USER", "PLAYER_NAME_1", "Eva\n[GAME]\r\nSTART_PLAYER=2");
    IniFile back;
    back.LoadText(ini.Text());
    EXPECT_EQ(back.ReadText("USER", "PLAYER_NAME_1", ""), "Eva [GAME]  START_PLAYER=2");
    EXPECT_EQ(back.ReadInteger("GAME", "START_PLAYER", -1), -1);
}

TEST(IniFile, ReadsIntegersInDecimalOrHexadecimalWithin32Bits) {
    IniFile ini;
    ini.LoadText(
        "[N]\na=0x1F\nb=0X10\nc=-0x10\nd=0xFFFFFFFF\ne= 12 \nf=-2147483648\n"
        "g=12abc\nh=\ni=2147483648\nj=0x\nk=1.5\nl=0x100000000\nm=abc\nn=+5\no=--5\n");
    EXPECT_EQ(ini.ReadInteger("N", "a", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "b", 0), 16);
    EXPECT_EQ(ini.ReadInteger("N", "c", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "d", 0), -1);
    EXPECT_EQ(ini.ReadInteger("N", "e", 0), 12);
    EXPECT_EQ(ini.ReadInteger("N", "f", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "n", 0), 5);
    for (const char* bad : {"g", "h", "i", "j", "k", "l", "m", "o", "missing"}) {
        EXPECT_EQ(ini.ReadInteger("N", bad, 77), 77) << bad;
    }
}

TEST(IniFile, AnyNonZeroIntegerIsTrue) {
    IniFile ini;
    ini.LoadText("[B]\none=1\nzero=0\nfive=5\nminus=-1\nhex=0x0\nword=true\nempty=\n");
    EXPECT_TRUE(ini.ReadBool("B", "one", false));
    EXPECT_FALSE(ini.ReadBool("B", "zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "five", false));
    EXPECT_TRUE(ini.ReadBool("B", "minus", false));
    EXPECT_FALSE(ini.ReadBool("B", "hex", true));
    // Not an integer: the default.
    EXPECT_TRUE(ini.ReadBool("B", "word", true));
    EXPECT_FALSE(ini.ReadBool("B", "word", false));
    EXPECT_TRUE(ini.ReadBool("B", "empty", true));
    EXPECT_FALSE(ini.ReadBool("B", "missing", false));
}

TEST(IniFile, DecimalsFollowTheLocaleSeparator) {
    IniFile ini;
    ini.LoadText("[D]\ncomma=0,5\npoint=0.5\nquoted=\" 2,25 \"\n");
    SetDecimalSeparator(',');
    EXPECT_EQ(ini.ReadDecimal("D", "comma", 9), 0.5);
    EXPECT_EQ(ini.ReadDecimal("D", "point", 9), 9);
    EXPECT_EQ(ini.ReadDecimal("D", "quoted", 9), 2.25);
    SetDecimalSeparator('.');
    EXPECT_EQ(ini.ReadDecimal("D", "comma", 9), 9);
    EXPECT_EQ(ini.ReadDecimal("D", "point", 9), 0.5);
}

TEST(IniFile, ReadsHandWrittenFilesLeniently) {
    IniFile ini;
    // A byte order mark, any case of names, comments, blanks around "=", Windows line ends,
    // and a text in the Windows code page as older programs wrote it.
    ini.LoadText(
        "\xEF\xBB\xBF; settings\r\n[user]\r\nplayer_name_1 = Eva \r\n# note\r\n"
        "PLAYER_NAME_2=Vojt\xEC"
        "ch \x8E\xE1k\r\n");
    EXPECT_EQ(ini.ReadText("USER", "PLAYER_NAME_1", ""), "Eva");
    EXPECT_EQ(ini.ReadText("USER", "PLAYER_NAME_2", ""), "Vojtěch Žák");
}

TEST(IniFile, ASaveKeepsCommentsLineEndsAndTheByteOrderMarkOfTheFileItRead) {
    IniFile ini;
    // A note at the very end of the file once vanished at the first save.
    ASSERT_TRUE(ini.LoadText(
        "\xEF\xBB\xBF; Kvelta\r\n\r\n[USER]\r\n; who\r\nPLAYER_NAME_1 = Eva \r\n[EXTRA]\r\n"
        "KEY=1\r\n[user]\r\nPLAYER_NAME_2=Jan\r\n\r\n; last\r\n\r\n; notes\r\n"));
    ini.WriteInteger("GAME", "POCET_HER", 3);
    const std::string saved =
        "\xEF\xBB\xBF; Kvelta\r\n\r\n\r\n[USER]\r\n\r\n; who\r\nPLAYER_NAME_1=Eva\r\n"
        "PLAYER_NAME_2=Jan\r\n\r\n\r\n[EXTRA]\r\nKEY=1\r\n\r\n\r\n[GAME]\r\nPOCET_HER=3\r\n"
        "\r\n; last\r\n\r\n; notes\r\n";
    EXPECT_EQ(ini.Text(), saved);
    IniFile back;
    ASSERT_TRUE(back.LoadText(saved));
    EXPECT_EQ(back.Text(), saved);
}

TEST(IniFile, ASecondSaveGivesTheSameBytesAsTheFirst) {
    // A comment that opened the text of the first save used to become the file's own comment
    // at the next read, and every later save differed from the first; a key named with the
    // bytes of the byte order mark was saved as a line that could not be read back.
    for (const char* text :
         {"\r\n; stakes\n[GAME]\nBETL=1\n", "\n; a\n\n; b\nKEY=1\n",
          "\xEF\xBB\xBF\n# note\n[USER]\nX=1\n", "; own\n\n; first\n[GAME]\n", "[]\n[GAME]\n",
          "; c\n[ ]\n[]\n", "; file\n\n[game]\n# nameless\n[]\nKEY=1\n", "\n\t\xEF\xBB\xBF=\n",
          "\xEF\xBB\xBF\n\xEF\xBB\xBFX=1\n"}) {
        IniFile ini;
        ASSERT_TRUE(ini.LoadText(text));
        ini.WriteInteger("GAME", "POCET_HER", 1);
        const std::string saved = ini.Text();
        IniFile back;
        ASSERT_TRUE(back.LoadText(saved)) << text;
        EXPECT_EQ(back.Text(), saved) << text;
        EXPECT_EQ(back.ReadInteger("GAME", "POCET_HER", 0), 1);
    }
}

TEST(IniFile, MissingFileReadsAsEmptyAndAnUnreadableOneIsAnError) {
    TempFolder dir;
    IniFile ini;
    std::string error;
    EXPECT_TRUE(ini.Load(dir / "none.ini", error));
    EXPECT_EQ(ini.ReadText("USER", "PLAYER_NAME_1", "Vojta"), "Vojta");

    std::filesystem::create_directory(dir / "folder.ini");
    EXPECT_FALSE(ini.Load(dir / "folder.ini", error));
    EXPECT_NE(error.find("folder.ini"), std::string::npos);
}

TEST(ReplaceFileContents, AFailedWriteLeavesTheOldFileIntact) {
    TempFolder dir;
    const auto file = dir / "Kvelta.ini";
    WriteBytes(file, "[USER]\nPLAYER_NAME_1=Eva\n");
    std::string error;

    {
        // The disk fills up in the middle of the new file.
        FileSizeLimit limit(100);
        EXPECT_FALSE(ReplaceFileContents(file, std::string(5000, 'x'), error));
    }
    EXPECT_NE(error.find("Kvelta.ini.tmp"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(file), "[USER]\nPLAYER_NAME_1=Eva\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Kvelta.ini.tmp"));

    // The temporary file cannot even be made.
    std::filesystem::create_directory(dir / "Kvelta.ini.tmp");
    EXPECT_FALSE(ReplaceFileContents(file, "new", error));
    EXPECT_EQ(ReadBytes(file), "[USER]\nPLAYER_NAME_1=Eva\n");
    std::filesystem::remove(dir / "Kvelta.ini.tmp");

    ASSERT_TRUE(ReplaceFileContents(file, "new", error)) << error;
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_FALSE(std::filesystem::exists(dir / "Kvelta.ini.tmp"));
}

TEST(ReplaceFileContents, FollowsLinksAndLeavesReadOnlyFilesAlone) {
    // A link was once replaced by a plain file, and the file it names never changed again.
    TempFolder dir;
    namespace fs = std::filesystem;
    fs::create_directory(dir / "real");
    WriteBytes(dir / "real" / "Kvelta.ini", "old");
    fs::create_symlink("real/Kvelta.ini", dir / "middle.ini");  // relative, to another folder
    fs::create_symlink(dir / "middle.ini", dir / "Kvelta.ini");
    std::string error;
    ASSERT_TRUE(ReplaceFileContents(dir / "Kvelta.ini", "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir / "Kvelta.ini") && fs::is_symlink(dir / "middle.ini"));
    EXPECT_EQ(ReadBytes(dir / "real" / "Kvelta.ini"), "new");

    // One the user made read-only was replaced all the same.
    fs::permissions(dir / "real" / "Kvelta.ini", fs::perms::owner_read);
    EXPECT_FALSE(ReplaceFileContents(dir / "Kvelta.ini", "newer", error));
    EXPECT_EQ(error, (dir / "Kvelta.ini").string() + ": " + std::strerror(EACCES));
    EXPECT_EQ(ReadBytes(dir / "real" / "Kvelta.ini"), "new");
}
