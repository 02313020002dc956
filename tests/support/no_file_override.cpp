#include "tests/support/no_file_override.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
};

bool read(Capabilities& caps) {
    return syscall(SYS_capget, &caps.header, caps.data) == 0;
}
bool write(Capabilities& caps) {
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

}  // namespace

NoFileOverride::NoFileOverride() {
    if (geteuid() != 0) return;
    Capabilities caps;
    if (!read(caps)) {
        ADD_FAILURE() << "cannot read the thread's capabilities";
        return;
    }
    static_assert(sizeof saved_ == sizeof caps.data);
    std::memcpy(saved_, caps.data, sizeof saved_);
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        caps.data[0].effective &= ~(1u << capability);
    }
    active_ = write(caps);
    EXPECT_TRUE(active_) << "cannot give up the superuser's file access";
}

NoFileOverride::~NoFileOverride() {
    if (!active_) return;
    Capabilities caps;
    std::memcpy(caps.data, saved_, sizeof saved_);
    EXPECT_TRUE(write(caps));
}
