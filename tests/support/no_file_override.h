#pragma once

// Takes from the calling thread, for the life of the object, the power of
// the superuser to write any file or folder whatever its permissions, so
// that a test run as root meets a read-only file or folder as an office
// user does. Does nothing for an ordinary user.
class NoFileOverride {
public:
    NoFileOverride();
    ~NoFileOverride();
    NoFileOverride(const NoFileOverride&) = delete;
    NoFileOverride& operator=(const NoFileOverride&) = delete;

private:
    bool active_ = false;
    unsigned int saved_[6] = {};  // the thread's capability sets as they were
};
