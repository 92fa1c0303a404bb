#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <csignal>

#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WatchedSaveCalls.h"

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

QStringList FolderEntries(const TTempConfig& config) {
    return QDir(config.Path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What TProfileFile tells the player, collected.
class TNotices {
  public:
    TNotices() {
        TProfileFile::OnNotice = [this](const QString& message) { Messages << message; };
    }
    ~TNotices() { TProfileFile::OnNotice = nullptr; }
    TNotices(const TNotices&) = delete;
    TNotices& operator=(const TNotices&) = delete;

    QStringList Messages;
};

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

TEST(ProfileFileTest, SaveOnAFullDiskKeepsTheOldFile) {
    TTempConfig config;
    const QByteArray old = "[Other]\nA=1\n[TOptionsForm]\nFlags=3\n";
    // Full from the start, full after a part of the new text, full at its last byte.
    for (const rlim_t room : {rlim_t{0}, rlim_t{16}, rlim_t{100}}) {
        config.WriteIni(old);
        TProfileFile ini(config.IniPath());
        ini.WriteString(Section, "Long", QString(100, 'x'));
        {
            const TFileSizeLimit full(room);
            EXPECT_FALSE(ini.UpdateFile()) << room;
        }
        EXPECT_EQ(config.ReadIni(), old) << room;
        EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"}) << room;
        // With room again the same object saves.
        EXPECT_TRUE(ini.UpdateFile());
        EXPECT_TRUE(config.IniLines().contains("Long=" + QString(100, 'x')));
    }
    // No file before: none after.
    ASSERT_TRUE(QFile::remove(config.IniPath()));
    TProfileFile fresh(config.IniPath());
    fresh.WriteInteger(Section, "Flags", 0);
    const TFileSizeLimit full(8);
    EXPECT_FALSE(fresh.UpdateFile());
    EXPECT_TRUE(FolderEntries(config).isEmpty());
}

TEST(ProfileFileTest, SaveNeverWritesInPlace) {
    // A folder that cannot be written, with the file itself writable: the old
    // way wrote into the file directly.
    if (geteuid() != 0) {
        TTempConfig config;
        config.WriteIni("[TOptionsForm]\nFlags=3\n");
        QFile::setPermissions(config.Path(), QFile::ReadOwner | QFile::ExeOwner);
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
        QFile::setPermissions(config.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(config.ReadIni(), "[TOptionsForm]\nFlags=3\n");
        EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"});
    }
    // A settings file linked to a device is neither read nor written; nothing
    // is created beside the device either.
    {
        TTempConfig config;
        ASSERT_TRUE(QFile::link("/dev/full", config.IniPath()));
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_TRUE(QDir("/dev").entryList({"full.*"}, QDir::AllEntries | QDir::System).isEmpty());
    }
    // A settings file linked elsewhere is saved there, and stays a link.
    {
        TTempConfig config;
        ASSERT_TRUE(QDir(config.Path()).mkdir("kept"));
        const QString real = config.Path() + "/kept/brisko.INI";
        ASSERT_TRUE(QFile::link(real, config.IniPath()));
        for (const int32_t flags : {5, 6}) {  // the file linked to is missing, then there
            TProfileFile ini(config.IniPath());
            ini.WriteInteger(Section, "Flags", flags);
            ASSERT_TRUE(ini.UpdateFile());
            EXPECT_EQ(QFileInfo(config.IniPath()).symLinkTarget(), real);
            EXPECT_EQ(TProfileFile(real).ReadInteger(Section, "Flags", 0), flags);
        }
    }
}

// The new contents reach the disk before they take the old file's place, and
// a failure at any step of the save leaves the old file as it was, with nothing
// beside it.
TEST(ProfileFileTest, TheNewFileIsOnTheDiskBeforeItReplacesTheOld) {
    const QByteArray old = "[TOptionsForm]\nFlags=3\n";
    {
        TTempConfig config;
        config.WriteIni(old);
        TWatchedSaveCalls calls;
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        ASSERT_TRUE(ini.UpdateFile());
        ASSERT_TRUE(calls.Steps.contains("rename"));
        const QStringList beforeRename = calls.Steps.mid(0, calls.Steps.indexOf("rename"));
        EXPECT_EQ(beforeRename.filter("sync").size(), 1) << calls.Steps.join(' ').toStdString();
        EXPECT_LT(beforeRename.indexOf("sync"), beforeRename.indexOf("close"));
        EXPECT_EQ(config.ReadIni(), "[TOptionsForm]\nFlags=0\n");
    }
    for (const char* step : {"write", "sync", "close", "rename"}) {
        SCOPED_TRACE(step);
        TTempConfig config;
        config.WriteIni(old);
        TWatchedSaveCalls calls(step);
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_EQ(config.ReadIni(), old);
        EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"});
    }
}

// However the system takes the bytes, in pieces or cut short by a signal, the
// whole file arrives; an existing file keeps its permissions and a new one gets
// the usual ones; a save that cannot even begin says so and changes nothing.
TEST(ProfileFileTest, SavesArriveWholeWithTheirPermissions) {
    const mode_t mask = ::umask(022);
    {
        TTempConfig config;
        TWatchedSaveCalls calls;
        calls.MostPerWrite = 3;
        calls.Interrupted = true;
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        ini.WriteInteger(Section, "AnzCardEd_Value", 14);
        ASSERT_TRUE(ini.UpdateFile());
        EXPECT_EQ(config.ReadIni(), "[TOptionsForm]\nFlags=0\nAnzCardEd_Value=14\n");
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(config.IniPath()).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0644u);
    }
    {
        TTempConfig config;
        config.WriteIni("[TOptionsForm]\nFlags=3\n");
        ASSERT_EQ(::chmod(QFile::encodeName(config.IniPath()).constData(), 0600), 0);
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        ASSERT_TRUE(ini.UpdateFile());
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(config.IniPath()).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }
    {
        TTempConfig config;
        config.WriteIni("[TOptionsForm]\nFlags=3\n");
        TWatchedSaveCalls calls("open");
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_EQ(config.ReadIni(), "[TOptionsForm]\nFlags=3\n");
        EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"});
    }
    ::umask(mask);
}

// What a save killed before its rename leaves beside the file is exactly what
// the next start clears away.
TEST(ProfileFileTest, WhatAKilledSaveLeavesIsClearedAwayNextTime) {
    TTempConfig config;
    TWatchedSaveCalls calls;
    TProfileFile ini(config.IniPath());
    ini.WriteInteger(Section, "Flags", 0);
    ASSERT_TRUE(ini.UpdateFile());
    ASSERT_EQ(calls.Opened.size(), 1);
    QFile left(calls.Opened[0]);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("[TOptionsForm]\nFla");
    left.close();
    RemoveStaleTemporaries(config.IniPath());
    EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"});
}

// A damaged file that cannot be kept aside is not replaced either: the
// player's only copy stays, byte for byte.
TEST(ProfileFileTest, ADamagedFileStaysWhenItsCopyCannotBeWritten) {
    const QByteArray damaged = "[TOptionsForm]\nAnzCardEd_Value=14\n;J\xFCrgen\n";
    for (const char* step : {"write", "sync", "close"}) {
        SCOPED_TRACE(step);
        TTempConfig config;
        TNotices notices;
        config.WriteIni(damaged);
        TWatchedSaveCalls calls(step);  // the copy is written first
        TProfileFile ini(config.IniPath());
        ini.WriteInteger(Section, "Flags", 0);
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_EQ(config.ReadIni(), damaged);
        EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"});
        EXPECT_TRUE(notices.Messages.isEmpty());
    }
}

TEST(ProfileFileTest, StaleTemporariesOfOursAreRemovedOnFirstRead) {
    TTempConfig config;
    const QStringList ours = {"brisko.INI.aB3dE9.tmp", "brisko.INI.abcdef.tmp"};
    const QStringList others = {"brisko.INI.bak",        "brisko.INI.bak123",     "brisko.INI.backup",
                                "brisko.INI.abcdef",     "brisko.INI.abcde.tmp",  "brisko.INI.abcdefg.tmp",
                                "brisko.INI.ab-def.tmp", "brisko.INI.ABCDEF.TMP", "other.INI.abcdef.tmp"};
    for (const QString& name : ours + others) {
        QFile file(config.Path() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // Folders and links of the pattern are not ours; a link's target stays too.
    ASSERT_TRUE(QDir(config.Path()).mkdir("brisko.INI.folder.tmp"));
    ASSERT_TRUE(QFile::link(config.Path() + "/brisko.INI.backup", config.Path() + "/brisko.INI.linked.tmp"));
    config.WriteIni("[TOptionsForm]\nFlags=3\n");

    const TProfileFile ini(config.IniPath());
    EXPECT_EQ(ini.ReadInteger(Section, "Flags", 0), 3);
    QStringList expected =
        others + QStringList{"brisko.INI", "brisko.INI.folder.tmp", "brisko.INI.linked.tmp"};
    expected.sort();
    EXPECT_EQ(FolderEntries(config), expected);
}

TEST(ProfileFileTest, OtherUnicodeEncodingsAreReadAndSavedAsUtf8) {
    const QString text = "[Ansicht]\nName=Jürgen\n[TOptionsForm]\nAnzCardEd_Value=14\n";
    const QStringConverter::Encoding encodings[] = {QStringConverter::Utf8, QStringConverter::Utf16LE,
                                                    QStringConverter::Utf16BE, QStringConverter::Utf32LE,
                                                    QStringConverter::Utf32BE};
    TNotices notices;
    for (const auto encoding : encodings) {
        for (const bool mark : {false, true}) {
            TTempConfig config;
            QStringEncoder encoder(encoding,
                                   mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
            config.WriteIni(encoder.encode(text));
            const std::string label = std::to_string(encoding) + (mark ? " with mark" : "");
            TProfileFile ini(config.IniPath());
            EXPECT_EQ(ini.ReadInteger(Section, "AnzCardEd_Value", 0), 14) << label;
            EXPECT_EQ(ini.ReadString("Ansicht", "Name", ""), "Jürgen") << label;
            ini.WriteInteger(Section, "Flags", 0);
            ASSERT_TRUE(ini.UpdateFile()) << label;
            EXPECT_EQ(config.IniLines(), (QStringList{"[Ansicht]", "Name=Jürgen", "[TOptionsForm]",
                                                      "AnzCardEd_Value=14", "Flags=0"}))
                << label;
            EXPECT_EQ(FolderEntries(config), QStringList{"brisko.INI"}) << label;  // nothing kept aside
        }
    }
    EXPECT_TRUE(notices.Messages.isEmpty());
}

TEST(ProfileFileTest, DamagedFileIsKeptAsideBeforeTheFirstSave) {
    const QByteArray cases[] = {
        "[Ansicht]\nA=1" + QByteArray(3, '\0') + "\n[TOptionsForm]\nAnzCardEd_Value=14\n",  // NUL bytes
        "[Ansicht]\nA=1\n[TOptionsForm]\nAnzCardEd_Value=14\n;J\xFCrgen\n",                 // no UTF-8
        "[Ansicht]\nA=1\n[TOptionsForm]\nAnzCardEd_Value=14\n;J\xC3\xBCr\xFCgen\n",         // damaged UTF-8
        QByteArray("\xFF\xFE[\0T\0]\0\n", 9),                                               // odd UTF-16
    };
    for (const QByteArray& damaged : cases) {
        TTempConfig config;
        TNotices notices;
        config.WriteIni(damaged);
        const bool readable = damaged.contains("AnzCardEd");
        {
            TProfileFile ini(config.IniPath());
            // What could be read counts, and nothing else is lost on saving.
            EXPECT_EQ(ini.ReadInteger(Section, "AnzCardEd_Value", 0), readable ? 14 : 0);
            EXPECT_EQ(ini.ReadInteger("Ansicht", "A", 0), readable ? 1 : 0);
            ini.WriteInteger(Section, "Flags", 0);
            ASSERT_TRUE(ini.UpdateFile());
        }
        QFile backup(config.IniPath() + ".bak");
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
        EXPECT_EQ(backup.readAll(), damaged);
        ASSERT_EQ(notices.Messages.size(), 1);
        EXPECT_EQ(notices.Messages[0],
                  TProfileFile::KeptAsideMessage(config.IniPath(), config.IniPath() + ".bak"));
        EXPECT_TRUE(config.IniLines().contains("Flags=0"));
        if (readable) {
            EXPECT_TRUE(config.IniLines().contains("AnzCardEd_Value=14"));
            EXPECT_TRUE(config.IniLines().contains("A=1"));
        }
        // The file is clean now: the next save keeps nothing more aside.
        TProfileFile again(config.IniPath());
        again.WriteInteger(Section, "Flags", 1);
        ASSERT_TRUE(again.UpdateFile());
        EXPECT_EQ(notices.Messages.size(), 1);
        EXPECT_EQ(FolderEntries(config), (QStringList{"brisko.INI", "brisko.INI.bak"}));
    }
}

TEST(ProfileFileTest, OlderBackupsAreNeverReplaced) {
    TTempConfig config;
    TNotices notices;
    const QByteArray damaged("[TOptionsForm]\nFlags=3\0\n", 23);
    const auto writeFile = [&config](const QString& name, const QByteArray& content) {
        QFile file(config.Path() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    writeFile("brisko.INI.bak", "older");
    writeFile("brisko.INI.bak1", "old");
    config.WriteIni(damaged);
    {
        TProfileFile ini(config.IniPath());
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(FolderEntries(config),
              (QStringList{"brisko.INI", "brisko.INI.bak", "brisko.INI.bak1", "brisko.INI.bak2"}));
    QFile older(config.Path() + "/brisko.INI.bak");
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), "older");
    ASSERT_EQ(notices.Messages.size(), 1);
    EXPECT_TRUE(notices.Messages[0].contains("brisko.INI.bak2"));

    // A save that failed after keeping the file aside: the next one finds its
    // backup and neither makes another nor tells again.
    config.WriteIni(damaged);
    {
        TProfileFile ini(config.IniPath());
        ASSERT_TRUE(ini.UpdateFile());
    }
    EXPECT_EQ(FolderEntries(config).size(), 4);
    EXPECT_EQ(notices.Messages.size(), 1);
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
