// Test entry for everything that needs a Qt application (offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/AppSetup.h"

namespace {

// Every test starts without settings and without a kept game: what the
// windows of earlier tests chose and kept stays in folders of their own.
class TFreshFolders : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        Folder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", Folder->path().toUtf8());
        qputenv("XDG_DATA_HOME", (Folder->path() + "/data").toUtf8());
    }
    void OnTestEnd(const ::testing::TestInfo&) override { Folder.reset(); }

    std::unique_ptr<QTemporaryDir> Folder;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshFolders);
    return RUN_ALL_TESTS();
}
