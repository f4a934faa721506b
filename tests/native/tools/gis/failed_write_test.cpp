// Every output under a file size limit, as on a full disk: the command fails, the
// file it would have replaced is as it was, and nothing else stays in the folder;
// nor when the limit's signal ends the run.
#include "tests/native/tools/tool_run.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {
const std::string kSample = VELMORA_SAMPLE_DIR;

std::set<std::string> FilesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File("")))
        names.insert(entry.path().filename().string());
    return names;
}

// Writes limited to `blocks` of 1024 bytes; messages go through a pipe, unlimited.
// A write past the limit fails, or with `signal` ends the run by SIGXFSZ.
ToolRun RunLimited(const TempDir& dir, const std::string& args, int blocks, bool signal = false) {
    std::string command = "bash -c \"(" + std::string(signal ? "" : "trap '' XFSZ; ") +
                          "ulimit -f " + std::to_string(blocks) + "; exec '" + VELMORA_TOOL + "' " +
                          args + ") 2>&1 | cat >'" + dir.File("stderr") +
                          "'; exit \\${PIPESTATUS[0]}\"";
    int status = std::system(command.c_str());
    return ToolRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, "",
                   ReadWholeFile(dir.File("stderr"))};
}

TEST(FailedWrite, EveryOutputKeepsTheFileItWouldReplace) {
    TempDir dir;
    const std::string box = Quoted(dir.File("box.dat"));
    const std::string inputs = Quoted(kSample + "/town.xml") + " --attrs " +
                               Quoted(kSample + "/town.csv") + " --box " + box;
    ASSERT_EQ(
        RunVelmora(dir, "box import " + Quoted(kSample + "/palettes.json") + " -o " + box).status,
        0);
    const std::pair<std::string, std::string> outputs[] = {
        {"town.svg", "paint " + inputs},
        {"town.png", "paint " + inputs},
        {"town.pdf", "paint " + inputs},
        {"town.gpkg", "export " + inputs},
        {"box.json", "box export " + box},
        {"style.qml", "box export " + box + " --format qml"},
        {"style.sld", "box export " + box + " --format sld"},
        {"copy.dat", "box import " + Quoted(kSample + "/palettes.json")},
    };
    for (const auto& [out, command] : outputs) {
        const std::string args = command + " -o " + Quoted(dir.File(out));
        ASSERT_EQ(RunVelmora(dir, args).status, 0) << args;
        const auto whole = std::filesystem::file_size(dir.File(out));
        const std::string before = dir.Write(out, "what was there before\n");
        const std::set<std::string> files = FilesIn(dir);
        // No room at all, and room for all but the last block of the file.
        for (int blocks : {0, int((whole - 1) / 1024)}) {
            ToolRun run = RunLimited(dir, args, blocks);
            SCOPED_TRACE(out + " in " + std::to_string(blocks) + " blocks");
            EXPECT_EQ(run.status, 1) << run.err;
            EXPECT_NE(run.err.find(": cannot "), std::string::npos) << run.err;
            EXPECT_EQ(ReadWholeFile(before), "what was there before\n");
            EXPECT_EQ(FilesIn(dir), files);
        }
        // A signal that ends the run part way removes what it wrote.
        EXPECT_EQ(RunLimited(dir, args, 0, true).status, 128 + SIGXFSZ) << out;
        EXPECT_EQ(ReadWholeFile(before), "what was there before\n");
        EXPECT_EQ(FilesIn(dir), files) << out;
        std::filesystem::remove(before);
    }
}

// Whether the file `name` is created in the watched folder within ten seconds.
bool Created(int watch, const std::string& name) {
    alignas(inotify_event) char events[4096];
    pollfd ready{watch, POLLIN, 0};
    while (poll(&ready, 1, 10000) == 1) {
        ssize_t length = read(watch, events, sizeof events);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->len && name == event->name)
                return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

// SIGTERM the moment an export starts its file: the run ends by it, and
// neither the file nor SQLite's journal stays.
TEST(FailedWrite, ExportEndedBySigtermLeavesNothing) {
    TempDir dir;
    const std::string out = dir.File("town.gpkg");
    int watch = inotify_init1(IN_CLOEXEC);
    ASSERT_GE(inotify_add_watch(watch, dir.File("").c_str(), IN_CREATE), 0);
    pid_t tool = fork();
    if (tool == 0) {
        execl(VELMORA_TOOL, "velmora", "export", (kSample + "/town.xml").c_str(), "--attrs",
              (kSample + "/town.csv").c_str(), "--box", (kSample + "/palettes.json").c_str(), "-o",
              out.c_str(), nullptr);
        _exit(127);
    }
    EXPECT_TRUE(Created(watch, "town.gpkg.part"));
    kill(tool, SIGTERM);
    int status = 0;
    waitpid(tool, &status, 0);
    close(watch);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(FilesIn(dir), std::set<std::string>());
}
} // namespace
