// SPDX-License-Identifier: GPL-3.0-or-later
// velomark: the desktop program.

#include "app/desktop.h"

int main(int argc, char** argv) {
    return velomark::RunDesktop(argc, argv);
}
