#include "runtime/FileIo.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace runtime;
namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class RuntimeFileFolder : public testing::Test {
protected:
    void SetUp() override {
        std::string templ = (fs::temp_directory_path() / "vxrt-XXXXXX").string();
        ASSERT_NE(::mkdtemp(templ.data()), nullptr);
        dir_ = templ;
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const fs::path& p, const std::string& bytes) {
        std::ofstream out(p, std::ios::binary);
        out << bytes;
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }
    int errorOf(const std::function<void()>& op) {
        try {
            op();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }

    fs::path dir_;
};

using ReadWholeFile = RuntimeFileFolder;

TEST_F(ReadWholeFile, ReturnsExactBytes) {
    const std::string bytes = "line 1\r\n\0\xFF\x80 end"s;
    write(dir_ / "book.lgn", bytes);
    EXPECT_EQ(readWholeFile(dir_ / "book.lgn"), bytes);
    write(dir_ / "empty.lgn", "");
    EXPECT_EQ(readWholeFile(dir_ / "empty.lgn"), "");
}

TEST_F(ReadWholeFile, FailuresCarryTheClassicNumber) {
    write(dir_ / "plain", "x");
    EXPECT_EQ(errorOf([&] { readWholeFile(dir_ / "missing.lgn"); }), 53);
    EXPECT_EQ(errorOf([&] { readWholeFile(dir_ / "nofolder" / "book.lgn"); }), 76);
    EXPECT_EQ(errorOf([&] { readWholeFile(dir_ / "plain" / "book.lgn"); }), 76);
    EXPECT_EQ(errorOf([&] { readWholeFile(dir_); }), 75);
}

TEST_F(ReadWholeFile, RefusesFilesOverTheLimit) {
    write(dir_ / "big", std::string(101, 'a'));
    EXPECT_EQ(errorOf([&] { readWholeFile(dir_ / "big", 100); }), 7);
    EXPECT_EQ(readWholeFile(dir_ / "big", 101).size(), 101u);
}

TEST_F(RuntimeFileFolder, ReplaceWritesNewBytesAndLeavesNothingElse) {
    const fs::path target = dir_ / "book.lgn";
    write(target, "old contents that are longer");
    ::chmod(target.c_str(), 0640);
    const std::string bytes = "new\0bytes\x80"s;
    replaceFileAtomically(target, bytes);
    EXPECT_EQ(readWholeFile(target), bytes);
    EXPECT_EQ(entries(), std::vector<std::string>{"book.lgn"});
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(RuntimeFileFolder, ReplaceThroughALinkKeepsTheLink) {
    write(dir_ / "real.lgn", "old");
    fs::create_symlink("real.lgn", dir_ / "link.lgn");
    replaceFileAtomically(dir_ / "link.lgn", "new");
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.lgn"));
    EXPECT_EQ(readWholeFile(dir_ / "real.lgn"), "new");
}

TEST_F(RuntimeFileFolder, ReplaceCreatesAMissingFile) {
    replaceFileAtomically(dir_ / "new.ini", "[Ledgrn]\r\n");
    EXPECT_EQ(readWholeFile(dir_ / "new.ini"), "[Ledgrn]\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"new.ini"});
}

TEST_F(RuntimeFileFolder, ReplaceIntoAMissingFolderIsPathNotFound) {
    EXPECT_EQ(errorOf([&] { replaceFileAtomically(dir_ / "gone" / "book.lgn", "x"); }), 76);
    EXPECT_EQ(errorOf([&] { replaceFileAtomically(dir_, "x"); }), 75);
    EXPECT_EQ(entries(), std::vector<std::string>{});
}

struct FaultCase {
    const char* name;
    ReplaceStep step;
    int err;
    int number;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplaceFault : public RuntimeFileFolder, public testing::WithParamInterface<FaultCase> {};

TEST_P(ReplaceFault, OldFileStaysAndNoTemporaryIsLeft) {
    const FaultCase& c = GetParam();
    const fs::path target = dir_ / "book.lgn";
    write(target, "old bytes");
    const int number = errorOf([&] {
        replaceFileAtomically(target, "new bytes", [&](ReplaceStep s) { return s == c.step ? c.err : 0; });
    });
    EXPECT_EQ(number, c.number);
    EXPECT_EQ(readWholeFile(target), "old bytes");
    EXPECT_EQ(entries(), std::vector<std::string>{"book.lgn"});
}

INSTANTIATE_TEST_SUITE_P(FileIo, ReplaceFault,
                         testing::Values(FaultCase{"NoRightToCreate", ReplaceStep::CreateTemp, EACCES, 75},
                                         FaultCase{"TooManyFiles", ReplaceStep::CreateTemp, EMFILE, 67},
                                         FaultCase{"DiskFullWhileWriting", ReplaceStep::Write, ENOSPC, 61},
                                         FaultCase{"QuotaWhileWriting", ReplaceStep::Write, EDQUOT, 61},
                                         FaultCase{"DeviceErrorOnFlush", ReplaceStep::Sync, EIO, 57},
                                         FaultCase{"RenameRefused", ReplaceStep::Rename, EBUSY, 55}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(RuntimeFileFolder, FolderFlushFailureIsReportedAfterTheNewFileIsInPlace) {
    const fs::path target = dir_ / "book.lgn";
    write(target, "old");
    const int number = errorOf([&] {
        replaceFileAtomically(target, "new",
                              [](ReplaceStep s) { return s == ReplaceStep::SyncDirectory ? EIO : 0; });
    });
    EXPECT_EQ(number, 57);
    EXPECT_EQ(readWholeFile(target), "new");
    EXPECT_EQ(entries(), std::vector<std::string>{"book.lgn"});
}

} // namespace
