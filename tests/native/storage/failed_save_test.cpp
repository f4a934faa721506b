// A save in which each file call in turn fails; the calls are wrapped at link time.
#include "tests/native/storage/storage_support.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/types.h>

namespace {
int g_calls = 0;     // file calls seen since the count was reset
int g_failCall = 0;  // the call that fails, counted from 1; 0 fails none
std::string g_names; // the calls seen, in order

bool FailThis(const char* name) {
    g_names += std::string(g_calls++ ? " " : "") + name;
    if (g_calls == g_failCall)
        errno = ENOSPC;
    return g_calls == g_failCall;
}
} // namespace

extern "C" {
int __real_open(const char* path, int flags, ...);
ssize_t __real_write(int fd, const void* bytes, size_t count);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);

int __wrap_open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const mode_t mode = flags & O_CREAT ? static_cast<mode_t>(va_arg(args, int)) : 0;
    va_end(args);
    return FailThis("open") ? -1 : __real_open(path, flags, mode);
}
ssize_t __wrap_write(int fd, const void* bytes, size_t count) {
    return FailThis("write") ? -1 : __real_write(fd, bytes, count);
}
int __wrap_fsync(int fd) {
    return FailThis("fsync") ? -1 : __real_fsync(fd);
}
int __wrap_close(int fd) {
    // A failed close still releases the descriptor, as close(2) does.
    if (!FailThis("close"))
        return __real_close(fd);
    __real_close(fd);
    errno = EIO;
    return -1;
}
int __wrap_rename(const char* from, const char* to) {
    return FailThis("rename") ? -1 : __real_rename(from, to);
}
}

namespace {
using FailedSaveTest = BoxFolderTest;

int SaveFailing(CVPaletteBox& box, int failCall) {
    g_calls = 0;
    g_failCall = failCall;
    g_names.clear();
    const int result = box.WritePltsBox("box", FailedSaveTest::kKind);
    g_failCall = 0;
    return result;
}

TEST_F(FailedSaveTest, EveryFailedCallKeepsTheSavedBoxAndLeavesNoTemporaryFile) {
    CVPaletteBox saved, changed;
    saved.AddPlt(new CVObjPlt);
    ASSERT_EQ(SaveFailing(saved, 0), 0);
    const Bytes before = ReadBytes(BoxPath("box"));
    ASSERT_EQ(SaveFailing(changed, 0), 0);
    ASSERT_EQ(g_names, "open write fsync close rename");
    for (int failCall = 1; failCall <= 5; ++failCall) {
        SCOPED_TRACE("failing call " + std::to_string(failCall));
        WriteBytes(BoxPath("box"), before);
        EXPECT_EQ(SaveFailing(changed, failCall), BOX_FILE_FAILED);
        EXPECT_EQ(ReadBytes(BoxPath("box")), before);
        EXPECT_EQ(std::vector<fs::path>{BoxPath("box")}, Files());
    }
}
} // namespace
