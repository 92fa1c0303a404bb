#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "tests/ui/ProfileTestSupport.h"
#include "ui/ProfileFile.h"

namespace {

// Every window of this test program that saves its settings at exit writes
// into a temporary folder, never into the real home.
class TConfigEnvironment final : public ::testing::Environment {
  public:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", Dir.path().toUtf8()); }

  private:
    QTemporaryDir Dir;
};

[[maybe_unused]] const auto* const ConfigEnvironment =
    ::testing::AddGlobalTestEnvironment(new TConfigEnvironment);

const QString Section = "TOptionsForm";

TEST(ProfileFileTest, SettingsFileLiesInTheConfigurationFolder) {
    TTempConfig config;
    EXPECT_EQ(SettingsFilePath(), config.Path() + "/brisko.INI");

    // A relative XDG_CONFIG_HOME is invalid and falls back to ~/.config.
    qputenv("XDG_CONFIG_HOME", "relative/dir");
    EXPECT_EQ(SettingsFilePath(), QDir::homePath() + "/.config/brisko.INI");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath(), QDir::homePath() + "/.config/brisko.INI");
}

TEST(ProfileFileTest, ReadsLikeTheProfileFunctions) {
    TTempConfig config;
    config.WriteIni(
        "[other]\nKey=elsewhere\n"
        "[toptionsform]\n"
        "  anzcarded_value  =   14  \n"
        "Double=\"quoted\"\n"
        "Single='quoted'\n"
        "Twice=\"\"both\"\"\n"
        "Mixed=\"half'\n"
        "Lone=\"\n"
        "Empty=\n"
        "Repeated=first\n"
        "REPEATED=second\n"
        "; a comment\n"
        "NoEquals\n"
        "Number=-12\n"
        "NotNumber=12a\n");
    const TProfileFile ini(config.IniPath());

    struct TCase {
        const char* Key;
        const char* Expected;
    };
    const TCase cases[] = {
        {"AnzCardEd_Value", "14"},  // names without regard to case, blanks trimmed
        {"Double", "quoted"},       // one pair of quotes stripped
        {"Single", "quoted"},       //
        {"Twice", "\"both\""},      // only one pair
        {"Mixed", "\"half'"},       // quotes must match
        {"Lone", "\""},             // a single quote is no pair
        {"Empty", ""},              // present but empty: not the default
        {"Repeated", "first"},      // the first of repeated keys wins
        {"NoEquals", "<default>"},  // a line without "=" is no key
        {"Missing", "<default>"},   //
        {"Key", "<default>"},       // other sections do not count
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ini.ReadString(Section, c.Key, "<default>"), QString::fromUtf8(c.Expected)) << c.Key;
    }
    EXPECT_EQ(ini.ReadInteger(Section, "Number", 7), -12);
    EXPECT_EQ(ini.ReadInteger(Section, "NotNumber", 7), 7);
    EXPECT_EQ(ini.ReadInteger(Section, "Missing", 7), 7);
}

TEST(ProfileFileTest, WritingQuotesWhatReadingWouldStrip) {
    TTempConfig config;
    const QStringList values = {"plain", "  padded  ", "\"double\"", "'single'", "\"", "a\"b\"", "", "x=y"};
    {
        TProfileFile ini(config.IniPath());
        for (int i = 0; i < values.size(); ++i) {
            ini.WriteString(Section, QString("Key%1").arg(i), values[i]);
        }
        ASSERT_TRUE(ini.UpdateFile());
    }
    const QStringList lines = config.IniLines();
    EXPECT_TRUE(lines.contains("Key2=\"\"double\"\"")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains("Key3=\"'single'\""));
    EXPECT_TRUE(lines.contains("Key1=padded"));

    const TProfileFile again(config.IniPath());
    for (int i = 0; i < values.size(); ++i) {
        EXPECT_EQ(again.ReadString(Section, QString("Key%1").arg(i), "<missing>"), values[i].trimmed()) << i;
    }
}

TEST(ProfileFileTest, RewritingKeepsOtherContentAndOrder) {
    TTempConfig config;
    config.WriteIni("[Other]\nA=1\n[TOptionsForm]\nflags=5\nKeep=yes\nFLAGS=6\n");
    {
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        ini.WriteInteger(Section, "New", 1);
        ASSERT_TRUE(ini.UpdateFile());
    }
    const QStringList lines = config.IniLines();
    EXPECT_EQ(lines, (QStringList{"[Other]", "A=1", "[TOptionsForm]", "Flags=0", "Keep=yes", "New=1"}));
}

TEST(ProfileFileTest, HostileFilesNeitherCrashNorHang) {
    TTempConfig config;
    QByteArray binary(64 * 1024, '\0');
    QRandomGenerator random(42);
    for (char& byte : binary) {
        byte = static_cast<char>(random.bounded(256));
    }
    const QByteArray overlong = "[TOptionsForm]\nAnzCardEd_Value=" + QByteArray(300000, '9') + "\n" +
                                QByteArray(200000, '[') + "\n" + QByteArray(200000, '=') + "\nFlags=3\n";
    const QByteArray cases[] = {
        binary,
        "[TOptionsForm]\nFlags=1\n" + binary,
        overlong,
        "\xEF\xBB\xBF[TOptionsForm]\nFlags=4\n",  // byte order mark
        "[TOptionsForm\nFlags=2\n[]\n=\n==\n[ ]\n",
        "\r\r\n\n[TOptionsForm]\r\nFlags=9\r\n",
        QByteArray("[TOptionsForm]\nFlags=1\0Flags=2\n", 28),
    };
    for (const QByteArray& content : cases) {
        config.WriteIni(content);
        TProfileFile ini(config.IniPath());
        ini.ReadString(Section, "AnzCardEd_Value", "12");
        ini.ReadInteger(Section, "Flags", 0);
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_TRUE(ini.UpdateFile());
        const TProfileFile again(config.IniPath());
        EXPECT_EQ(again.ReadInteger(Section, "Flags", -1), 0);
    }
}

TEST(ProfileFileTest, OversizedFileIsNeitherReadNorOverwritten) {
    TTempConfig config;
    const QByteArray content = "[TOptionsForm]\nFlags=7\n" + QByteArray(TProfileFile::MaxFileSize, ';');
    config.WriteIni(content);
    TProfileFile ini(config.IniPath());
    EXPECT_EQ(ini.ReadInteger(Section, "Flags", -1), -1);
    ini.WriteInteger(Section, "Flags", 0);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(config.ReadIni(), content);
}

TEST(ProfileFileTest, UnwritablePlacesFailWithoutHarm) {
    TTempConfig config;
    // The configuration "folder" is a file: nothing can be created below it.
    QFile blocker(config.Path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    {
        TProfileFile ini(config.Path() + "/blocker/sub/brisko.INI");
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
    }
    // A pipe where the file should be: reading it would wait for ever.
    ASSERT_EQ(mkfifo(config.IniPath().toUtf8().constData(), 0600), 0);
    {
        TProfileFile ini(config.IniPath());
        EXPECT_EQ(ini.ReadString(Section, "Flags", "x"), "x");
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
    }
    ASSERT_TRUE(QFile::remove(config.IniPath()));
    // A folder where the file should be.
    ASSERT_TRUE(QDir().mkpath(config.IniPath()));
    {
        TProfileFile ini(config.IniPath());
        EXPECT_EQ(ini.ReadString(Section, "Flags", "x"), "x");
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
    }
}

TEST(ProfileFileTest, WriteProtectedFileStaysAsItIs) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    TTempConfig config;
    config.WriteIni("[TOptionsForm]\nFlags=3\n");
    QFile::setPermissions(config.IniPath(), QFile::ReadOwner);
    TProfileFile ini(config.IniPath());
    EXPECT_EQ(ini.ReadInteger(Section, "Flags", 0), 3);
    ini.WriteInteger(Section, "Flags", 0);
    EXPECT_FALSE(ini.UpdateFile());
    QFile::setPermissions(config.IniPath(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(config.ReadIni(), "[TOptionsForm]\nFlags=3\n");
}

TEST(ProfileFileTest, ParseDecimalIsStrict) {
    struct TCase {
        const char* Text;
        bool Ok;
        int32_t Value;
    };
    const TCase cases[] = {
        {"0", true, 0},
        {"32768", true, 32768},
        {" -5 ", true, -5},
        {"+7", true, 7},
        {"2147483647", true, INT32_MAX},
        {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"12a", false, 0},
        {"0x10", false, 0},
        {"1.5", false, 0},
        {"1 2", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const TCase& c : cases) {
        int32_t value = 0;
        EXPECT_EQ(ParseDecimal(c.Text, value), c.Ok) << c.Text;
        if (c.Ok) {
            EXPECT_EQ(value, c.Value) << c.Text;
        }
    }
}

}  // namespace
