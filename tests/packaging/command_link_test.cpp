// The installed `qelvane` command is a link into the program directory. The
// wizard finds setting.ini, Language/, Skin/ and the library from where the
// program really is; a program directory taken from the link (or from
// argv[0], which is just "qelvane" when started from the PATH) would look
// in /usr/bin and find none of them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class CommandLink : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        root_path_ = QDir(root_.path()).canonicalPath();
        ASSERT_TRUE(QDir().mkpath(ProgramDir()));
        ASSERT_TRUE(QDir().mkpath(root_path_ + "/usr/bin"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PRINT_PROGRAM_DIR), ProgramDir() + "/Qelvane"));
    }

    QString ProgramDir() const { return root_path_ + "/usr/lib/qelvane"; }

    void Link(const QString& target, const QString& linkPath) {
        std::filesystem::create_symlink(target.toStdString(), (root_path_ + linkPath).toStdString());
    }

    // Starts `qelvane` the way a shell does: looked up on the PATH, with
    // argv[0] as typed.
    QString RunFromPath() const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", root_path_ + "/usr/bin:/usr/bin:/bin");
        process.setProcessEnvironment(environment);
        process.start("/bin/sh", {"-c", "qelvane"});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    QTemporaryDir root_;
    QString root_path_;
};

TEST_F(CommandLink, RelativeLinkOnThePathFindsTheRealProgramDirectory) {
    Link("../lib/qelvane/Qelvane", "/usr/bin/qelvane");
    EXPECT_EQ(RunFromPath(), ProgramDir() + "/");
}

TEST_F(CommandLink, ChainOfAbsoluteLinksFindsTheRealProgramDirectory) {
    // As an alternatives-style link or a user's own link in ~/bin would.
    ASSERT_TRUE(QDir().mkpath(root_path_ + "/etc"));
    Link(ProgramDir() + "/Qelvane", "/etc/qelvane");
    Link(root_path_ + "/etc/qelvane", "/usr/bin/qelvane");
    EXPECT_EQ(RunFromPath(), ProgramDir() + "/");
}

}  // namespace
