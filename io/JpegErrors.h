#pragma once
// clang-format off
#include <csetjmp>
#include <cstdio>  // before jpeglib.h, which uses FILE and size_t
#include <jpeglib.h>
// clang-format on

namespace dzwonex {

// libjpeg reports an error by calling a function that must not return, and
// its own ends the process. This one jumps back to the caller instead:
//
//     JpegErrorTrap trap;
//     info.err = trap.Install();
//     if (setjmp(trap.jump)) { destroy info; report trap.message }
//
// Every warning is an error too: libjpeg warns when it skips corrupt data
// or fills missing data in with grey, and neither gives a picture worth
// showing. Between setjmp and the jump, the caller's frame may hold only
// plain C data (nothing with a destructor).
struct JpegErrorTrap {
    jpeg_error_mgr manager;  // first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];

    jpeg_error_mgr* Install();
};

}  // namespace dzwonex
