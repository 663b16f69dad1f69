# The two everyday commands: `make run` and `make test`. Both install the Debian
# packages they need, configure and build before doing their job.

PRESET ?= dev
JOBS   ?= $(shell nproc)
BUILD  := build/$(PRESET)

# fonts-liberation2 gives the windows the Arial metrics their layout is drawn for.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools \
                  qt6-qpa-plugins qt6-translations-l10n libgl-dev \
                  fonts-liberation2
# wine, wine64 and the mingw-w64 compiler run the launcher on Windows' own API.
TEST_PACKAGES  := xvfb xauth xdotool wine wine64 g++-mingw-w64-x86-64-posix
# Desktop integration: the install checks validate the desktop files and
# compile the Windows resource.
TEST_PACKAGES  += desktop-file-utils appstream gcc-mingw-w64-x86-64-posix
# `make icons`: librsvg draws the hicolor sizes, ImageMagick the rest.
ICON_PACKAGES  := librsvg2-bin imagemagick
# `make package`: dpkg-shlibdeps (dpkg-dev) and file find the package's
# dependencies. `make smoke`: the installed program under a window manager.
PACKAGE_PACKAGES := dpkg-dev file
SMOKE_PACKAGES   := xvfb xauth xdotool openbox wmctrl
# Robustness: valgrind for the memcheck tests, clang's libFuzzer for the fuzz
# targets, which `make fuzz` runs for FUZZ_SECONDS each.
TEST_PACKAGES  += valgrind clang-14 libclang-rt-14-dev
FUZZ_SECONDS   ?= 600

.PHONY: all build run test bench clean deps deps-test

all: build

deps:
	@tools/ensure-packages $(BUILD_PACKAGES)

deps-test: deps
	@tools/ensure-packages $(TEST_PACKAGES)

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    echo "Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind leer): Wertungsbrett braucht einen Desktop."; \
	    exit 1; \
	fi
	@$(BUILD)/app/wertungsbrett

test: deps-test build
	@ctest --preset $(PRESET) -j $(JOBS) --label-exclude bench
ifeq ($(PRESET),dev)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30
endif

bench: deps-test
	@$(MAKE) --no-print-directory build PRESET=release
	@ctest --preset release -L bench -V

clean:
	rm -rf build

.PHONY: fuzz

# The fuzz targets, built with clang by the `fuzz` preset. `make test` runs
# each for 30 seconds in the dev preset (under the sanitizer presets fuzzing
# adds nothing).
fuzz: deps-test
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz -j $(JOBS)

.PHONY: package smoke

# The Debian package from the release build, in build/release.
package:
	@$(MAKE) --no-print-directory build PRESET=release
	@tools/ensure-packages $(PACKAGE_PACKAGES)
	@rm -f build/release/*.deb
	@cd build/release && cpack -G DEB

# Installs that package on this machine (apt-get, as root or through sudo),
# starts the installed program and closes it through the window manager.
smoke: package
	@tools/ensure-packages $(SMOKE_PACKAGES)
	@tests/package/smoke.sh build/release/*.deb

.PHONY: icons

# Redraws the pictures derived from the sources in resources/, which are
# committed: the hicolor sizes of icon.svg, each XPM at twice its size (every
# pixel a 2 x 2 block) for scaled screens, and the Windows icon holding the
# three 32 x 32 icon pictures.
ICON_ID := $(basename $(notdir $(wildcard resources/desktop/*.desktop)))
icons:
	@tools/ensure-packages $(ICON_PACKAGES)
	@cd resources && for size in 16 32 48 64 128 256; do \
	    mkdir -p hicolor/$${size}x$$size/apps && \
	    rsvg-convert -w $$size -h $$size icon.svg -o hicolor/$${size}x$$size/apps/$(ICON_ID).png || exit; \
	done
	@cd resources && for name in new cut copy paste icon-color icon-mono icon-green; do \
	    convert $$name.xpm -sample 200% $$name@2x.xpm || exit; \
	done
	@cd resources && convert icon-color.xpm icon-mono.xpm icon-green.xpm wertungsbrett.ico
