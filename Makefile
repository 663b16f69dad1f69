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

bench: deps-test
	@$(MAKE) --no-print-directory build PRESET=release
	@ctest --preset release -L bench -V

clean:
	rm -rf build
