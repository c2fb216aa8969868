#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// Takes everything that the process writes to its standard error (file
// descriptor 2) into memory while it lives: Qt's messages and the raw writes
// of any library, in the order in which they were written, so that its
// owner can decide afterwards what of it the user reads.
//
// A process that dies meanwhile loses none of it: on a crash (SIGSEGV,
// SIGBUS, SIGFPE, SIGILL, SIGABRT), on exit() and on a sanitizer's report,
// what was taken is copied to the real standard error first, and the death
// goes on as it would have gone without the capture.
//
// Where standard error cannot be duplicated (closed, or no descriptor free)
// or no in-memory file can be made, nothing is taken and every write goes
// straight out. Only one capture is active at a time; a second captures
// nothing.
class StderrCapture {
  public:
    StderrCapture();
    // Still active: puts standard error back and copies what was taken to it.
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    bool Active() const { return memory_ >= 0; }

    // The number of bytes taken so far.
    std::size_t Size() const;

    // Puts standard error back and returns what was taken; from then on the
    // capture is inactive.
    std::string Finish();

    // Writes all of `bytes` to standard error, whatever descriptor 2 is now.
    static void Write(std::string_view bytes);

  private:
    int memory_ = -1;      // the in-memory file that stands in for descriptor 2
    int realStderr_ = -1;  // what descriptor 2 was before
};

}  // namespace fw
