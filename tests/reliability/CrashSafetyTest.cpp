// A save killed at any moment leaves the file on disk byte for byte as it was or as it was to
// become, and no temporary file in sight; a full disk or a read-only folder gives the disk-error
// message and keeps the old file. The saving is done by a child process (CrashChild.cpp), killed
// at every point of the replacement in turn and at random moments.
//
// VX_CRASH_FULL=1 (scripts/crash-harness) adds large files and many more random kills.
#include "reliability/ChildProcess.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace fs = std::filesystem;

namespace {

bool fullRun() {
    const char* v = std::getenv("VX_CRASH_FULL");
    return v != nullptr && std::string_view(v) == "1";
}

class TempDir {
public:
    TempDir() {
        std::string name = (fs::temp_directory_path() / "vxcrash.XXXXXX").string();
        path_ = ::mkdtemp(name.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Names in a folder, hidden ones (a temporary file of ours starts with ".") apart.
struct Listing {
    std::vector<std::string> visible;
    std::vector<std::string> hidden;
};
Listing listing(const fs::path& dir) {
    Listing l;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        (name.front() == '.' ? l.hidden : l.visible).push_back(name);
    }
    return l;
}

struct Tally {
    long kills = 0, old = 0, fresh = 0, mixed = 0, strayVisible = 0, leftAfterNextSave = 0;
};
Tally total;

struct CrashCase {
    const char* name;
    const char* kind;
    const char* file;
    int size;
    bool fullOnly;
};

class CrashSafety : public testing::TestWithParam<CrashCase> {
protected:
    void SetUp() override {
        if (GetParam().fullOnly && !fullRun()) {
            GTEST_SKIP() << "large file: scripts/crash-harness";
        }
        target = dir.path() / GetParam().file;
        // The old file, and what the save of generation 2 makes of it (worked out in a side folder).
        ASSERT_EQ(save(target, 1).exitCode, 0);
        old = fileBytes(target);
        fs::copy_file(target, side.path() / GetParam().file);
        ASSERT_EQ(save(side.path() / GetParam().file, 2).exitCode, 0);
        fresh = fileBytes(side.path() / GetParam().file);
        ASSERT_NE(old, fresh);
    }
    ChildResult save(const fs::path& path, int generation, const std::string& fault = {},
                     std::chrono::microseconds killAfter = std::chrono::microseconds(-1)) {
        return runChild({GetParam().kind, path.string(), std::to_string(generation), std::to_string(GetParam().size)},
                        fault, killAfter);
    }
    // After a kill: the file is the old one or the new one, and nothing else is in sight.
    void checkAfterKill(const std::string& when) {
        ++tally.kills;
        const std::string now = fileBytes(target);
        if (now == old)
            ++tally.old;
        else if (now == fresh)
            ++tally.fresh;
        else {
            ++tally.mixed;
            ADD_FAILURE() << "killed " << when << ": the file is neither the old nor the new one (" << now.size()
                          << " bytes)";
        }
        if (listing(dir.path()).visible != std::vector<std::string>{GetParam().file}) {
            ++tally.strayVisible;
            ADD_FAILURE() << "killed " << when << ": a stray file is in sight";
        }
    }
    // A save that completes clears away what killed ones left.
    void checkNextSaveCleansUp() {
        writeBytes(target, old);
        ASSERT_EQ(save(target, 2).exitCode, 0);
        EXPECT_EQ(fileBytes(target), fresh);
        const Listing l = listing(dir.path());
        tally.leftAfterNextSave += static_cast<long>(l.hidden.size());
        EXPECT_TRUE(l.hidden.empty()) << l.hidden.front();
    }
    void TearDown() override {
        total.kills += tally.kills;
        total.old += tally.old;
        total.fresh += tally.fresh;
        total.mixed += tally.mixed;
        total.strayVisible += tally.strayVisible;
        total.leftAfterNextSave += tally.leftAfterNextSave;
        if (tally.kills > 0)
            std::printf("crash-safety %s: %ld kills, old %ld, new %ld, mixed %ld\n", GetParam().name, tally.kills,
                        tally.old, tally.fresh, tally.mixed);
    }

    TempDir dir, side;
    fs::path target;
    std::string old, fresh;
    Tally tally;
};

TEST_P(CrashSafety, KilledAtEveryPointInTurn) {
    long points = 0;
    for (long n = 1; n < 100000; ++n) {
        writeBytes(target, old);
        const ChildResult r = save(target, 2, "kill:any:" + std::to_string(n));
        if (!r.killed) {
            // Past the last point: the save ran to its end.
            ASSERT_EQ(r.exitCode, 0) << r.output;
            EXPECT_EQ(fileBytes(target), fresh);
            break;
        }
        ++points;
        checkAfterKill("at point " + std::to_string(n));
    }
    // Create, write, sync, close, rename, folder sync and the points between them at the least.
    EXPECT_GE(points, 10);
    // Killed before the rename the old file stays; after it, the new one is there.
    EXPECT_GT(tally.old, 0);
    EXPECT_GT(tally.fresh, 0);
    checkNextSaveCleansUp();
}

TEST_P(CrashSafety, KilledAtRandomMoments) {
    // How long a save takes from "ready" on: the kills are spread over that time.
    const ChildResult timed = save(target, 2);
    ASSERT_EQ(timed.exitCode, 0);
    std::mt19937 random(static_cast<unsigned>(timed.afterReady.count()));
    std::uniform_int_distribution<long> moment(0, std::max<long>(200, timed.afterReady.count()));
    const int runs = fullRun() ? 150 : 6;
    for (int i = 0; i < runs; ++i) {
        writeBytes(target, old);
        const long after = moment(random);
        const ChildResult r = save(target, 2, {}, std::chrono::microseconds(after));
        if (r.killed)
            checkAfterKill("after " + std::to_string(after) + " us");
        else
            EXPECT_EQ(fileBytes(target), fresh);
    }
    checkNextSaveCleansUp();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CrashSafety,
    testing::Values(CrashCase{"BookOfOneItem", "book", "home.lgn", 1, false},
                    CrashCase{"BookOf40Items", "book", "home.lgn", 40, false},
                    CrashCase{"BookOf5000Items", "book", "home.lgn", 5000, true},
                    CrashCase{"CodeFileOf12Codes", "codes", "budget.cod", 12, false},
                    CrashCase{"CodeFileOf2000Codes", "codes", "budget.cod", 2000, true},
                    CrashCase{"SettingsFileSmall", "settings", "ledgrn.ini", 100, false},
                    CrashCase{"SettingsFileOf60KB", "settings", "ledgrn.ini", 60000, true}),
    [](const testing::TestParamInfo<CrashCase>& row) { return std::string(row.param.name); });

// --- Disk errors --------------------------------------------------------------------------------

const std::string kSettingsFailures = "Unable to write messages profile string!\n"
                                      "Unable to write form height profile string!\n"
                                      "Unable to write form width profile string!\n"
                                      "Unable to write list box height profile string!\n"
                                      "Unable to write list box width profile string!\n";

struct DiskCase {
    const char* name;
    const char* kind;
    const char* file;
    const char* fault;
    const char* message; // "%s" stands for the file's path
};

class DiskErrors : public testing::TestWithParam<DiskCase> {};

std::string expected(const DiskCase& c, const fs::path& path) {
    std::string m = c.message;
    if (const std::size_t at = m.find("%s"); at != std::string::npos)
        m.replace(at, 2, path.string());
    return m;
}

TEST_P(DiskErrors, GiveTheMessageAndKeepTheOldFile) {
    const DiskCase& c = GetParam();
    TempDir dir;
    const fs::path target = dir.path() / c.file;
    ASSERT_EQ(runChild({c.kind, target.string(), "1", "30"}, {}).exitCode, 0);
    const std::string old = fileBytes(target);
    const ChildResult r = runChild({c.kind, target.string(), "2", "30"}, c.fault);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.output, expected(c, target));
    EXPECT_EQ(fileBytes(target), old);
    EXPECT_EQ(listing(dir.path()).hidden, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Injected, DiskErrors,
    testing::Values(
        DiskCase{"BookDiskFull", "book", "home.lgn", "enospc:write", "Disk is full. Continue?\n"},
        DiskCase{"BookDiskFullAtSecondBlock", "book", "home.lgn", "enospc:write:2", "Disk is full. Continue?\n"},
        DiskCase{"BookReadOnlyFolder", "book", "home.lgn", "erofs:create",
                 "Can't open your file for that type of access.\n"},
        DiskCase{"BookNoRightToFolder", "book", "home.lgn", "eacces:create",
                 "Can't open your file for that type of access.\n"},
        DiskCase{"BookDeviceErrorOnFlush", "book", "home.lgn", "eio:sync", "Internal disk error.\n"},
        DiskCase{"CodeFileDiskFull", "codes", "budget.cod", "enospc:write",
                 "Error writing transaction codes file \r%s\n"},
        DiskCase{"CodeFileReadOnlyFolder", "codes", "budget.cod", "erofs:create",
                 "Error writing transaction codes file \r%s\n"},
        DiskCase{"SettingsDiskFull", "settings-exit", "ledgrn.ini", "enospc:write", kSettingsFailures.c_str()},
        DiskCase{"SettingsReadOnlyFolder", "settings-exit", "ledgrn.ini", "erofs:create",
                 kSettingsFailures.c_str()}),
    [](const testing::TestParamInfo<DiskCase>& row) { return std::string(row.param.name); });

// The same on a real small disk and a real read-only one, where this process may mount them.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& at) : at_(at) {
        mounted_ = ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return ::mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

private:
    fs::path at_;
    bool mounted_ = false;
};

struct RealDiskCase {
    const char* name;
    const char* kind;
    const char* file;
    int newSize;    // contents large enough to fill the disk, or small
    bool readOnly;  // remount read-only before the save
    const char* message;
};

class RealDiskErrors : public testing::TestWithParam<RealDiskCase> {};

TEST_P(RealDiskErrors, GiveTheMessageAndKeepTheOldFile) {
    const RealDiskCase& c = GetParam();
    TempDir dir;
    SmallDisk disk(dir.path());
    if (!disk.mounted()) {
        GTEST_SKIP() << "no right to mount a small disk here";
    }
    const fs::path target = dir.path() / c.file;
    ASSERT_EQ(runChild({c.kind, target.string(), "1", "20"}, {}).exitCode, 0);
    const std::string old = fileBytes(target);
    if (c.readOnly) {
        ASSERT_TRUE(disk.makeReadOnly());
    }
    const ChildResult r = runChild({c.kind, target.string(), "2", std::to_string(c.newSize)}, {});
    EXPECT_EQ(r.exitCode, 3);
    std::string message = c.message;
    if (const std::size_t at = message.find("%s"); at != std::string::npos)
        message.replace(at, 2, target.string());
    EXPECT_EQ(r.output, message);
    EXPECT_EQ(fileBytes(target), old);
    Listing l = listing(dir.path());
    EXPECT_EQ(l.visible, std::vector<std::string>{c.file});
    EXPECT_EQ(l.hidden, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Mounted, RealDiskErrors,
    testing::Values(
        RealDiskCase{"BookFillsTheDisk", "book", "home.lgn", 4000, false, "Disk is full. Continue?\n"},
        RealDiskCase{"BookOnReadOnlyDisk", "book", "home.lgn", 20, true,
                     "Can't open your file for that type of access.\n"},
        RealDiskCase{"CodeFileFillsTheDisk", "codes", "budget.cod", 4000, false,
                     "Error writing transaction codes file \r%s\n"},
        RealDiskCase{"CodeFileOnReadOnlyDisk", "codes", "budget.cod", 20, true,
                     "Error writing transaction codes file \r%s\n"},
        RealDiskCase{"SettingsOnReadOnlyDisk", "settings-exit", "ledgrn.ini", 20, true, kSettingsFailures.c_str()}),
    [](const testing::TestParamInfo<RealDiskCase>& row) { return std::string(row.param.name); });

// The figures of the whole run, for scripts/crash-harness.
class Figures : public testing::Environment {
public:
    void TearDown() override {
        std::printf("crash-safety total: %ld kills, old file %ld, new file %ld, mixed or lost %ld, "
                    "stray files in sight %ld, temporaries left after the next save %ld\n",
                    total.kills, total.old, total.fresh, total.mixed, total.strayVisible, total.leftAfterNextSave);
    }
};
const auto* const figures = testing::AddGlobalTestEnvironment(new Figures);

} // namespace
