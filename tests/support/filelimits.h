// Conditions a test cannot otherwise make for one process: a full disk, and files root cannot read.
#pragma once

#include <csignal>
#include <initializer_list>
#include <sys/resource.h>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

// A full disk, as far as this process can tell: files may not grow past a few bytes.
class DiskNearlyFull {
public:
    explicit DiskNearlyFull(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~DiskNearlyFull() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    DiskNearlyFull(const DiskNearlyFull&) = delete;
    DiskNearlyFull& operator=(const DiskNearlyFull&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// Tests run as root in CI, and root reads a file whatever its mode. While this lives, the process
// checks file permissions as any user would; afterwards it is root again.
class WithoutFileOverride {
public:
    WithoutFileOverride() {
#ifdef __linux__
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        lowered_ = syscall(SYS_capset, &header_, lowered) == 0;
#endif
    }
    ~WithoutFileOverride() {
#ifdef __linux__
        if (lowered_) syscall(SYS_capset, &header_, saved_);
#endif
    }
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

private:
#ifdef __linux__
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
#endif
};
