#include "JpegErrors.h"

#include <type_traits>

namespace dzwonex {

namespace {

static_assert(std::is_standard_layout_v<JpegErrorTrap>, "libjpeg's pointer is cast back to the trap");

void ErrorExit(j_common_ptr info) {
    auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
    // Level -1 is a warning; higher levels are trace messages.
    if (level < 0) ErrorExit(info);
}

}  // namespace

jpeg_error_mgr* JpegErrorTrap::Install() {
    jpeg_std_error(&manager);
    manager.error_exit = ErrorExit;
    manager.emit_message = EmitMessage;
    message[0] = '\0';
    return &manager;
}

}  // namespace dzwonex
