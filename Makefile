# `make run` builds the program and starts it; `make test` runs the correctness
# suite; `make check` adds the heavy runs that CI does after `make test`. Each
# installs the Debian packages it needs first.
PRESET ?= dev
JOBS   ?= $(shell nproc)
BUILD  := build/$(PRESET)
# Further cache settings for every configure, e.g. CI's warnings as errors.
CMAKE_ARGS ?=

# fonts-liberation2 gives the windows the Arial metrics their layout is drawn
# for; GLib's GIO finds and starts the desktop's system information tool;
# libxcb-xkb-dev the X keyboard extension, which reports held keys' repeats.
RUN_PACKAGES   := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
                  qt6-translations-l10n libgl-dev fonts-liberation2 libglib2.0-dev libxcb-xkb-dev
# A real X server driven by xdotool, with a desktop's key repeat set by xset
# (x11-xserver-utils), a window manager to frame the window and x11-utils to
# measure the frame; weston with XWayland and Qt's Wayland platform for a
# Wayland session; Qt's private headers to turn the accessibility layer on.
TEST_PACKAGES  := xvfb xauth xdotool x11-xserver-utils openbox wmctrl x11-utils weston xwayland \
                  qt6-wayland qt6-base-private-dev
# valgrind, the .deb's tools and the checkers of the desktop files.
CHECK_PACKAGES := valgrind dpkg-dev file desktop-file-utils \
                  appstream
# `make icons`: librsvg draws the hicolor sizes, ImageMagick the rest.
ICON_PACKAGES  := librsvg2-bin imagemagick

# Windows, beside what the tests need: dpkg-dev to unpack Debian's qtbase
# source, ninja, mingw-w64, NSIS for the installer, and Wine.
WINDOWS_PACKAGES := ninja-build dpkg-dev g++-mingw-w64-x86-64-posix nsis wine wine64

.PHONY: run test check package smoke bench icons windows clean

run:
	@tools/ensure-packages $(RUN_PACKAGES)
	@cmake --preset $(PRESET) $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset $(PRESET) --target wertungsbrett -j $(JOBS)
	@$(BUILD)/app/wertungsbrett

test:
	@tools/ensure-packages $(RUN_PACKAGES) $(TEST_PACKAGES)
	@cmake --preset $(PRESET) $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)
	@ctest --preset $(PRESET) -j $(JOBS) --label-exclude 'memcheck|bench|windows'

# Sanitizers, memcheck and the installed package.
check:
	@tools/ensure-packages $(CHECK_PACKAGES)
	@$(MAKE) --no-print-directory test PRESET=asan
	@ctest --preset dev -L memcheck
	@$(MAKE) --no-print-directory smoke

package:
	@tools/ensure-packages $(RUN_PACKAGES) dpkg-dev file
	@cmake --preset release $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@rm -f build/release/*.deb
	@cd build/release && cpack -G DEB

# Installs the package with apt-get and checks what it installed.
smoke: package
	@tools/ensure-packages desktop-file-utils appstream
	@tests/package/smoke.sh build/release/*.deb

# Figures, no verdicts: the release build's benchmarks.
bench:
	@tools/ensure-packages $(RUN_PACKAGES) $(TEST_PACKAGES)
	@cmake --preset release $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@ctest --preset release -L bench -V


# Windows, built here: Qt for Windows once per machine (tools/qt-windows,
# half an hour the first time), the program and its tests under Wine, the
# installer and the portable zip in build/windows, then the installed
# program's end-to-end rows under Wine.
windows:
	@tools/ensure-packages $(RUN_PACKAGES) $(TEST_PACKAGES) $(WINDOWS_PACKAGES)
	@qt=$$(tools/qt-windows) && cmake --preset windows -DCMAKE_PREFIX_PATH="$$qt" $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset windows -j $(JOBS)
	@ctest --preset windows -j $(JOBS)
	@cd build/windows && cpack
	@cmake --preset dev $(CMAKE_ARGS) >/dev/null
	@cmake --build --preset dev --target tst_program -j $(JOBS)
	@ctest --preset dev -L windows

# Redraws the pictures derived from the sources in resources/, which are
# committed: the hicolor sizes of icon.svg, each XPM at twice its size (every
# pixel a 2 x 2 block) for scaled screens, and the Windows icon with the sizes
# Explorer, the taskbar and the Start menu show: 16, 24, 32, 48 and 256.
ICON_ID := $(basename $(notdir $(wildcard resources/desktop/*.desktop)))
XPMS    := $(filter-out %@2x.xpm,$(notdir $(wildcard resources/*.xpm)))
icons:
	@tools/ensure-packages $(ICON_PACKAGES)
	@cd resources && for size in 16 32 48 64 128 256; do \
	    mkdir -p hicolor/$${size}x$$size/apps && \
	    rsvg-convert -w $$size -h $$size icon.svg -o hicolor/$${size}x$$size/apps/$(ICON_ID).png || exit; \
	done
	@cd resources && for xpm in $(XPMS); do \
	    convert $$xpm -sample 200% $${xpm%.xpm}@2x.xpm || exit; \
	done
	@cd resources && ico=$$(mktemp -d) && for size in 16 24 32 48 256; do \
	    rsvg-convert -w $$size -h $$size icon.svg -o $$ico/$$size.png || exit; \
	done && convert $$ico/16.png $$ico/24.png $$ico/32.png $$ico/48.png $$ico/256.png wertungsbrett.ico; \
	rm -rf $$ico

clean:
	rm -rf build
