// The save under failure at every I/O call it makes. While the exit label
// saves, the C library calls of the save writer (open, read, write, fsync,
// close, rename, unlink, mkostemp) are counted; then, for every N, the Nth
// call kills the process (kill -9, in a forked child) or fails as on a full
// disk (ENOSPC; EIO for a read). A folder the player cannot write is tried
// for real. Every time, the next start must load a whole save, the old one
// or the new one, and a save that did not reach the disk must have been
// reported with the game's message box, never passed over as a success.

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "test_game.h"

namespace {

enum class Fault { None, Kill, NoSpace };

// What the interposed C functions below do. It has to be a global: the C
// library's callers pass no context.
struct Injection {
    bool armed = false;
    int calls = 0;
    int target = 0;
    Fault fault = Fault::None;
    std::vector<const char*> names;  // the calls seen while armed
};
Injection injection;

// Called before each interposed call: 0 to go on, else the errno to fail with.
int Before(const char* name) {
    if (!injection.armed) return 0;
    ++injection.calls;
    if (injection.names.size() < 1000) injection.names.push_back(name);
    if (injection.calls != injection.target) return 0;
    if (injection.fault == Fault::Kill) ::kill(::getpid(), SIGKILL);
    if (injection.fault == Fault::NoSpace) return std::strcmp(name, "read") == 0 ? EIO : ENOSPC;
    return 0;
}

template <class F>
F Real(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

int OpenWith(const char* real, const char* path, int flags, va_list args) {
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) mode = mode_t(va_arg(args, unsigned));
    if (const int e = Before("open")) {
        errno = e;
        return -1;
    }
    static auto open = Real<int (*)(const char*, int, ...)>("open");
    static auto open64 = Real<int (*)(const char*, int, ...)>("open64");
    return (std::strcmp(real, "open") == 0 ? open : open64)(path, flags, mode);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = OpenWith("open", path, flags, args);
    va_end(args);
    return fd;
}

int open64(const char* path, int flags, ...) {
    va_list args;
    va_start(args, flags);
    const int fd = OpenWith("open64", path, flags, args);
    va_end(args);
    return fd;
}

ssize_t read(int fd, void* buffer, size_t n) {
    static auto real = Real<ssize_t (*)(int, void*, size_t)>("read");
    if (const int e = Before("read")) return errno = e, -1;
    return real(fd, buffer, n);
}

ssize_t write(int fd, const void* buffer, size_t n) {
    static auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    if (const int e = Before("write")) return errno = e, -1;
    return real(fd, buffer, n);
}

int fsync(int fd) {
    static auto real = Real<int (*)(int)>("fsync");
    if (const int e = Before("fsync")) return errno = e, -1;
    return real(fd);
}

int close(int fd) {
    static auto real = Real<int (*)(int)>("close");
    const int e = Before("close");
    // A failed close still frees the descriptor (Linux): only the report fails.
    const int result = real(fd);
    if (e) return errno = e, -1;
    return result;
}

int rename(const char* from, const char* to) noexcept {
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    if (const int e = Before("rename")) return errno = e, -1;
    return real(from, to);
}

int unlink(const char* path) noexcept {
    static auto real = Real<int (*)(const char*)>("unlink");
    if (const int e = Before("unlink")) return errno = e, -1;
    return real(path);
}

int mkostemp(char* pattern, int flags) {
    static auto real = Real<int (*)(char*, int)>("mkostemp");
    if (const int e = Before("mkostemp")) return errno = e, -1;
    return real(pattern, flags);
}

int mkostemp64(char* pattern, int flags) {
    static auto real = Real<int (*)(char*, int)>("mkostemp64");
    if (const int e = Before("mkostemp")) return errno = e, -1;
    return real(pattern, flags);
}

}  // extern "C"

namespace {

using testing_support::TestGame;

const std::string kSaveError = "Ошибка при сохранении игры";

std::vector<std::string> SaveLines(int money) {
    return {std::to_string(money), "0", "0", "0", "0", "0", "popl", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
}

// A returning player with 111 $ and the book's pike at 3000 g, who leaves
// with 222 $ and a pike of 4444 g: both files change.
void Prepare(TestGame& t) {
    t.folder.write("Saves/Вася/vrb.cfg", SaveLines(111));
    t.folder.write("Saves/Вася/vrb.bak", SaveLines(100));
    ASSERT_EQ(t.startAs("Вася"), "");
    t.game().save.PlayerMoney = 222;
    t.game().book.RecordBook[0].Weight = 4444;
}

// The exit label's save with the fault armed; the message boxes it showed.
std::vector<std::string> SaveWith(TestGame& t, Fault fault, int target) {
    injection = Injection{true, 0, target, fault, {}};
    t.run("click Form1.Label5\n");
    injection.armed = false;
    return t.driver().dialogs().takeMessages();
}

struct Loaded {
    std::string money, pike, rest;
};

// The next start of the game on the same folder.
Loaded LoadAgain(const TestGame& t) {
    const std::string out = testing_support::RunAgain(
        t.folder, "answer Вася\nstart\nadvance 2000\nprint PlayerMoney\nprint RecordBook(1).Weight\nmessages\n");
    Loaded l;
    const std::size_t a = out.find('\n'), b = out.find('\n', a + 1);
    l.money = out.substr(0, a);
    l.pike = a == std::string::npos ? "" : out.substr(a + 1, b - a - 1);
    l.rest = b == std::string::npos ? out : out.substr(b + 1);
    return l;
}

// The number of calls one undisturbed save makes.
int CountCalls(std::vector<const char*>* names = nullptr) {
    TestGame t;
    Prepare(t);
    EXPECT_EQ(SaveWith(t, Fault::None, 0), std::vector<std::string>{});
    if (names) *names = injection.names;
    return injection.calls;
}

TEST(SaveFaults, TheSaveMakesEveryKindOfCallBeingTested) {
    std::vector<const char*> names;
    const int calls = CountCalls(&names);
    std::vector<std::string> seen(names.begin(), names.end());
    for (const char* kind : {"open", "read", "write", "fsync", "close", "rename", "mkostemp"})
        EXPECT_NE(std::find(seen.begin(), seen.end(), kind), seen.end()) << kind;
    // Two files, each with its backup: at least a create, write, flush,
    // close and rename for each of the four.
    EXPECT_GE(calls, 20);
    std::cout << "[ figures  ] the save makes " << calls << " I/O calls\n";
}

TEST(SaveFaults, KilledAtAnyCallTheNextStartLoadsAWholeSave) {
    const int calls = CountCalls();
    int passed = 0;
    for (int n = 1; n <= calls + 1; ++n) {
        TestGame t;
        Prepare(t);
        std::cout.flush();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveWith(t, Fault::Kill, n);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        // Past the last call the save runs to its end.
        EXPECT_EQ(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, n <= calls) << "call " << n;
        const Loaded l = LoadAgain(t);
        EXPECT_TRUE(l.money == "111" || l.money == "222") << "call " << n << ": " << l.money;
        EXPECT_TRUE(l.pike == "3000" || l.pike == "4444") << "call " << n << ": " << l.pike;
        EXPECT_EQ(l.rest, ".\n") << "call " << n;
        if (n > calls) {
            EXPECT_EQ(l.money + l.pike, "2224444");
        }
        passed += !testing::Test::HasFailure();
    }
    EXPECT_EQ(passed, calls + 1);
    std::cout << "[ figures  ] kill -9 at each of " << calls << " calls and after the last: " << passed
              << " passed\n";
}

TEST(SaveFaults, OnAFullDiskAtAnyCallTheSaveIsReportedAndTheOldOrNewSaveLoads) {
    const int calls = CountCalls();
    int passed = 0, reported = 0;
    for (int n = 1; n <= calls; ++n) {
        TestGame t;
        Prepare(t);
        const std::vector<std::string> messages = SaveWith(t, Fault::NoSpace, n);
        const Loaded l = LoadAgain(t);
        EXPECT_TRUE(l.money == "111" || l.money == "222") << "call " << n << ": " << l.money;
        EXPECT_TRUE(l.pike == "3000" || l.pike == "4444") << "call " << n << ": " << l.pike;
        EXPECT_EQ(l.rest, ".\n") << "call " << n;
        if (messages.empty()) {
            // Not reported: then the save must really be whole on the disk
            // (a failed read of the old file only leaves the backup as it was).
            EXPECT_EQ(l.money + l.pike, "2224444") << "call " << n << " failed unreported";
        } else {
            EXPECT_EQ(messages, std::vector<std::string>{kSaveError}) << "call " << n;
            ++reported;
        }
        passed += !testing::Test::HasFailure();
    }
    EXPECT_EQ(passed, calls);
    // Every failing write, flush, creation or rename is reported.
    EXPECT_GE(reported, calls / 2);
    std::cout << "[ figures  ] a full disk at each of " << calls << " calls: " << passed << " passed, " << reported
              << " reported with the message box\n";
}

TEST(SaveFaults, AFolderThePlayerCannotWriteFailsTheSaveAndKeepsTheOldOne) {
    TestGame t;
    Prepare(t);
    std::cout.flush();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Root writes anywhere: the save runs as an ordinary user.
        if (::geteuid() == 0) {
            const std::string owner = "chown -R 65534:65534 '" + t.folder.root().string() + "'";
            if (std::system(owner.c_str()) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        }
        for (const char* folder : {"Saves/Вася", "Data"})
            if (::chmod((t.folder.game() / folder).c_str(), 0555) != 0) ::_exit(4);
        const std::vector<std::string> messages = SaveWith(t, Fault::None, 0);
        ::_exit(messages == std::vector<std::string>{kSaveError} ? 0 : 5);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "3: no ordinary user, 4: chmod failed, 5: the failure was not reported";
    for (const char* folder : {"Saves/Вася", "Data"}) ::chmod((t.folder.game() / folder).c_str(), 0755);
    const Loaded l = LoadAgain(t);
    EXPECT_EQ(l.money + " " + l.pike + " " + l.rest, "111 3000 .\n");
}

}  // namespace
