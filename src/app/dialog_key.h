// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the shell's small windows give a meaning of their own.
#ifndef HYDRELIX_APP_DIALOG_KEY_H
#define HYDRELIX_APP_DIALOG_KEY_H

namespace app {

enum class DialogKey { Enter, Escape };

}  // namespace app

#endif
