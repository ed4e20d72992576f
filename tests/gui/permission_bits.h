// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only files and folders for tests that may run as root.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tempulo {

// While it lives, the process is held to the files' permission bits even as
// root: the capabilities that override them leave the effective set (they
// stay permitted and come back at the end). False where that is refused.
class PermissionBitsApply {
 public:
  PermissionBitsApply() {
    if (syscall(SYS_capget, &header_, saved_) != 0) {
      return;
    }
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
      reduced[capability / 32].effective &= ~(1U << (capability % 32));
    }
    active_ = syscall(SYS_capset, &header_, reduced) == 0;
  }
  ~PermissionBitsApply() {
    if (active_) {
      syscall(SYS_capset, &header_, saved_);
    }
  }
  PermissionBitsApply(const PermissionBitsApply&) = delete;
  PermissionBitsApply& operator=(const PermissionBitsApply&) = delete;
  explicit operator bool() const { return active_; }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2] = {};
  bool active_ = false;
};

}  // namespace tempulo
