# What both scripts do first: the helpers, and the Debian packages installed. Sourced from
# the project's top folder.
source cmake/packages.sh
source cmake/wine-env.sh
source cmake/display.sh

ensure_packages

# The build whose exe Wine can run here: win32, or where this kernel runs no 32-bit x86
# program (which 32-bit Wine needs), the x86-64 build of the same sources.
if can_run_32bit; then ORVEDAN_WINE_ARCH=win32; else ORVEDAN_WINE_ARCH=win64; fi
