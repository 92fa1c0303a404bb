#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "settings/ProgramDir.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/JpegImage.h"

namespace {

QByteArray LogoBytes() {
    QFile file(FindDataPath("artwork/logo.jpg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(AboutBoxTest, HasTheDesignedLayout) {
    TAboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.size(), QSize(664, 453));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 649, 385));
    EXPECT_EQ(box.Panel1->palette().color(QPalette::Window), QColor(240, 202, 166));
    EXPECT_EQ(box.ProgramIcon->geometry(), QRect(16, 40, 306, 322));
    EXPECT_TRUE(box.ProgramIcon->hasScaledContents());
    // The maker's line lies on the logo below its suits, a text to translate.
    EXPECT_EQ(box.LogoCaption->parentWidget(), box.ProgramIcon);
    EXPECT_EQ(box.LogoCaption->geometry(), QRect(0, 292, 306, 22));
    EXPECT_EQ(box.LogoCaption->text(), "Rommé von Taldrin");
    EXPECT_EQ(box.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(box.Label1->font().pixelSize(), 24);
    EXPECT_TRUE(box.Label1->font().bold());
    EXPECT_EQ(box.Label2->pos(), QPoint(336, 40));
    for (const QLabel* label : {box.Label2, box.Label3, box.Label4, box.Label5, box.Label6}) {
        EXPECT_GE(label->x(), 336);  // right of the logo
        EXPECT_LE(label->geometry().right(), box.Panel1->width());
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_EQ(box.BitBtnXP1->geometry(), QRect(336, 240, 169, 25));
    EXPECT_FALSE(box.BitBtnXP1->icon().isNull());
    EXPECT_EQ(box.BitBtn1->geometry(), QRect(241, 404, 181, 37));
    EXPECT_EQ(box.BitBtn1->text(), "OK");
    EXPECT_TRUE(box.BitBtn1->isDefault());
}

TEST(AboutBoxTest, YearComesFromTheDateOfCreation) {
    const TAboutBox today(nullptr);
    EXPECT_TRUE(today.Label2->text().contains(QString::number(QDate::currentDate().year())));
    EXPECT_FALSE(today.Label2->text().contains("XXXX"));

    const TAboutBox then(nullptr, QDate(1999, 5, 5));
    EXPECT_TRUE(then.Label2->text().contains("1999"));

    EXPECT_EQ(TAboutBox::WithYear("© XXXX und XXXX", 2031), "© 2031 und XXXX");
    EXPECT_EQ(TAboutBox::WithYear("XXXX", 987), "0987");
    EXPECT_EQ(TAboutBox::WithYear("ohne", 2031), "ohne");
}

TEST(AboutBoxTest, WebButtonOpensTheMakersAddress) {
    TAboutBox box(nullptr);
    std::vector<QUrl> opened;
    box.OpenUrl = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    box.BitBtnXP1->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl("https://www.taldrin.example/brisko"));
    EXPECT_TRUE(box.BitBtnXP1->text().contains("taldrin.example"));
}

TEST(AboutBoxTest, LogoIsOurJpegOfTheDesignedSize) {
    const QByteArray bytes = LogoBytes();
    ASSERT_FALSE(bytes.isEmpty()) << "the build draws artwork/logo.jpg next to the program";
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    const QImage logo = DecodeJpeg(bytes);
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(306, 322));
    // Not a blank picture: the felt is green.
    const QColor felt = logo.pixelColor(25, 40);
    EXPECT_GT(felt.green(), felt.red() + 30);

    const TAboutBox box(nullptr);
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
    EXPECT_FALSE(box.LogoCaption->isHidden());
}

TEST(AboutBoxTest, BrokenPicturesNeitherCrashNorShow) {
    const QByteArray logo = LogoBytes();
    ASSERT_FALSE(logo.isEmpty());
    QByteArray wide = logo;
    // Claim an absurd width in the frame header (SOF0: FF C0, length, precision, height, width).
    const qsizetype sof = wide.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    wide[sof + 7] = '\xFF';
    wide[sof + 8] = '\xFF';
    QByteArray garbage(4096, '\0');
    for (qsizetype i = 0; i < garbage.size(); ++i) {
        garbage[i] = static_cast<char>((i * 7919) % 251);
    }
    const QByteArray nulls[] = {
        QByteArray(),   "not a picture",
        garbage,        logo.left(2),
        logo.left(200),  // the header breaks off
        wide,           QByteArray("\x89PNG\r\n\x1A\n", 8) + garbage,
    };
    for (const QByteArray& data : nulls) {
        EXPECT_TRUE(DecodeJpeg(data).isNull()) << data.size();
    }
    // Cut short after the header: whatever the decoder makes of it, it returns.
    const QImage half = DecodeJpeg(logo.left(logo.size() / 2));
    EXPECT_TRUE(half.isNull() || half.size() == QSize(306, 322));
    // Flipped bytes in the middle of the picture data.
    QByteArray damaged = logo;
    for (qsizetype i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i) {
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
    }
    DecodeJpeg(damaged);

    EXPECT_TRUE(LoadJpegFile("").isNull());
    EXPECT_TRUE(LoadJpegFile("/nonexistent/logo.jpg").isNull());
    QTemporaryDir dir;
    EXPECT_TRUE(LoadJpegFile(dir.path()).isNull());  // a folder
    ASSERT_EQ(mkfifo((dir.path() + "/pipe.jpg").toUtf8().constData(), 0600), 0);
    EXPECT_TRUE(LoadJpegFile(dir.path() + "/pipe.jpg").isNull());  // returns at once
}

}  // namespace
