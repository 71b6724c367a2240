# What the Windows program is built from. Sourced by scripts/install-windows-deps.sh.
#
# Dawn for Windows: npm refuses to install this package on Linux (it is marked
# for win32 only), so it is fetched with npm pack and checked against the
# integrity hash the registry published for this version.
WINDOWS_DAWN_PACKAGE=bun-webgpu-win32-x64
WINDOWS_DAWN_VERSION=0.1.5
WINDOWS_DAWN_INTEGRITY=sha512-zvnUl4EAsQbKsmZVu+lEJcH8axQ7MiCfqg2OmnHd6uw1THABmHaX0GbpKiHshdgadNN2Nf+4zDyTJB5YMcAdrA==

# GLFW and Dear ImGui come from the Debian release's own source packages (the
# same versions the Linux program links); the versions used are printed.
WINDOWS_SOURCE_PACKAGES="glfw3 imgui"
